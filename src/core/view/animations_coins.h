#pragma once
// What the coin animations share: the paths of each screen position, and making, drawing and
// deleting coin elements.

#include <cmath>

#include "core/platform/element_tree.h"
#include "core/view/animations.h"

namespace tlj::view::coins {

// Positions and counts formed from real values: halves go to the even neighbour.
inline int RoundEven(double v) {
  return static_cast<int>(std::nearbyint(v));
}

// The pot's centre, in design pixels.
inline constexpr double kPotX = 488;
inline constexpr double kPotY = 336;

// Where a screen position's coins start and where swept coins head for, in design pixels.
struct SeatPath {
  double anchor_x;
  double anchor_y;
  bool vertical;  // the main axis: vertical for the players at the bottom and the top
  int to_pot;     // the sign of a move towards the pot along the main axis
  double aim_x;   // 140 beyond the anchor, away from the pot
  double aim_y;
  double stop;  // a swept coin stops at this main-axis line, 10 before the anchor
  // A staked coin's target lies 1.5 pixels times a drawn i to the right and k down from the
  // pot's centre; an arrived coin moves by a drawn settle offset on both axes.
  int i_lo, i_hi;
  int k_lo, k_hi;
  int settle_lo, settle_hi;
};

bool IsScreenPosition(int pos);
// pos must be a screen position.
const SeatPath& PathOf(int pos);

// The coordinate of an element along a path's main axis and across it.
inline double& Along(platform::Element& e, bool vertical) {
  return vertical ? e.top : e.left;
}
inline double& Across(platform::Element& e, bool vertical) {
  return vertical ? e.left : e.top;
}

// Draws a coin with frame `frame` (0..19) of its denomination; coins of 1 and 500 do not turn
// and always show their one picture.
void DrawCoin(platform::Element& coin, int denomination, int frame);
void DrawRandomFrame(platform::Element& coin, int denomination);
// The side of a coin picture in the current layout.
int CoinSize();

platform::Element& Coin(int index);
// Creates coin CoinsOnTable + 1 as a copy of the template, shown in front of everything.
platform::Element& NewCoin(CoinTarget target);
// Deletes coins first..CoinsOnTable, highest first.
void DeleteCoinsFrom(int first);

}  // namespace tlj::view::coins
