#include "tools/artgen/art/jokers.h"

#include <cmath>
#include <numbers>
#include <string>

#include "tools/artgen/art/card_face.h"
#include "tools/artgen/draw/text.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Rgba;

struct JokerColours {
  Rgba letters, hat_left, hat_middle, hat_right, bells, face, nose, collar_a, collar_b, outline;
};

constexpr JokerColours kSmall{Hex(0x151515), Hex(0x2A2A2A), Hex(0xFFFFFF), Hex(0x6A6A6A),
                              Hex(0xFFFFFF), Hex(0xFFFFFF), Hex(0x151515), Hex(0x2A2A2A),
                              Hex(0xFFFFFF), Hex(0x151515)};
constexpr JokerColours kBig{Hex(0xC8102E), Hex(0xD42020), Hex(0xF2C21B), Hex(0x2458C8),
                            Hex(0xF2C21B), Hex(0xFBDDBF), Hex(0xE0202A), Hex(0x2E9A48),
                            Hex(0xF2C21B), Hex(0x2A1A10)};

Path Star(float cx, float cy, float outer, float inner) {
  Path p;
  for (int i = 0; i < 10; ++i) {
    const float a =
        -std::numbers::pi_v<float> / 2 + std::numbers::pi_v<float> * static_cast<float>(i) / 5;
    const float r = i % 2 == 0 ? outer : inner;
    if (i == 0) {
      p.MoveTo(cx + r * std::cos(a), cy + r * std::sin(a));
    } else {
      p.LineTo(cx + r * std::cos(a), cy + r * std::sin(a));
    }
  }
  return p.Close();
}

// "JOKER" read downwards in the corner, a star under it; repeated upside down.
void DrawCornerWord(draw::Canvas& card, const CardLayout& l, Rgba colour) {
  draw::Canvas corner(card.Width(), card.Height());
  const draw::TextStyle text{draw::Face::kSerifBold, 11.5f * l.scale};
  const std::string word = "JOKER";
  float y = 5 * l.scale;
  for (const char letter : word) {
    const std::string one(1, letter);
    const draw::InkBox ink = draw::MeasureInk(text, one);
    const float baseline = std::round(y - ink.top);
    corner.Fill(draw::Text(card.Width(), card.Height(), text, one,
                           l.index_x - (ink.left + ink.right) / 2, baseline),
                draw::Solid(colour));
    y = baseline + 2.2f * l.scale;
  }
  corner.Fill(Star(l.index_x, y + 4 * l.scale, 4.2f * l.scale, 1.8f * l.scale),
              draw::Solid(colour));
  card.Draw(corner);
  card.Draw(corner.Rotated180());
}

