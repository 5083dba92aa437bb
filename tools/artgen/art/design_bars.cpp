// The bars above and below the players' area: lacquered wood with a long horizontal grain and a
// gilded moulding along the edge that meets the felt. They are stretched to the surface's
// width, so nothing in them changes quickly from left to right.

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_groups.h"
#include "tools/artgen/art/design_noise.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Rgba;

// The width of the moulding, and its colour at a distance (pixels) from the felt. The light
// falls from above, so the rounded part is lighter at its top on either bar.
constexpr float kMoulding = 11;

Rgba Moulding(float e, bool felt_below) {
  if (e < 1) return design::kLacquerEdge;
  if (e < 2) return design::kGoldLight;
  if (e < 4) return draw::Mix(design::kGold, design::kGoldDark, (e - 2) / 2);
  if (e < 5) return design::kLacquerEdge;
  if (e < 10) {
    const float down = felt_below ? (10 - e) / 5 : (e - 5) / 5;
    return draw::Mix(draw::Lighten(design::kLacquerLight, 0.2f), design::kLacquerDark, down);
  }
  return design::kLacquerEdge;
}

// Brightness factor of the wood's grain: streaks long across, thin down.
float WoodGrain(float x, float y, int seed) {
  return 1 + (SmoothNoise(x / 260, y / 1.3f, seed) - 0.5f) * 0.22f +
         (SmoothNoise(x / 50, y / 0.7f, seed + 1) - 0.5f) * 0.08f;
}

draw::Canvas Bar(int width, int height, bool felt_below, int seed) {
  draw::Canvas bar(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const Rgba by_felt = Hex(0x55260F), away = Hex(0x2C1008);
  bar.Fill(Path().AddRect(0, 0, w, h), [=](float x, float y) {
    const float e = felt_below ? h - y : y;
    if (e < kMoulding) return Moulding(e, felt_below);
    const Rgba body = draw::Mix(by_felt, away, (e - kMoulding) / (h - kMoulding));
    return draw::Brighten(body, WoodGrain(x, y, seed));
  });
  return bar;
}

}  // namespace

void AddTableBars(Entries& entries) {
  AddDesign(entries, 9, Format::kGif, [](int w, int h) { return Bar(w, h, true, 10); });
  AddDesign(entries, 10, Format::kGif, [](int w, int h) { return Bar(w, h, false, 20); });
}

}  // namespace tlj::artgen::art
