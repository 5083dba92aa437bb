#pragma once
// The table layout: window size, layout scale, the one-time layout pass and the view reset.

#include <array>
#include <cmath>

namespace tlj::view {

inline double LayoutScale = 1.0;
inline bool IsReducedLayout() {
  return LayoutScale < 1.0;
}

// Positions and sizes on the table surface are kept exactly as computed (design pixels times
// LayoutScale, fractions included), so that sums of scaled steps do not drift; a front end
// draws each at the nearest whole pixel, which Px gives. Only the card anchors, which the deal
// moves cards to pixel by pixel, are kept as whole pixels.
inline int Px(double v) {
  return static_cast<int>(std::lround(v));
}

// Card anchors, computed by the view reset.
inline int CardPitch = 90;
inline double PileLeft = 775;
inline int CardTop2 = 0;
struct CardPlace {
  int x = 0;
  int y = 0;
};
inline std::array<CardPlace, 4> CardAnchor{};  // by screen position

// Decides LayoutScale from the screen, sizes MainForm and Pic1 and paints the frame where the
// screen has room for it.
void ChooseLayout(int screen_width, int screen_height);
// The two halves of the layout pass (before and after the window is shown).
void LayoutTableFirstHalf();
void LayoutTableSecondHalf();
// The view reset run before every hand.
void ResetTableView();

}  // namespace tlj::view
