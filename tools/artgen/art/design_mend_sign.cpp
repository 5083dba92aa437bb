// The sign shown when the pot is mended: a round red seal in a gold ring, a small pot above
// the words 补锅.

#include <cmath>
#include <numbers>

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_groups.h"
#include "tools/artgen/draw/text.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;

void DrawRing(draw::Canvas& sign, float cx, float cy, float r) {
  sign.Fill(Path().AddCircle(cx, cy, r), draw::Solid(Hex(0x3A1404)));
  sign.Fill(Path().AddCircle(cx, cy, r - 1.5f),
            draw::Linear({cx - r, cy - r}, {cx + r, cy + r},
                         {{0, design::kGoldLight}, {0.5f, design::kGold}, {1, design::kGoldDark}}));
  // Studs round the ring.
  for (int k = 0; k < 24; ++k) {
    const float a = static_cast<float>(k) * std::numbers::pi_v<float> / 12;
    const float x = cx + std::cos(a) * (r - 7), y = cy + std::sin(a) * (r - 7);
    sign.Fill(Path().AddCircle(x + 0.5f, y + 0.5f, 2.2f), draw::Solid(Hex(0x6E4410, 0.8f)));
    sign.Fill(Path().AddCircle(x, y, 1.8f), draw::Solid(design::kGoldLight));
  }
}

void DrawSeal(draw::Canvas& sign, float cx, float cy, float r) {
  sign.Fill(Path().AddCircle(cx, cy, r + 1.5f), draw::Solid(Hex(0x3A0804)));
  sign.Fill(Path().AddCircle(cx, cy, r),
            draw::Radial({cx - r * 0.3f, cy - r * 0.35f}, r * 1.5f, r * 1.5f,
                         {{0, Hex(0xF04A32)}, {0.55f, Hex(0xC01C12)}, {1, Hex(0x6E0806)}}));
  sign.Stroke(Path().AddCircle(cx, cy, r - 4), 1.2f,
              draw::Solid(draw::WithAlpha(design::kGold, 0.8f)));
}

// A round-bellied pot on three short feet, with two handles and a patch riveted on its side.
void DrawPot(draw::Canvas& sign, float cx, float top) {
  const draw::Rgba ink = Hex(0x3A1404);
  const Path belly = Path()
                         .MoveTo(cx - 17, top + 4)
                         .LineTo(cx + 17, top + 4)
                         .CubicTo(cx + 18, top + 18, cx + 10, top + 23, cx, top + 23)
                         .CubicTo(cx - 10, top + 23, cx - 18, top + 18, cx - 17, top + 4)
                         .Close();
  const Path feet = Path()
                        .AddRect(cx - 11, top + 20, 3, 5)
                        .AddRect(cx - 1.5f, top + 21, 3, 5)
                        .AddRect(cx + 8, top + 20, 3, 5);
  const Path rim = Path().AddRoundRect(cx - 20, top, 40, 5, 2.5f);
  const Path pot = Path().AddPath(belly).AddPath(feet).AddPath(rim);
  // Two handles stand up from the rim.
  const Path handles = Path()
                           .MoveTo(cx - 15, top + 1)
                           .LineTo(cx - 15, top - 5)
                           .LineTo(cx - 9, top - 5)
                           .LineTo(cx - 9, top + 1)
                           .MoveTo(cx + 9, top + 1)
                           .LineTo(cx + 9, top - 5)
                           .LineTo(cx + 15, top - 5)
                           .LineTo(cx + 15, top + 1);
  sign.Stroke(handles, 4.4f, draw::Solid(ink));
  sign.Stroke(handles, 2, draw::Solid(design::kGold));
  sign.Fill(sign.Coverage(pot).Dilated(1.2f), draw::Solid(ink));
  sign.Fill(pot,
            draw::Linear({cx - 18, top}, {cx + 18, top + 24},
                         {{0, design::kGoldLight}, {0.5f, design::kGold}, {1, design::kGoldDark}}));
  sign.Fill(Path().AddRect(cx + 2, top + 9, 9, 7), draw::Solid(Hex(0x8A5010)));
  for (const float x : {cx + 3.5f, cx + 9.5f})
    for (const float y : {top + 10.5f, top + 14.5f})
      sign.Fill(Path().AddCircle(x, y, 0.9f), draw::Solid(design::kGoldLight));
}

draw::Canvas MendSign(int width, int height) {
  draw::Canvas sign(width, height);
  const float cx = static_cast<float>(width) / 2, cy = static_cast<float>(height) / 2;
  const float r = cx - 1.5f;
  DrawRing(sign, cx, cy, r);
  DrawSeal(sign, cx, cy, r - 13);
  DrawPot(sign, cx, cy - 46);
  const draw::TextStyle text{draw::Face::kSerifBold, 50, 2};
  const draw::Mask words = draw::CentredText(width, height, text, "补锅", cx, cy + 14);
  sign.Fill(words.Dilated(2.6f).Shifted(1, 2), draw::Solid(Hex(0x2A0402, 0.6f)));
  sign.Fill(words.Dilated(2.2f), draw::Solid(Hex(0x4A0C04)));
  sign.Fill(words,
            draw::Linear({0, cy - 8}, {0, cy + 36},
                         {{0, design::kGoldLight}, {0.5f, Hex(0xFFD050)}, {1, Hex(0xE09020)}}));
  return sign;
}

}  // namespace

void AddMendSign(Entries& entries) {
  AddDesign(entries, 25, Format::kGif, MendSign);
}

}  // namespace tlj::artgen::art
