// The clothes, the neck and the face with its features and extras.

#include "tools/artgen/art/portrait.h"

namespace tlj::artgen::art::portrait {
namespace {

Path HeadOutline(bool female) {
  const float jaw = female ? 0.0f : 2.0f;
  Path p;
  p.MoveTo(kCx, 17)
      .CubicTo(55, 17, 61, 27, 61, 38)
      .CubicTo(61, 49 + jaw, 52, 59, kCx, 59)
      .CubicTo(33, 59, 24, 49 + jaw, 24, 38)
      .CubicTo(24, 27, 30, 17, kCx, 17)
      .Close();
  return p;
}

// The top of the head, down to the hairline at `line` (a gentle curve).
}  // namespace

void DrawClothes(Portrait& p, const Person& who) {
  const Rgba c = who.clothes;
  const Path torso = Path()
                         .MoveTo(6, 91)
                         .CubicTo(7, 76, 14, 69, 30, 65)
                         .LineTo(55, 65)
                         .CubicTo(71, 69, 78, 76, 79, 91)
                         .Close();
  p.ShapeGradient(torso, 65, 90, draw::Lighten(c, 0.15f), draw::Darken(c, 0.15f));
  const Rgba trim = who.accent;
  switch (who.collar) {
    case Collar::kRound:
      p.Line(Path().MoveTo(33, 66).QuadTo(kCx, 73, 52, 66), 1.6f, draw::Darken(c, 0.25f));
      break;
    case Collar::kVNeck:
      p.Fill(Path().AddPolygon({{34, 65}, {51, 65}, {kCx, 78}}), who.skin);
      p.Line(Path().MoveTo(33, 65).LineTo(kCx, 79).LineTo(52, 65), 1.6f, draw::Darken(c, 0.25f));
      break;
    case Collar::kShirt:
      p.Shape(Path().AddPolygon({{33, 64}, {kCx, 72}, {36, 77}}), draw::Lighten(c, 0.55f), 0.7f);
      p.Shape(Path().AddPolygon({{52, 64}, {kCx, 72}, {49, 77}}), draw::Lighten(c, 0.55f), 0.7f);
      p.Line(Path().MoveTo(kCx, 72).LineTo(kCx, 90), 0.8f, draw::Darken(c, 0.3f));
      for (const float y : {78.0f, 85.0f})
        p.Fill(Path().AddCircle(kCx + 1.5f, y, 0.9f), draw::Darken(c, 0.4f));
      break;
    case Collar::kSuit:
      p.Fill(Path().AddPolygon({{33, 65}, {52, 65}, {kCx, 86}}), Hex(0xFFFFFF));
      p.Shape(Path().AddPolygon(
                  {{kCx - 2, 68}, {kCx + 2, 68}, {kCx + 3, 82}, {kCx, 86}, {kCx - 3, 82}}),
              trim, 0.6f);
      p.Shape(Path().AddPolygon({{30, 65}, {kCx - 3, 66}, {kCx - 1, 88}, {31, 76}}),
              draw::Darken(c, 0.15f), 0.7f);
      p.Shape(Path().AddPolygon({{55, 65}, {kCx + 3, 66}, {kCx + 1, 88}, {54, 76}}),
              draw::Darken(c, 0.15f), 0.7f);
      break;
    case Collar::kTurtleneck:
      p.ShapeGradient(Path().AddRoundRect(33, 60, 19, 10, 4), 60, 70, draw::Lighten(c, 0.2f), c);
      for (const float y : {63.5f, 66.5f})
        p.Line(Path().MoveTo(35, y).LineTo(50, y), 0.6f, draw::Darken(c, 0.3f));
      break;
    case Collar::kMandarin:
      p.Shape(Path().AddRoundRect(34, 62, 17, 6, 2.5f), trim, 0.7f);
      p.Line(Path().MoveTo(kCx, 68).LineTo(kCx, 90), 1.0f, trim);
      for (const float y : {73.0f, 79.0f, 85.0f})
        p.Line(Path().MoveTo(kCx - 3.5f, y).LineTo(kCx + 3.5f, y), 1.2f, Hex(0xF2C640));
      break;
    case Collar::kHood:
      p.Shape(Path()
                  .MoveTo(26, 66)
                  .CubicTo(30, 76, 55, 76, 59, 66)
                  .CubicTo(52, 70, 33, 70, 26, 66)
                  .Close(),
              draw::Darken(c, 0.12f));
      for (const float x : {38.0f, 47.0f})
        p.Line(Path().MoveTo(x, 70).LineTo(x - 0.5f, 82), 1.0f, Hex(0xF4F4F4));
      break;
    case Collar::kSailor:
      p.Shape(Path().AddPolygon({{30, 65}, {kCx, 80}, {55, 65}, {60, 70}, {kCx, 86}, {25, 70}}),
              trim, 0.7f);
      p.Line(Path().MoveTo(31, 68).LineTo(kCx, 82).LineTo(54, 68), 0.8f, Hex(0xFFFFFF));
      break;
  }
}

void DrawFace(Portrait& p, const Person& who) {
  const Rgba shade = draw::Darken(who.skin, 0.12f);
  for (const float x : {23.5f, 61.5f}) p.Shape(Path().AddEllipse(x, 41, 3.6f, 5), who.skin, 0.7f);
  p.Fill(Path().AddRoundRect(35.5f, 52, 14, 16, 4), shade);
  const Path head = HeadOutline(who.female);
  p.Fill(head,
         draw::Radial(p.At(38, 34), 26, 30, {{0, draw::Lighten(who.skin, 0.08f)}, {1, who.skin}}));
  p.Line(head, 0.9f, draw::Darken(who.skin, 0.4f));
  // Eyes, with a glint.
  for (const float x : {35.0f, 50.0f}) {
    p.Fill(Path().AddEllipse(x, 40.5f, 3.3f, 2.7f), Hex(0xFFFFFF));
    p.Fill(Path().AddCircle(x + 0.3f, 40.7f, 2.0f), Hex(0x3A2416));
    p.Fill(Path().AddCircle(x + 1.0f, 39.9f, 0.7f), Hex(0xFFFFFF));
    p.Line(Path().MoveTo(x - 3.4f, 39.8f).QuadTo(x, 37.2f, x + 3.4f, 39.8f),
           who.female ? 1.2f : 0.8f, Hex(0x2A1A10));
  }
  const Rgba brow = draw::Darken(who.hair_colour, 0.1f);
  p.Line(Path().MoveTo(31.5f, 34.5f).QuadTo(35, 32.5f, 38.5f, 34), who.female ? 1.1f : 1.8f, brow);
  p.Line(Path().MoveTo(46.5f, 34).QuadTo(50, 32.5f, 53.5f, 34.5f), who.female ? 1.1f : 1.8f, brow);
  p.Line(Path().MoveTo(41, 46.5f).QuadTo(kCx + 1.2f, 47.6f, 44, 46.4f), 1.0f,
         draw::Darken(who.skin, 0.35f));
  if (who.female) {
    for (const float x : {31.0f, 54.0f})
      p.Fill(Path().AddEllipse(x, 46, 3.5f, 2.2f), Hex(0xF28C8C, 0.45f));
    p.Fill(Path().MoveTo(38, 51).QuadTo(kCx, 49.5f, 47, 51).QuadTo(kCx, 55.5f, 38, 51).Close(),
           Hex(0xD8505A));
  } else {
    p.Line(Path().MoveTo(37.5f, 51).QuadTo(kCx, 54.5f, 47.5f, 51), 1.3f, Hex(0x8A3A2A));
  }
  if (who.beard)
    p.Shape(Path()
                .MoveTo(26, 44)
                .CubicTo(28, 56, 36, 61, kCx, 61)
                .CubicTo(49, 61, 57, 56, 59, 44)
                .CubicTo(56, 50, 50, 54, kCx, 54)
                .CubicTo(35, 54, 29, 50, 26, 44)
                .Close(),
            who.hair_colour, 0.7f);
  if (who.moustache || who.beard)
    p.Shape(Path()
                .MoveTo(36, 50.5f)
                .QuadTo(kCx, 46.5f, 49, 50.5f)
                .QuadTo(kCx, 49.5f, 36, 50.5f)
                .Close(),
            who.hair_colour, 0.6f);
  if (who.glasses) {
    for (const float x : {35.0f, 50.0f})
      p.Line(Path().AddRoundRect(x - 5.5f, 36.5f, 11, 8.5f, 3), 1.2f, Hex(0x222222));
    p.Line(Path().MoveTo(40.5f, 40).QuadTo(kCx, 38.8f, 44.5f, 40), 1.1f, Hex(0x222222));
  }
  if (who.earrings)
    for (const float x : {23.5f, 61.5f})
      p.Shape(Path().AddCircle(x, 47.5f, 1.8f), Hex(0xF2C640), 0.5f);
}

}  // namespace tlj::artgen::art::portrait
