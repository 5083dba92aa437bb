// The two card backs: blue with a lattice, red with rings, each with a copper-coin medallion.

#include <cmath>
#include <numbers>

#include "tools/artgen/art/groups.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Rgba;

constexpr int kWidth = 78;
constexpr int kHeight = 103;
constexpr float kInset = 4.5f;
constexpr Rgba kGold = Hex(0xE2B24A);

struct BackStyle {
  Rgba top, bottom, pattern, medallion;
  bool lattice;  // else rings
};

Path Lattice() {
  Path lines;
  constexpr float kStep = 7;
  for (float d = -kHeight; d < kWidth + kHeight; d += kStep) {
    lines.MoveTo(d, 0).LineTo(d + kHeight, kHeight);
    lines.MoveTo(d, 0).LineTo(d - kHeight, kHeight);
  }
  return lines;
}

Path Rings() {
  Path rings;
  constexpr float kStep = 6.5f;
  int row = 0;
  for (float y = 0; y < kHeight + kStep; y += kStep * 0.866f, ++row) {
    const float shift = row % 2 == 0 ? 0 : kStep / 2;
    for (float x = shift; x < kWidth + kStep; x += kStep) rings.AddCircle(x, y, 2.3f);
  }
  return rings;
}

// A round coin with a square hole, the old copper cash the game is named after.
void DrawCoin(draw::Canvas& back, float cx, float cy, float r) {
  const Path coin = Path().AddCircle(cx, cy, r);
  const float h = r * 0.32f;
  const Path hole = Path().AddRect(cx - h, cy - h, 2 * h, 2 * h).Reversed();
  back.Fill(Path(coin).AddPath(hole),
            draw::Radial({cx - r * 0.3f, cy - r * 0.3f}, r * 1.4f, r * 1.4f,
                         {{0, Hex(0xFFE6A0)}, {0.6f, kGold}, {1, Hex(0x9A6A1E)}}));
  back.Stroke(Path().AddCircle(cx, cy, r * 0.8f), 0.7f, draw::Solid(Hex(0x8A5A12)));
  back.Stroke(Path().AddRect(cx - h - 1.2f, cy - h - 1.2f, 2 * h + 2.4f, 2 * h + 2.4f), 0.7f,
              draw::Solid(Hex(0x8A5A12)));
  back.Stroke(coin, 0.8f, draw::Solid(Hex(0x7A4A10)));
  // Four marks around the hole, where the characters would be.
  for (int i = 0; i < 4; ++i) {
    const float a = std::numbers::pi_v<float> / 2 * static_cast<float>(i);
    const float mx = cx + std::cos(a) * r * 0.57f, my = cy + std::sin(a) * r * 0.57f;
    back.Fill(Path().AddRect(mx - 1.1f, my - 1.1f, 2.2f, 2.2f), draw::Solid(Hex(0x8A5A12)));
  }
}

draw::Canvas CardBack(const BackStyle& style) {
  draw::Canvas back(kWidth, kHeight);
  const float w = kWidth, h = kHeight;
  back.Fill(Path().AddRoundRect(0, 0, w, h, 6), draw::Solid(Hex(0x6E6A64)));
  back.Fill(Path().AddRoundRect(1, 1, w - 2, h - 2, 5), draw::Solid(Hex(0xFFFFFF)));
  const Path panel = Path().AddRoundRect(kInset, kInset, w - 2 * kInset, h - 2 * kInset, 3);
  const draw::Mask inside = back.Coverage(panel);
  back.Fill(inside, draw::Vertical(kInset, h - kInset, style.top, style.bottom));
  draw::Mask pattern = draw::Stroke(kWidth, kHeight, style.lattice ? Lattice() : Rings(), 0.8f);
  pattern.Intersect(inside);
  back.Fill(pattern, draw::Solid(style.pattern));
  back.Stroke(
      Path().AddRoundRect(kInset + 2, kInset + 2, w - 2 * kInset - 4, h - 2 * kInset - 4, 2), 0.9f,
      draw::Solid(kGold));

  const float cx = w / 2, cy = h / 2;
  const Path medallion = Path().AddEllipse(cx, cy, 19, 24);
  back.Fill(medallion,
            draw::Radial({cx, cy}, 19, 24,
                         {{0, draw::Lighten(style.medallion, 0.2f)}, {1, style.medallion}}));
  back.Stroke(medallion, 1.6f, draw::Solid(kGold));
  back.Stroke(Path().AddEllipse(cx, cy, 16, 21), 0.6f, draw::Solid(kGold));
  DrawCoin(back, cx, cy, 11);
  return back;
}

}  // namespace

void AddCardBacks(Entries& entries) {
  const BackStyle blue{Hex(0x2C5CB8), Hex(0x142E78), Hex(0x6F9BE8, 0.6f), Hex(0x102358), true};
  const BackStyle red{Hex(0xC0282E), Hex(0x7A0F16), Hex(0xF08A80, 0.55f), Hex(0x5E0A10), false};
  entries.push_back({18, kWidth, kHeight, Format::kGif, [=] { return CardBack(blue); }});
  entries.push_back({260, kWidth, kHeight, Format::kGif, [=] { return CardBack(red); }});
}

}  // namespace tlj::artgen::art
