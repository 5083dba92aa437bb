// Hair, behind the head and in front of it, in fifteen styles.

#include <cmath>

#include "tools/artgen/art/portrait.h"

namespace tlj::artgen::art::portrait {
namespace {

Path HairCap(float line, float sides = 38) {
  Path p;
  p.MoveTo(22.5f, sides)
      .CubicTo(21, 22, 31, 13.5f, kCx, 13.5f)
      .CubicTo(54, 13.5f, 64, 22, 62.5f, sides)
      .CubicTo(59, 31, 55, line - 1, 50, line)
      .CubicTo(45, line + 1.5f, 38, line - 2, 33, line)
      .CubicTo(29, line + 1, 26, 31, 22.5f, sides)
      .Close();
  return p;
}

}  // namespace

void DrawBackHair(Portrait& p, const Person& who) {
  const Rgba c = who.hair_colour;
  switch (who.hair) {
    case Hair::kLong:
    case Hair::kShoulder:
    case Hair::kWavy: {
      const float bottom = who.hair == Hair::kShoulder ? 64 : 76;
      Path back;
      back.MoveTo(21, 36).CubicTo(19, 14, 66, 14, 64, 36);
      if (who.hair == Hair::kWavy) {
        back.CubicTo(68, 50, 62, 56, 67, bottom)
            .QuadTo(58, bottom + 4, 52, bottom - 2)
            .LineTo(33, bottom - 2)
            .QuadTo(27, bottom + 4, 18, bottom)
            .CubicTo(23, 56, 17, 50, 21, 36);
      } else {
        back.LineTo(66, bottom).QuadTo(kCx, bottom + 3, 19, bottom).Close();
      }
      p.Shape(back.Close(), c);
      break;
    }
    case Hair::kBob:
      p.Shape(Path()
                  .MoveTo(20, 40)
                  .CubicTo(17, 6, 68, 6, 65, 40)
                  .LineTo(66, 58)
                  .QuadTo(kCx, 62, 19, 58)
                  .Close(),
              c);
      break;
    case Hair::kPonytail:
      p.Shape(Path()
                  .MoveTo(58, 26)
                  .CubicTo(74, 24, 78, 44, 70, 60)
                  .CubicTo(68, 48, 66, 38, 58, 34)
                  .Close(),
              c);
      break;
    case Hair::kBun:
      p.Shape(Path().AddCircle(kCx, 12, 7.5f), c);
      break;
    case Hair::kPigtails:
      for (const float side : {-1.0f, 1.0f})
        p.Shape(Path()
                    .MoveTo(kCx + side * 17, 28)
                    .CubicTo(kCx + side * 30, 28, kCx + side * 31, 48, kCx + side * 25, 58)
                    .CubicTo(kCx + side * 24, 46, kCx + side * 21, 38, kCx + side * 17, 36)
                    .Close(),
                c);
      break;
    case Hair::kCurly:
      for (int i = 0; i < 9; ++i) {
        const float a = 3.14159f * (0.9f + 1.2f * static_cast<float>(i) / 8);
        p.Shape(Path().AddCircle(kCx + 21 * std::cos(a), 34 + 20 * std::sin(a) * 0.95f, 6.5f), c,
                0.7f);
      }
      break;
    default:
      break;
  }
}

void DrawFrontHair(Portrait& p, const Person& who) {
  const Rgba c = who.hair_colour;
  switch (who.hair) {
    case Hair::kShort:
      p.Shape(HairCap(27), c);
      break;
    case Hair::kSpiky: {
      Path spikes;
      spikes.MoveTo(22.5f, 38);
      const float tips[][2] = {{22, 20}, {29, 22}, {31, 9},  {37, 18}, {43, 6},
                               {48, 17}, {55, 9},  {56, 21}, {64, 19}};
      for (const auto& t : tips) spikes.LineTo(t[0], t[1]);
      spikes.LineTo(62.5f, 38)
          .CubicTo(59, 31, 55, 26, 50, 27)
          .CubicTo(45, 28.5f, 38, 25, 33, 27)
          .CubicTo(29, 28, 26, 31, 22.5f, 38)
          .Close();
      p.Shape(spikes, c);
      break;
    }
    case Hair::kSidePart:
      p.Shape(Path()
                  .MoveTo(22.5f, 38)
                  .CubicTo(21, 22, 31, 13.5f, kCx, 13.5f)
                  .CubicTo(54, 13.5f, 64, 22, 62.5f, 38)
                  .CubicTo(60, 30, 56, 24, 48, 22)
                  .CubicTo(40, 26, 32, 30, 26, 32)
                  .CubicTo(24, 34, 23, 36, 22.5f, 38)
                  .Close(),
              c);
      p.Line(Path().MoveTo(34, 17).QuadTo(37, 21, 36, 25), 0.8f, draw::Darken(c, 0.3f));
      break;
    case Hair::kBald:
      for (const float side : {-1.0f, 1.0f})
        p.Shape(Path()
                    .MoveTo(kCx + side * 19.5f, 44)
                    .CubicTo(kCx + side * 21, 34, kCx + side * 19, 27, kCx + side * 15, 24)
                    .CubicTo(kCx + side * 16, 31, kCx + side * 17, 38, kCx + side * 16.5f, 44)
                    .Close(),
                c);
      p.Fill(Path().AddEllipse(36, 23, 5, 2.5f), Hex(0xFFFFFF, 0.45f));
      break;
    case Hair::kBuzz:
      p.Fill(HairCap(25, 34), draw::WithAlpha(c, 0.85f));
      break;
    case Hair::kCap:
      p.Shape(HairCap(30), c);
      p.ShapeGradient(Path().MoveTo(23, 30).CubicTo(22, 14, 63, 14, 62, 30).Close(), 14, 30,
                      draw::Lighten(who.accent, 0.2f), who.accent);
      p.Shape(Path().MoveTo(22, 30).QuadTo(kCx, 24, 74, 32).QuadTo(kCx, 33, 22, 30).Close(),
              draw::Darken(who.accent, 0.2f));
      p.Fill(Path().AddCircle(kCx, 15.5f, 1.6f), draw::Darken(who.accent, 0.3f));
      break;
    case Hair::kCurly:
      for (int i = 0; i < 6; ++i)
        p.Shape(Path().AddCircle(29 + 5.4f * static_cast<float>(i),
                                 22 + (i % 2 == 0 ? 0.0f : -2.5f), 5.2f),
                c, 0.7f);
      break;
    case Hair::kLong:
    case Hair::kShoulder:
    case Hair::kWavy:
      // Parted in the middle, falling past the temples.
      p.Shape(Path()
                  .MoveTo(kCx, 17)
                  .CubicTo(34, 20, 27, 28, 24, 44)
                  .LineTo(21, 44)
                  .CubicTo(19, 22, 31, 13, kCx, 13)
                  .CubicTo(54, 13, 66, 22, 64, 44)
                  .LineTo(61, 44)
                  .CubicTo(58, 28, 51, 20, kCx, 17)
                  .Close(),
              c);
      break;
    case Hair::kBob:
      p.Shape(Path()
                  .MoveTo(21, 40)
                  .CubicTo(18, 7, 67, 7, 64, 40)
                  .LineTo(61, 40)
                  .CubicTo(60, 33, 58, 31, 58, 30)
                  .LineTo(27, 30)
                  .CubicTo(27, 31, 25, 33, 24, 40)
                  .Close(),
              c);
      break;
    case Hair::kPonytail:
    case Hair::kBun:
    case Hair::kPigtails:
      p.Shape(HairCap(26, 36), c);
      break;
    case Hair::kPixie:
      p.Shape(Path()
                  .MoveTo(22.5f, 40)
                  .CubicTo(20, 20, 32, 13, kCx, 13)
                  .CubicTo(55, 13, 65, 21, 62.5f, 36)
                  .CubicTo(58, 30, 52, 26, 46, 29)
                  .CubicTo(40, 31, 33, 27, 28, 31)
                  .CubicTo(26, 33, 24, 37, 22.5f, 40)
                  .Close(),
              c);
      break;
  }
  if (who.hair == Hair::kPonytail || who.hair == Hair::kBun || who.hair == Hair::kPigtails) {
    // A band or bow in the accent colour.
    if (who.hair == Hair::kPigtails) {
      for (const float side : {-1.0f, 1.0f})
        p.Shape(Path().AddCircle(kCx + side * 19, 31, 2.6f), who.accent, 0.6f);
    } else if (who.hair == Hair::kBun) {
      p.Line(Path().MoveTo(35, 15).LineTo(50, 9), 1.2f, who.accent);
    } else {
      p.Shape(Path().AddCircle(61, 29, 2.4f), who.accent, 0.6f);
    }
  }
}

}  // namespace tlj::artgen::art::portrait
