// The close buttons of the small windows: round red seals in a gold ring on the score sheet and
// the notice strip, small lacquer plates on the ranking's title strip.

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_groups.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;

// The red lacquer of the closing buttons, lit from above.
draw::Paint RedLacquer(float top, float bottom) {
  return draw::Vertical(top, bottom, Hex(0xD0583A), Hex(0x7A1A0C));
}

void DrawCross(draw::Canvas& canvas, float cx, float cy, float half) {
  const Path cross = Path()
                         .MoveTo(cx - half, cy - half)
                         .LineTo(cx + half, cy + half)
                         .MoveTo(cx + half, cy - half)
                         .LineTo(cx - half, cy + half);
  canvas.Stroke(cross.Transformed(draw::Affine::Translate(0, 1)), 2.2f,
                draw::Solid(Hex(0x1C0703, 0.5f)));
  canvas.Stroke(cross, 2.2f, draw::Solid(design::kCreamText));
}

// A round red seal in a gold ring with a cream cross.
draw::Canvas RoundClose(int width, int height) {
  draw::Canvas button(width, height);
  const float cx = static_cast<float>(width) / 2, cy = static_cast<float>(height) / 2;
  const float r = cx - 0.5f;
  button.Fill(Path().AddCircle(cx, cy, r), draw::Solid(design::kLacquerEdge));
  button.Fill(
      Path().AddCircle(cx, cy, r - 1),
      draw::Linear({0, cy - r}, {0, cy + r},
                   {{0, design::kGoldLight}, {0.5f, design::kGold}, {1, design::kGoldDark}}));
  button.Fill(Path().AddCircle(cx, cy, r - 3), RedLacquer(cy - r, cy + r));
  button.Fill(Path().AddEllipse(cx, cy - r * 0.4f, r * 0.55f, r * 0.3f),
              draw::Solid(Hex(0xFFFFFF, 0.18f)));
  DrawCross(button, cx, cy, 3.5f);
  return button;
}

// A small lacquer plate with a gold edge; `minimise` draws a bar instead of a cross.
draw::Canvas PlateButton(int width, int height, bool minimise) {
  draw::Canvas button(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  button.Fill(Path().AddRoundRect(0, 0, w, h, 3.5f), draw::Solid(design::kLacquerEdge));
  button.Fill(Path().AddRoundRect(1, 1, w - 2, h - 2, 2.5f),
              draw::Vertical(1, h - 1, design::kGoldLight, design::kGoldDark));
  button.Fill(Path().AddRoundRect(2, 2, w - 4, h - 4, 1.5f),
              minimise ? draw::Vertical(2, h - 2, draw::Lighten(design::kLacquerLight, 0.12f),
                                        design::kLacquerDark)
                       : RedLacquer(2, h - 2));
  if (minimise) {
    button.Fill(Path().AddRect(8, 11, 9, 2), draw::Solid(Hex(0x1C0703, 0.5f)));
    button.Fill(Path().AddRect(8, 10, 9, 2), draw::Solid(design::kCreamText));
  } else {
    DrawCross(button, w / 2, h / 2 - 0.5f, 3);
  }
  return button;
}

}  // namespace

void AddCloseButtons(Entries& entries) {
  // They stand half on lacquer, half on parchment: their edges keep their own dark rim.
  AddDesign(entries, 29, Format::kGif, RoundClose);
  AddDesign(entries, 30, Format::kGif, RoundClose);
  AddDesign(entries, 32, Format::kGif, [](int w, int h) { return PlateButton(w, h, true); });
  AddDesign(entries, 33, Format::kGif, [](int w, int h) { return PlateButton(w, h, false); });
  AddDesign(entries, 37, Format::kGif, RoundClose);
}

}  // namespace tlj::artgen::art
