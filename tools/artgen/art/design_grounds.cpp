#include "tools/artgen/art/design_grounds.h"

#include <algorithm>
#include <cmath>

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/widgets.h"
#include "tools/artgen/draw/text.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;

Path Rect(int x, int y, int w, int h) {
  return Path().AddRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
                        static_cast<float>(h));
}

// A short gold line ending in a small diamond, on either side of a title.
void DrawFlourish(draw::Canvas& canvas, float from, float to, float y) {
  canvas.Fill(Path().AddRect(std::min(from, to), y - 0.5f, std::abs(to - from), 1),
              draw::Solid(design::kGold));
  canvas.Fill(Path().AddPolygon({{to, y - 3}, {to + 3, y}, {to, y + 3}, {to - 3, y}}),
              draw::Solid(design::kGoldLight));
}

}  // namespace

void DrawGround(draw::Canvas& canvas, int border) {
  const int w = canvas.Width(), h = canvas.Height();
  const float fh = static_cast<float>(h);
  canvas.Fill(Rect(0, 0, w, h), draw::Solid(design::kLacquerEdge));
  canvas.Fill(
      Rect(1, 1, w - 2, h - 2),
      draw::Vertical(0, fh, draw::Lighten(design::kLacquerLight, 0.05f), design::kLacquerDark));
  canvas.Fill(Rect(border - 1, border - 1, w - 2 * border + 2, h - 2 * border + 2),
              draw::Solid(design::kGold));
  canvas.Fill(Rect(border, border, w - 2 * border, h - 2 * border),
              draw::Solid(design::kParchment));
}

void DrawStrip(draw::Canvas& canvas, int height) {
  const int w = canvas.Width();
  const float fh = static_cast<float>(height);
  canvas.Fill(Rect(0, 0, w, height), draw::Solid(design::kLacquerEdge));
  canvas.Fill(Rect(1, 1, w - 2, height - 3),
              draw::Linear({0, 1}, {0, fh - 2},
                           {{0, draw::Lighten(design::kLacquerLight, 0.15f)},
                            {0.45f, design::kLacquerLight},
                            {1, design::kLacquerDark}}));
  canvas.Fill(Rect(1, height - 2, w - 2, 1), draw::Solid(design::kGold));
}

void DrawTitleStrip(draw::Canvas& canvas, int height, std::string_view title) {
  const float fw = static_cast<float>(canvas.Width()), fh = static_cast<float>(height);
  DrawStrip(canvas, height);
  // The title as large as the strip allows, up to 18 pixels.
  const draw::TextStyle style{draw::Face::kSerifBold, std::min(18.0f, fh - 6), 2};
  const float cx = fw / 2, cy = std::floor((fh - 2) / 2) + 0.5f;
  DrawLabel(canvas, title, style, cx, cy, design::kGoldLight, Hex(0x1C0703, 0.8f));
  const float half = draw::MeasureInk(style, title).Width() / 2;
  DrawFlourish(canvas, cx - half - 10, cx - half - 34, cy);
  DrawFlourish(canvas, cx + half + 10, cx + half + 34, cy);
}

void DrawCard(draw::Canvas& canvas, int x, int y, int w, int h) {
  canvas.Fill(Rect(x, y, w, h),
              draw::Solid(draw::Mix(design::kGoldDark, design::kParchment, 0.45f)));
  canvas.Fill(Rect(x + 1, y + 1, w - 2, h - 2), draw::Solid(design::kParchmentLight));
}

void DrawRule(draw::Canvas& canvas, int x, int y, int w, int h) {
  canvas.Fill(Rect(x, y, w, h),
              draw::Solid(draw::Mix(design::kGoldDark, design::kParchment, 0.6f)));
}

}  // namespace tlj::artgen::art
