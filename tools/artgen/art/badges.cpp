// The ready badges in three styles (bronze, silver, gold, by the player's coins).

#include "tools/artgen/art/groups.h"
#include "tools/artgen/art/widgets.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Rgba;

constexpr int kWidth = 70;
constexpr int kHeight = 29;

struct Metal {
  Rgba light, mid, dark, text;
};

draw::Canvas ReadyBadge(const Metal& metal, bool stars) {
  draw::Canvas badge(kWidth, kHeight);
  const float w = kWidth, h = kHeight;
  const Path pill = Path().AddRoundRect(1, 1, w - 2, h - 2, (h - 2) / 2);
  badge.Fill(pill, draw::Solid(metal.dark));
  badge.Fill(Path().AddRoundRect(2, 2, w - 4, h - 4, (h - 4) / 2),
             draw::Linear({0, 2}, {0, h - 2},
                          {{0, metal.light},
                           {0.45f, metal.mid},
                           {0.55f, draw::Darken(metal.mid, 0.12f)},
                           {1, metal.light}}));
  badge.Stroke(Path().AddRoundRect(4, 4, w - 8, h - 8, (h - 8) / 2), 0.8f,
               draw::Solid(draw::WithAlpha(metal.dark, 0.6f)));
  // A green seal with a tick on the left.
  const float cx = 14.5f, cy = h / 2, r = 9.5f;
  badge.Fill(Path().AddCircle(cx, cy, r), draw::Solid(Hex(0x0E4A22)));
  badge.Fill(
      Path().AddCircle(cx, cy, r - 1),
      draw::Radial({cx - 3, cy - 3}, r * 1.4f, r * 1.4f, {{0, Hex(0x7BE08E)}, {1, Hex(0x1E8A3C)}}));
  badge.Stroke(
      Path().MoveTo(cx - 4.5f, cy + 0.2f).LineTo(cx - 1.2f, cy + 3.6f).LineTo(cx + 5, cy - 3.8f),
      2.4f, draw::Solid(Hex(0xFFFFFF)));
  DrawLabel(badge, "OK", {draw::Face::kSansBold, 17, 1}, 44, cy, metal.text,
            draw::WithAlpha(Hex(0xFFFFFF), 0.7f));
  if (stars)
    for (const auto& [x, y] : {std::pair{61.0f, 7.5f}, std::pair{27.5f, 22.0f}}) {
      Path sparkle;
      sparkle.MoveTo(x, y - 3.5f)
          .QuadTo(x, y, x + 3.5f, y)
          .QuadTo(x, y, x, y + 3.5f)
          .QuadTo(x, y, x - 3.5f, y)
          .QuadTo(x, y, x, y - 3.5f)
          .Close();
      badge.Fill(sparkle, draw::Solid(Hex(0xFFFFFF)));
    }
  return badge;
}

}  // namespace

void AddBadges(Entries& entries) {
  const Metal bronze{Hex(0xF3C49A), Hex(0xC07A3E), Hex(0x5E3010), Hex(0x4A1E04)};
  const Metal silver{Hex(0xFFFFFF), Hex(0xBFC6D0), Hex(0x4E5666), Hex(0x26303E)};
  const Metal gold{Hex(0xFFF4B0), Hex(0xF0B82A), Hex(0x7A4E06), Hex(0x6A2A00)};
  entries.push_back(
      {280, kWidth, kHeight, Format::kGif, [=] { return ReadyBadge(bronze, false); }});
  entries.push_back(
      {281, kWidth, kHeight, Format::kGif, [=] { return ReadyBadge(silver, false); }});
  entries.push_back({282, kWidth, kHeight, Format::kGif, [=] { return ReadyBadge(gold, true); }});
}

}  // namespace tlj::artgen::art
