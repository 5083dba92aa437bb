// The handshake and the "VS" sign in both sizes.

#include "tools/artgen/art/groups.h"
#include "tools/artgen/draw/text.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;

draw::Canvas Versus(int width, int height) {
  draw::Canvas sign(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const float s = w / 92;
  // A lightning bolt behind the letters.
  const Path bolt = Path().AddPolygon({{w * 0.58f, 0.5f * s},
                                       {w * 0.36f, h * 0.55f},
                                       {w * 0.5f, h * 0.5f},
                                       {w * 0.4f, h - 0.5f * s},
                                       {w * 0.66f, h * 0.4f},
                                       {w * 0.52f, h * 0.45f}});
  sign.Fill(sign.Coverage(bolt).Dilated(1.2f * s), draw::Solid(Hex(0xFFFFFF)));
  sign.Fill(bolt, draw::Vertical(0, h, Hex(0xFFF27A), Hex(0xFFA000)));
  const draw::TextStyle text{draw::Face::kSansBold, 44 * s, -1 * s, 1.2f * s, 1.0f, 0.22f};
  const draw::Mask letters = draw::CentredText(width, height, text, "VS", w / 2, h / 2);
  sign.Fill(letters.Dilated(3.2f * s), draw::Solid(Hex(0x2A0800)));
  sign.Fill(letters.Dilated(1.6f * s), draw::Solid(Hex(0xFFFFFF)));
  sign.Fill(letters,
            draw::Linear({0, h * 0.15f}, {0, h * 0.85f},
                         {{0, Hex(0xFFF59A)}, {0.45f, Hex(0xFFB400)}, {1, Hex(0xD42800)}}));
  return sign;
}

draw::Canvas Handshake() {
  draw::Canvas art(50, 45);
  // Drawn on a 50 × 45 grid, then enlarged a little about the clasp to fill the picture.
  constexpr float kGrow = 1.18f;
  const draw::Affine place =
      draw::Then(draw::Affine::Translate(-25, -27),
                 draw::Then(draw::Affine::Scale(kGrow, kGrow), draw::Affine::Translate(25, 24)));
  const auto line = [&](const Path& p, float width, draw::Rgba colour) {
    art.Stroke(p.Transformed(place), width * kGrow, draw::Solid(colour));
  };
  const auto shape = [&](const Path& p, const draw::Paint& paint) {
    art.Fill(p.Transformed(place), paint);
    line(p, 1.1f, Hex(0x4A2A14));
  };
  const auto skin = draw::Vertical(12, 36, Hex(0xFCD9B6), Hex(0xE8A878));
  // Sleeves coming in from both lower corners.
  shape(Path().AddPolygon({{1, 30}, {10, 22}, {19, 33}, {9, 43}, {1, 43}}),
        draw::Vertical(22, 43, Hex(0x4A86E0), Hex(0x1E4E9E)));
  shape(Path().AddPolygon({{49, 30}, {40, 22}, {31, 33}, {41, 43}, {49, 43}}),
        draw::Vertical(22, 43, Hex(0xF08A3A), Hex(0xB84E14)));
  // The right hand reaches under, its fingers curling over the back of the left hand.
  shape(Path()
            .MoveTo(38, 21)
            .CubicTo(33, 15, 24, 13, 17, 16)
            .LineTo(12, 22)
            .CubicTo(14, 26, 18, 27, 22, 27)
            .CubicTo(26, 30, 31, 31, 34, 30)
            .Close(),
        skin);
  // The left hand: back of the hand on top, thumb along the top.
  shape(Path()
            .MoveTo(12, 23)
            .CubicTo(16, 17, 22, 15, 28, 16)
            .CubicTo(33, 16, 37, 20, 36, 24)
            .CubicTo(35, 29, 30, 32, 24, 33)
            .CubicTo(20, 34, 17, 33, 16, 31)
            .Close(),
        skin);
  line(Path().MoveTo(20, 17.5f).CubicTo(24, 14, 30, 13, 33, 15.5f), 1.0f, Hex(0x4A2A14));
  for (int i = 0; i < 3; ++i) {
    const float k = static_cast<float>(i);
    const float y = 22.5f + 3.2f * k;
    line(Path().MoveTo(27 - k, y).QuadTo(32, y - 0.5f, 35 - k, y + 1.5f), 0.9f, Hex(0x8A5030));
  }
  // Cuffs.
  line(Path().MoveTo(10, 22).LineTo(19, 33), 1.8f, Hex(0xFFFFFF));
  line(Path().MoveTo(40, 22).LineTo(31, 33), 1.8f, Hex(0xFFFFFF));
  // A little sparkle of agreement.
  for (const auto& [x, y] :
       {std::pair{25.0f, 7.0f}, std::pair{16.5f, 10.0f}, std::pair{33.5f, 10.0f}})
    line(Path().MoveTo(x, y - 2.5f).LineTo(x, y + 2.5f).MoveTo(x - 2.5f, y).LineTo(x + 2.5f, y),
         1.4f, Hex(0xFFC83A));
  return art;
}

}  // namespace

void AddEmblems(Entries& entries) {
  entries.push_back({1, 50, 45, Format::kGif, [] { return Handshake(); }});
  entries.push_back({801, 92, 49, Format::kGif, [] { return Versus(92, 49); }});
  entries.push_back({802, 70, 37, Format::kGif, [] { return Versus(70, 37); }});
}

}  // namespace tlj::artgen::art
