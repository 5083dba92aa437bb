// The table surface: felt, green or blue, with a fine weave, a little mottled, lighter in an oval
// in the middle of the players' area and darker towards the edges.

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_groups.h"
#include "tools/artgen/art/design_noise.h"

namespace tlj::artgen::art {
namespace {

using draw::Path;

// The bars cover the top 96 and the bottom 117 rows; the oval sits between them.
constexpr float kPlayAreaTop = 96;
constexpr float kPlayAreaBottom = 651;

// Brightness factor of the weave and the mottling at a pixel: near 1. Kept faint, so that the
// JPEG stays small and nothing on the table has to fight the texture.
float Texture(float x, float y) {
  const int ix = static_cast<int>(x), iy = static_cast<int>(y);
  const float weave = ((ix + iy) % 2 == 0 ? 0.012f : -0.012f) + (Grain(ix, iy, 1) - 0.5f) * 0.03f;
  const float fibres = (SmoothNoise(x / 3, y / 1.5f, 2) - 0.5f) * 0.05f;
  const float mottling = (SmoothNoise(x / 90, y / 70, 3) - 0.5f) * 0.08f;
  return 1 + weave + fibres + mottling;
}

draw::Canvas Felt(int width, int height, const design::FeltColours& colours) {
  draw::Canvas felt(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const float cy = (kPlayAreaTop + kPlayAreaBottom) / 2;
  const draw::Paint light =
      draw::Radial({w / 2, cy}, w * 0.48f, (kPlayAreaBottom - kPlayAreaTop) * 0.62f,
                   {{0, colours.light},
                    {0.55f, draw::Mix(colours.light, colours.middle, 0.3f)},
                    {0.8f, colours.middle},
                    {1.5f, colours.dark}});
  felt.Fill(Path().AddRect(0, 0, w, h),
            [&](float x, float y) { return draw::Brighten(light(x, y), Texture(x, y)); });
  // A faint printed line round the oval.
  felt.Stroke(Path().AddEllipse(w / 2, cy, w * 0.4f, (kPlayAreaBottom - kPlayAreaTop) * 0.42f), 2,
              draw::Solid(draw::WithAlpha(design::kGoldLight, 0.12f)));
  return felt;
}

}  // namespace

void AddTableSurface(Entries& entries) {
  const auto green = [](int w, int h) { return Felt(w, h, design::kGreenFelt); };
  AddDesign(entries, 27, Format::kJpeg, green);
  // The two grounds the settings window offers for the table.
  AddDesign(entries, 45, Format::kJpeg, green);
  AddDesign(entries, 46, Format::kJpeg, [](int w, int h) { return Felt(w, h, design::kBlueFelt); });
}

}  // namespace tlj::artgen::art
