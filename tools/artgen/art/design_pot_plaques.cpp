// The captions of the pot panel: a plaque for each value the panel shows. The program writes
// each amount to the right of its plaque; the round number it writes into the plaque itself,
// in the light field on the right.

#include <string>
#include <utility>

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_groups.h"
#include "tools/artgen/art/design_plaques.h"
#include "tools/artgen/art/widgets.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;

constexpr draw::TextStyle kCaption{draw::Face::kSansBold, 15, 0.5f};
// The round number's label starts this far into its plaque.
constexpr float kRoundNumberLeft = 40;

// A small gold coin with the square hole of the old cash, at the plaque's left end.
void DrawCoin(draw::Canvas& canvas, float cx, float cy, float r) {
  canvas.Fill(Path().AddCircle(cx, cy, r), draw::Solid(design::kGoldDark));
  canvas.Fill(
      Path().AddCircle(cx, cy, r - 1),
      draw::Linear({cx - r, cy - r}, {cx + r, cy + r},
                   {{0, design::kGoldLight}, {0.55f, design::kGold}, {1, design::kGoldDark}}));
  const float hole = r * 0.32f;
  canvas.Fill(Path().AddRect(cx - hole, cy - hole, 2 * hole, 2 * hole),
              draw::Solid(design::kLacquerEdge));
}

draw::Canvas Plaque(int width, int height, const std::string& caption) {
  draw::Canvas plaque(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  DrawPlaque(plaque, 0.5f, 0.5f, w - 1, h - 1, 7);
  DrawCoin(plaque, 14, h / 2, 8);
  DrawLabel(plaque, caption, kCaption, (25 + w - 4) / 2, h / 2, design::kGoldLight,
            Hex(0x1C0703, 0.8f));
  return plaque;
}

draw::Canvas RoundPlaque(int width, int height) {
  draw::Canvas plaque(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  DrawPlaque(plaque, 0.5f, 0.5f, w - 1, h - 1, 7);
  DrawLabel(plaque, "轮数", kCaption, kRoundNumberLeft / 2 + 0.5f, h / 2, design::kGoldLight,
            Hex(0x1C0703, 0.8f));
  DrawWell(plaque, kRoundNumberLeft - 1, 4, w - kRoundNumberLeft - 3, h - 8, 4);
  return plaque;
}

}  // namespace

void AddPotPlaques(Entries& entries) {
  const std::pair<int, const char*> captions[] = {
      {11, "彩池"},   {12, "预留锅底"}, {13, "初始锅底"}, {14, "最大注"},
      {15, "热锅注"}, {16, "最小注"},   {17, "已押注"}};
  for (const auto& [number, caption] : captions) {
    const std::string text = caption;
    AddDesign(entries, number, Format::kGif, [=](int w, int h) { return Plaque(w, h, text); });
  }
  AddDesign(entries, 18, Format::kGif, RoundPlaque);
}

}  // namespace tlj::artgen::art
