// The grounds of the score sheet and the ranking: a card for each column of lists under a
// lacquer title strip.

#include "tools/artgen/art/design_grounds.h"
#include "tools/artgen/art/design_groups.h"

namespace tlj::artgen::art {
namespace {

// The lists stand in the cards; a rule marks where the heads of the columns end.
draw::Canvas ScoreGround(int width, int height) {
  draw::Canvas ground(width, height);
  DrawGround(ground, 2);
  for (int k = 0; k < 4; ++k) {
    const int x = 4 + 160 * k, w = k == 3 ? 153 : 152;
    DrawCard(ground, x, 30, w, 446);
    DrawRule(ground, x + 6, 84, w - 12);
    DrawRule(ground, x + 6, 419, w - 12);
  }
  DrawTitleStrip(ground, 28, "战绩板");
  return ground;
}

draw::Canvas HeroGround(int width, int height) {
  draw::Canvas ground(width, height);
  DrawGround(ground, 2);
  // The game numbers, then the four players.
  constexpr int kLeft[] = {6, 134, 262, 390, 526};
  constexpr int kWidth[] = {125, 125, 125, 133, 125};
  for (int k = 0; k < 5; ++k) {
    DrawCard(ground, kLeft[k], 23, kWidth[k], 366);
    DrawRule(ground, kLeft[k] + 4, 68, kWidth[k] - 8);
  }
  DrawCard(ground, 6, 395, 645, 44);  // the totals
  DrawTitleStrip(ground, 22, "英雄榜");
  return ground;
}

}  // namespace

void AddScoreGrounds(Entries& entries) {
  AddDesign(entries, 28, Format::kGif, ScoreGround);
  AddDesign(entries, 31, Format::kGif, HeroGround);
}

}  // namespace tlj::artgen::art
