// The turn timer: a clock face on a plaque, and a dark display window to its right in which
// the program writes the seconds left (green, red near the end), so the window stays plain.

#include <cmath>
#include <numbers>

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_groups.h"
#include "tools/artgen/art/design_plaques.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;

// The seconds are written at x 48..72, y 5..29; the display window holds that with room.
constexpr float kDisplayLeft = 45, kDisplayTop = 3, kDisplayWidth = 31, kDisplayHeight = 30;
constexpr draw::Rgba kDisplay = Hex(0x0E120E);

void DrawClockFace(draw::Canvas& canvas, float cx, float cy, float r) {
  canvas.Fill(
      Path().AddCircle(cx, cy, r),
      draw::Linear({cx, cy - r}, {cx, cy + r},
                   {{0, design::kGoldLight}, {0.5f, design::kGold}, {1, design::kGoldDark}}));
  canvas.Fill(Path().AddCircle(cx, cy, r - 2.5f),
              draw::Radial({cx - 3, cy - 4}, r, r, {{0, Hex(0xFFFFFF)}, {1, Hex(0xE6D8B8)}}));
  for (int hour = 0; hour < 12; ++hour) {
    const float a = static_cast<float>(hour) * std::numbers::pi_v<float> / 6;
    const float inner = hour % 3 == 0 ? r - 7 : r - 5.5f;
    canvas.Stroke(Path()
                      .MoveTo(cx + std::sin(a) * inner, cy - std::cos(a) * inner)
                      .LineTo(cx + std::sin(a) * (r - 4), cy - std::cos(a) * (r - 4)),
                  hour % 3 == 0 ? 1.6f : 1.0f, draw::Solid(Hex(0x3A2412)));
  }
  // The hands at ten past ten; a red second hand.
  canvas.Stroke(Path().MoveTo(cx, cy).LineTo(cx - 5.5f, cy - 3.5f), 2, draw::Solid(Hex(0x2A1A0C)));
  canvas.Stroke(Path().MoveTo(cx, cy).LineTo(cx + 6, cy - 8.5f), 1.5f, draw::Solid(Hex(0x2A1A0C)));
  canvas.Stroke(Path().MoveTo(cx - 2, cy + 3).LineTo(cx + 4, cy + 7.5f), 0.8f,
                draw::Solid(Hex(0xC81810)));
  canvas.Fill(Path().AddCircle(cx, cy, 1.8f), draw::Solid(Hex(0xC81810)));
}

draw::Canvas Timer(int width, int height) {
  draw::Canvas timer(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  DrawPlaque(timer, 0.5f, 0.5f, w - 1, h - 1, 9);
  DrawClockFace(timer, 21, h / 2, 16);
  timer.Fill(Path().AddRoundRect(kDisplayLeft - 1, kDisplayTop - 1, kDisplayWidth + 2,
                                 kDisplayHeight + 2, 4),
             draw::Vertical(kDisplayTop - 1, kDisplayTop + kDisplayHeight + 1, Hex(0x1C0703),
                            design::kGold));
  timer.Fill(Path().AddRoundRect(kDisplayLeft, kDisplayTop, kDisplayWidth, kDisplayHeight, 3),
             draw::Solid(kDisplay));
  return timer;
}

}  // namespace

void AddTurnTimer(Entries& entries) {
  AddDesign(entries, 21, Format::kGif, Timer);
}

}  // namespace tlj::artgen::art
