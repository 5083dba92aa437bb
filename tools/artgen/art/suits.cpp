#include "tools/artgen/art/suits.h"

#include <numbers>

namespace tlj::artgen::art {
namespace {

using draw::Path;

// Every symbol is drawn in a unit box centred on the origin, 1 high.

Path Heart() {
  Path p;
  p.MoveTo(0, 0.5f)
      .CubicTo(-0.14f, 0.34f, -0.52f, 0.1f, -0.52f, -0.17f)
      .CubicTo(-0.52f, -0.38f, -0.37f, -0.5f, -0.25f, -0.5f)
      .CubicTo(-0.12f, -0.5f, -0.03f, -0.42f, 0, -0.29f)
      .CubicTo(0.03f, -0.42f, 0.12f, -0.5f, 0.25f, -0.5f)
      .CubicTo(0.37f, -0.5f, 0.52f, -0.38f, 0.52f, -0.17f)
      .CubicTo(0.52f, 0.1f, 0.14f, 0.34f, 0, 0.5f)
      .Close();
  return p;
}

Path Diamond() {
  Path p;
  p.MoveTo(0, -0.5f)
      .QuadTo(0.13f, -0.2f, 0.4f, 0)
      .QuadTo(0.13f, 0.2f, 0, 0.5f)
      .QuadTo(-0.13f, 0.2f, -0.4f, 0)
      .QuadTo(-0.13f, -0.2f, 0, -0.5f)
      .Close();
  return p;
}

// The flared foot under spades and clubs.
Path Stem() {
  Path p;
  p.MoveTo(-0.045f, 0.12f)
      .LineTo(0.045f, 0.12f)
      .QuadTo(0.06f, 0.4f, 0.22f, 0.5f)
      .LineTo(-0.22f, 0.5f)
      .QuadTo(-0.06f, 0.4f, -0.045f, 0.12f)
      .Close();
  return p;
}

Path Spade() {
  Path p;
  p.MoveTo(0, -0.5f)
      .CubicTo(0.14f, -0.32f, 0.52f, -0.12f, 0.52f, 0.1f)
      .CubicTo(0.52f, 0.27f, 0.38f, 0.36f, 0.26f, 0.36f)
      .CubicTo(0.14f, 0.36f, 0.05f, 0.3f, 0, 0.2f)
      .CubicTo(-0.05f, 0.3f, -0.14f, 0.36f, -0.26f, 0.36f)
      .CubicTo(-0.38f, 0.36f, -0.52f, 0.27f, -0.52f, 0.1f)
      .CubicTo(-0.52f, -0.12f, -0.14f, -0.32f, 0, -0.5f)
      .Close();
  return p.AddPath(Stem());
}

Path Club() {
  Path p;
  constexpr float r = 0.215f;
  p.AddCircle(0, -0.27f, r).AddCircle(-0.255f, 0.07f, r).AddCircle(0.255f, 0.07f, r);
  p.AddPolygon({{0, -0.15f}, {-0.16f, 0.1f}, {0, 0.22f}, {0.16f, 0.1f}});
  return p.AddPath(Stem());
}

}  // namespace

draw::Path SuitSymbol(int suit, float cx, float cy, float size, bool flipped) {
  Path unit;
  switch (suit) {
    case kDiamonds:
      unit = Diamond();
      break;
    case kClubs:
      unit = Club();
      break;
    case kHearts:
      unit = Heart();
      break;
    default:
      unit = Spade();
      break;
  }
  draw::Affine place = draw::Affine::Scale(size, size);
  if (flipped) place = draw::Then(place, draw::Affine::Rotate(std::numbers::pi_v<float>));
  place = draw::Then(place, draw::Affine::Translate(cx, cy));
  return unit.Transformed(place).Normalized();
}

}  // namespace tlj::artgen::art
