// The court figure's head: the hair behind it (or the cloth of a hood or veil), the face with
// its beard or smile, and the fringe under the headwear.

#include "tools/artgen/art/court_figure.h"

namespace tlj::artgen::art::court {
namespace {

constexpr float kCy = 0.44f;  // the middle of the face

void DrawBackHair(Figure& fig, const Look& look) {
  const Rgba hair = look.hair_colour;
  switch (look.hair) {
    case Hair::kLong:
    case Hair::kBraids:
      fig.Shape(Path()
                    .MoveTo(-0.36f, 0.4f)
                    .CubicTo(-0.38f, 0.2f, 0.38f, 0.2f, 0.36f, 0.4f)
                    .CubicTo(0.38f, 0.52f, 0.44f, 0.6f, 0.4f, 0.68f)
                    .LineTo(-0.4f, 0.68f)
                    .CubicTo(-0.44f, 0.6f, -0.38f, 0.52f, -0.36f, 0.4f)
                    .Close(),
                hair);
      return;
    case Hair::kCurly:
      for (const float side : {-1.0f, 1.0f})
        for (const float dv : {-0.06f, 0.04f, 0.13f})
          fig.Shape(fig.Disc(side * 0.33f, kCy + dv, 0.09f), hair, 0.6f);
      break;
    case Hair::kBun:
      for (const float side : {-1.0f, 1.0f})
        fig.Shape(fig.Disc(side * 0.34f, kCy + 0.04f, 0.11f), hair, 0.6f);
      break;
    case Hair::kShort:
      break;
  }
  fig.Shape(Path().AddEllipse(0, kCy - 0.02f, 0.35f, 0.21f), hair);
}

// A hood or a veil hangs behind the head down to the shoulders.
void DrawHeadCloth(Figure& fig, const Look& look) {
  if (look.headwear != Headwear::kHood && look.headwear != Headwear::kVeil) return;
  const bool veil = look.headwear == Headwear::kVeil;
  const float reach = veil ? 0.48f : 0.42f;
  fig.Shape(Path()
                .MoveTo(-reach, 0.74f)
                .LineTo(-reach + 0.04f, 0.42f)
                .CubicTo(-0.44f, 0.1f, 0.44f, 0.1f, reach - 0.04f, 0.42f)
                .LineTo(reach, 0.74f)
                .Close(),
            fig.Shaded(0.12f, 0.74f, draw::Lighten(look.hat, 0.2f), draw::Darken(look.hat, 0.1f)));
}

void DrawMouth(Figure& fig) {
  fig.Line(Path().MoveTo(-0.07f, kCy + 0.11f).QuadTo(0, kCy + 0.135f, 0.07f, kCy + 0.11f), 0.9f,
           Hex(0xB0303A));
}

// Curled up at the ends.
void DrawMoustache(Figure& fig, Rgba colour) {
  for (const float side : {-1.0f, 1.0f})
    fig.Line(
        Path().MoveTo(0, kCy + 0.065f).QuadTo(side * 0.1f, kCy + 0.1f, side * 0.17f, kCy + 0.04f),
        1.3f, colour);
}

void DrawBeard(Figure& fig, const Look& look) {
  const Rgba hair = look.hair_colour;
  switch (look.beard) {
    case Beard::kFull:
      fig.Shape(Path()
                    .MoveTo(-0.26f, kCy)
                    .CubicTo(-0.24f, kCy + 0.16f, -0.1f, kCy + 0.22f, 0, kCy + 0.26f)
                    .CubicTo(0.1f, kCy + 0.22f, 0.24f, kCy + 0.16f, 0.26f, kCy)
                    .CubicTo(0.15f, kCy + 0.08f, -0.15f, kCy + 0.08f, -0.26f, kCy)
                    .Close(),
                hair, 0.6f);
      fig.Line(Path().MoveTo(-0.12f, kCy + 0.055f).QuadTo(0, kCy + 0.03f, 0.12f, kCy + 0.055f),
               1.0f, draw::Darken(hair, 0.35f));
      return;
    case Beard::kPointed:
      fig.Shape(Path()
                    .MoveTo(-0.2f, kCy + 0.04f)
                    .CubicTo(-0.16f, kCy + 0.18f, -0.04f, kCy + 0.22f, 0, kCy + 0.34f)
                    .CubicTo(0.04f, kCy + 0.22f, 0.16f, kCy + 0.18f, 0.2f, kCy + 0.04f)
                    .CubicTo(0.1f, kCy + 0.1f, -0.1f, kCy + 0.1f, -0.2f, kCy + 0.04f)
                    .Close(),
                hair, 0.6f);
      DrawMoustache(fig, draw::Darken(hair, 0.3f));
      return;
    case Beard::kMoustache:
      DrawMouth(fig);
      DrawMoustache(fig, hair);
      return;
    case Beard::kNone:
      DrawMouth(fig);
      return;
  }
}

// The hair over the forehead, and for the braids two plaits over the shoulders.
void DrawFrontHair(Figure& fig, const Look& look) {
  if (look.headwear == Headwear::kHelmet) return;
  fig.Shape(Path()
                .MoveTo(-0.29f, kCy - 0.02f)
                .CubicTo(-0.28f, kCy - 0.24f, 0.28f, kCy - 0.24f, 0.29f, kCy - 0.02f)
                .CubicTo(0.16f, kCy - 0.11f, -0.16f, kCy - 0.11f, -0.29f, kCy - 0.02f)
                .Close(),
            look.hair_colour, 0.5f);
  if (look.hair != Hair::kBraids) return;
  for (const float side : {-1.0f, 1.0f})
    for (float v = 0.6f; v < 0.9f; v += 0.075f)
      fig.Shape(fig.Disc(side * 0.31f, v, 0.065f), look.hair_colour, 0.5f);
}

}  // namespace

void DrawHead(Figure& fig, const Look& look) {
  DrawBackHair(fig, look);
  DrawHeadCloth(fig, look);
  fig.Shape(Path().AddEllipse(0, kCy, 0.29f, 0.185f), kSkin);
  for (const float u : {-0.1f, 0.1f})
    fig.Shape(Path().AddEllipse(u, kCy - 0.015f, 0.035f, 0.025f), kInk, 0);
  if (look.rouge)
    for (const float u : {-0.16f, 0.16f})
      fig.Shape(fig.Disc(u, kCy + 0.05f, 0.045f), Hex(0xF4A0A0, 0.6f), 0);
  DrawBeard(fig, look);
  DrawFrontHair(fig, look);
}

}  // namespace tlj::artgen::art::court
