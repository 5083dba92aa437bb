// The grounds of the player card, the details of a hand and the notice strip: tables of rows
// the program fills with black text.

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_grounds.h"
#include "tools/artgen/art/design_groups.h"

namespace tlj::artgen::art {
namespace {

using draw::Path;

// Nine rows 32 pixels apart from y 40: the captions on the left, tinted, the values on the
// right, a rule between rows.
draw::Canvas PlayerCard(int width, int height) {
  draw::Canvas card(width, height);
  DrawGround(card, 4);
  DrawTitleStrip(card, 28, "玩家资料");
  DrawCard(card, 6, 33, 209, 289);
  card.Fill(Path().AddRect(7, 34, 116, 287), draw::Solid(design::kParchment));
  DrawRule(card, 123, 34, 1, 287);
  for (int row = 0; row < 8; ++row) DrawRule(card, 7, 64 + 32 * row, 207);
  return card;
}

// Four rows 32 pixels apart from y 64: the names left, the coins right.
draw::Canvas Details(int width, int height) {
  draw::Canvas details(width, height);
  DrawGround(details, 3);
  DrawTitleStrip(details, 34, "明细");
  DrawCard(details, 14, 49, 250, 137);
  for (int row = 1; row < 4; ++row) DrawRule(details, 20, 56 + 32 * row, 238);
  return details;
}

// The message stands in the middle, the close button at the right; a gold line runs round
// inside the edge.
draw::Canvas NoticeStrip(int width, int height) {
  draw::Canvas strip(width, height);
  DrawGround(strip, 3);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const Path line = Path().AddRect(5, 5, w - 10, h - 10).AddRect(6, 6, w - 12, h - 12);
  strip.Fill(strip.Coverage(line, draw::FillRule::kEvenOdd),
             draw::Solid(draw::Mix(design::kGold, design::kParchment, 0.4f)));
  return strip;
}

}  // namespace

void AddCardWindows(Entries& entries) {
  AddDesign(entries, 34, Format::kGif, PlayerCard);
  AddDesign(entries, 35, Format::kGif, Details);
  AddDesign(entries, 36, Format::kGif, NoticeStrip);
}

}  // namespace tlj::artgen::art
