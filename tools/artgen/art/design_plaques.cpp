#include "tools/artgen/art/design_plaques.h"

#include <algorithm>

#include "tools/artgen/art/design_colours.h"

namespace tlj::artgen::art {

using draw::Hex;
using draw::Path;

void DrawPlaque(draw::Canvas& canvas, float x, float y, float w, float h, float radius) {
  canvas.Fill(
      Path().AddRoundRect(x, y, w, h, radius),
      draw::Linear({0, y}, {0, y + h},
                   {{0, design::kGoldLight}, {0.5f, design::kGold}, {1, design::kGoldDark}}));
  const float r = std::max(0.0f, radius - 1.5f);
  const Path face = Path().AddRoundRect(x + 1.5f, y + 1.5f, w - 3, h - 3, r);
  canvas.Fill(face,
              draw::Vertical(y + 1.5f, y + h - 1.5f, draw::Lighten(design::kLacquerLight, 0.08f),
                             design::kLacquerDark));
  draw::Mask sheen = canvas.Coverage(
      Path().AddRoundRect(x + 2.5f, y + 2, w - 5, (h - 3) * 0.45f, std::max(0.0f, r - 1)));
  sheen.Intersect(canvas.Coverage(face));
  canvas.Fill(sheen,
              draw::Vertical(y + 2, y + h * 0.5f, Hex(0xFFFFFF, 0.25f), Hex(0xFFFFFF, 0.03f)));
}

void DrawWell(draw::Canvas& canvas, float x, float y, float w, float h, float radius) {
  // The light lip below and the dark one above make the field look pressed in.
  canvas.Fill(Path().AddRoundRect(x, y, w, h + 1, radius + 0.5f),
              draw::Solid(Hex(0xFFFFFF, 0.35f)));
  canvas.Fill(Path().AddRoundRect(x, y, w, h, radius), draw::Solid(Hex(0x1A0804)));
  const Path field = Path().AddRoundRect(x + 1, y + 1, w - 2, h - 2, std::max(0.0f, radius - 1));
  canvas.Fill(field, draw::Vertical(y + 1, y + h - 1, design::kParchment, design::kParchmentLight));
  draw::Mask shade = canvas.Coverage(Path().AddRect(x, y + 1, w, 3));
  shade.Intersect(canvas.Coverage(field));
  canvas.Fill(shade, draw::Vertical(y + 1, y + 4, Hex(0x3A1A08, 0.45f), Hex(0x3A1A08, 0)));
}

}  // namespace tlj::artgen::art