void DrawJester(draw::Canvas& card, const CardLayout& l, const JokerColours& c) {
  const float s = l.scale;
  const float cx = l.width / 2 + 1.5f * s, cy = l.height * 0.55f;
  const auto ink = [&](const Path& p, const draw::Paint& paint, float outline = 1.0f) {
    card.Fill(p, paint);
    card.Stroke(p, outline * s, draw::Solid(c.outline));
  };
  // Collar: points of two colours fanned under the chin.
  for (int i = 0; i < 7; ++i) {
    const float a = std::numbers::pi_v<float> * (0.15f + 0.7f * static_cast<float>(i) / 6);
    const float tip_x = cx + std::cos(a) * 22 * s, tip_y = cy + 8 * s + std::sin(a) * 18 * s;
    const float side = 5.5f * s;
    ink(Path().AddPolygon({{cx - std::sin(a) * side, cy + 8 * s + std::cos(a) * side},
                           {tip_x, tip_y},
                           {cx + std::sin(a) * side, cy + 8 * s - std::cos(a) * side}}),
        draw::Solid(i % 2 == 0 ? c.collar_a : c.collar_b), 0.8f);
  }
  // The three-pointed hat with a bell on each point.
  const float brim = cy - 10 * s;
  ink(Path()
          .MoveTo(cx - 13 * s, brim)
          .CubicTo(cx - 16 * s, brim - 12 * s, cx - 20 * s, brim - 14 * s, cx - 24 * s,
                   brim - 6 * s)
          .CubicTo(cx - 16 * s, brim - 10 * s, cx - 12 * s, brim - 6 * s, cx - 6 * s, brim)
          .Close(),
      draw::Solid(c.hat_left));
  ink(Path()
          .MoveTo(cx + 13 * s, brim)
          .CubicTo(cx + 16 * s, brim - 12 * s, cx + 20 * s, brim - 14 * s, cx + 24 * s,
                   brim - 6 * s)
          .CubicTo(cx + 16 * s, brim - 10 * s, cx + 12 * s, brim - 6 * s, cx + 6 * s, brim)
          .Close(),
      draw::Solid(c.hat_right));
  ink(Path()
          .MoveTo(cx - 10 * s, brim)
          .CubicTo(cx - 10 * s, brim - 14 * s, cx - 4 * s, brim - 22 * s, cx + 3 * s, brim - 26 * s)
          .CubicTo(cx + 2 * s, brim - 16 * s, cx + 10 * s, brim - 8 * s, cx + 10 * s, brim)
          .Close(),
      draw::Solid(c.hat_middle));
  for (const auto& [bx, by] :
       {std::pair{cx - 24 * s, brim - 6 * s}, std::pair{cx + 24 * s, brim - 6 * s},
        std::pair{cx + 3 * s, brim - 26 * s}})
    ink(Path().AddCircle(bx, by, 3 * s), draw::Solid(c.bells), 0.8f);
  ink(Path().AddRoundRect(cx - 14 * s, brim - 2 * s, 28 * s, 5 * s, 2 * s),
      draw::Solid(c.hat_middle), 0.8f);
  // Face, eyes closed in a grin, round nose.
  ink(Path().AddEllipse(cx, cy, 11 * s, 12 * s), draw::Solid(c.face));
  for (const float side : {-1.0f, 1.0f})
    card.Stroke(Path()
                    .MoveTo(cx + side * 7 * s, cy - 2 * s)
                    .QuadTo(cx + side * 4.5f * s, cy - 5 * s, cx + side * 2 * s, cy - 2 * s),
                1.3f * s, draw::Solid(c.outline));
  card.Stroke(Path()
                  .MoveTo(cx - 6.5f * s, cy + 4 * s)
                  .QuadTo(cx, cy + 10.5f * s, cx + 6.5f * s, cy + 4 * s),
              1.3f * s, draw::Solid(c.outline));
  ink(Path().AddCircle(cx, cy + 1.5f * s, 2.4f * s), draw::Solid(c.nose), 0.6f);
}

}  // namespace

draw::Canvas JokerCard(int width, int height, bool big) {
  const CardLayout l = LayoutFor(width, height);
  draw::Canvas card = CardBlank(l);
  const JokerColours& colours = big ? kBig : kSmall;
  if (big) {
    // A scattering of gold stars behind the big joker.
    for (const auto& [u, v] :
         {std::pair{0.3f, 0.22f}, std::pair{0.74f, 0.3f}, std::pair{0.26f, 0.74f},
          std::pair{0.7f, 0.8f}, std::pair{0.5f, 0.86f}})
      card.Fill(Star(u * l.width, v * l.height, 4 * l.scale, 1.7f * l.scale),
                draw::Solid(Hex(0xF2C21B)));
  } else {
    for (const auto& [u, v] :
         {std::pair{0.3f, 0.22f}, std::pair{0.74f, 0.3f}, std::pair{0.26f, 0.74f},
          std::pair{0.7f, 0.8f}, std::pair{0.5f, 0.86f}})
      card.Stroke(Star(u * l.width, v * l.height, 4 * l.scale, 1.7f * l.scale), 0.8f * l.scale,
                  draw::Solid(Hex(0x151515)));
  }
  DrawJester(card, l, colours);
  DrawCornerWord(card, l, colours.letters);
  return card;
}

}  // namespace tlj::artgen::art
