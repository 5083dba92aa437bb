// Round keys: the chip keys 50, 20, 10 and min in both sizes, and the show-cards key, each as
// normal, greyed and highlighted.

#include <cmath>
#include <numbers>
#include <string>

#include "tools/artgen/art/groups.h"
#include "tools/artgen/art/widgets.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Rgba;

Rgba ForChipState(Rgba c, State state) {
  switch (state) {
    case State::kHover:
      return draw::Lighten(draw::Brighten(c, 1.25f), 0.1f);
    case State::kGreyed:
      return draw::Lighten(draw::Desaturate(c, 0.9f), 0.3f);
    default:
      return c;
  }
}

draw::Canvas Chip(int size, Rgba base, const std::string& label, State state) {
  draw::Canvas chip(size, size);
  const float c = static_cast<float>(size) / 2;
  const float r = c - 1.5f;
  const Rgba body = ForChipState(base, state);
  const Rgba spot = state == State::kGreyed ? Hex(0xE4E4E4) : Hex(0xFFFFFF);
  const Path disc = Path().AddCircle(c, c, r);
  if (state == State::kHover) DrawGlow(chip, chip.Coverage(disc), 1.5f, kGlowGold);
  chip.Fill(disc, draw::Solid(draw::Darken(body, 0.45f)));
  chip.Fill(Path().AddCircle(c, c, r - 0.8f),
            draw::Radial({c - r * 0.3f, c - r * 0.35f}, r * 1.5f, r * 1.5f,
                         {{0, draw::Lighten(body, 0.25f)}, {1, draw::Darken(body, 0.15f)}}));
  // Six edge spots, as on a casino chip.
  for (int i = 0; i < 6; ++i) {
    const float a = std::numbers::pi_v<float> / 3 * static_cast<float>(i) + 0.26f;
    const float spread = 0.2f;
    Path piece;
    piece.ArcTo(c, c, r - 0.8f, r - 0.8f, a - spread, a + spread);
    piece.ArcTo(c, c, r * 0.72f, r * 0.72f, a + spread, a - spread);
    chip.Fill(piece.Close(), draw::Solid(spot));
  }
  const float inner = r * 0.62f;
  chip.Fill(Path().AddCircle(c, c, inner), draw::Solid(draw::Lighten(body, 0.82f)));
  chip.Stroke(Path().AddCircle(c, c, inner), 1.0f, draw::Solid(draw::Darken(body, 0.2f)));
  const float text_size =
      label.size() > 3 ? inner * 0.78f : inner * (label.size() > 1 ? 1.05f : 1.3f);
  const draw::Mask glyphs =
      draw::CentredText(size, size, {draw::Face::kSansBold, text_size}, label, c, c);
  chip.Fill(glyphs,
            draw::Solid(state == State::kGreyed ? Hex(0x9A9A9A) : draw::Darken(body, 0.35f)));
  if (state == State::kHover)
    chip.Stroke(Path().AddCircle(c, c, r - 0.5f), 1.2f, draw::Solid(Hex(0xFFE27A)));
  return chip;
}

draw::Canvas ShowCardsKey(State state) {
  constexpr int kSize = 55;
  draw::Canvas key(kSize, kSize);
  const float c = kSize / 2.0f, r = c - 2;
  const Path disc = Path().AddCircle(c, c, r);
  const bool grey = state == State::kGreyed;
  const Rgba red = ForChipState(Hex(0xC8281E), state);
  const Rgba gold = grey ? Hex(0xD0D0D0) : ForChipState(Hex(0xE8B030), state);
  if (state == State::kHover) DrawGlow(key, key.Coverage(disc), 2, kGlowGold);
  key.Fill(disc, draw::Linear({0, c - r}, {0, c + r},
                              {{0, draw::Lighten(gold, 0.4f)}, {1, draw::Darken(gold, 0.35f)}}));
  const Path face = Path().AddCircle(c, c, r - 3.5f);
  key.Fill(face, draw::Radial({c - 6, c - 8}, r * 1.3f, r * 1.3f,
                              {{0, draw::Lighten(red, 0.3f)}, {1, draw::Darken(red, 0.25f)}}));
  key.Stroke(Path().AddCircle(c, c, r - 6), 0.8f, draw::Solid(draw::WithAlpha(gold, 0.8f)));
  if (!grey) {
    draw::Mask sheen = key.Coverage(Path().AddEllipse(c, c - r * 0.42f, r * 0.62f, r * 0.34f));
    key.Fill(sheen, draw::Vertical(c - r * 0.8f, c, Hex(0xFFFFFF, 0.45f), Hex(0xFFFFFF, 0.05f)));
  }
  DrawLabel(key, "开牌", {draw::Face::kSansBold, 17, 0.5f}, c, c + 0.5f,
            grey ? Hex(0xF4F4F4) : Hex(0xFFE9A0), Hex(0x3A0A04, grey ? 0.3f : 0.7f));
  return key;
}

}  // namespace

void AddChips(Entries& entries) {
  const struct {
    const char* label;
    Rgba colour;
  } chips[] = {
      {"50", Hex(0x8A3FC0)}, {"20", Hex(0x2E66CC)}, {"10", Hex(0x2E9A48)}, {"最小", Hex(0xE07A1A)}};
  constexpr State kStates[] = {State::kNormal, State::kGreyed, State::kHover};
  for (int k = 0; k < 4; ++k)
    for (int s = 0; s < 3; ++s) {
      const std::string label = chips[k].label;
      const Rgba colour = chips[k].colour;
      const State state = kStates[s];
      entries.push_back(
          {535 + 3 * k + s, 40, 40, Format::kGif, [=] { return Chip(40, colour, label, state); }});
      if (k < 3)
        entries.push_back({565 + 3 * k + s, 31, 31, Format::kGif,
                           [=] { return Chip(31, colour, label, state); }});
    }
  for (int s = 0; s < 3; ++s) {
    const State state = kStates[s];
    entries.push_back({547 + s, 55, 55, Format::kGif, [=] { return ShowCardsKey(state); }});
  }
}

}  // namespace tlj::artgen::art
