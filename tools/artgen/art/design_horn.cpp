// The horn shown for the last betting round: a long brass horn with a flared bell, raised to
// the upper right and sounding, a red tassel hanging from it.

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_groups.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Point;

// The horn is drawn lying along x, its axis at kAxis, then raised by kRaise radians.
constexpr float kLength = 116;
constexpr float kBell = 27;  // the bell's radius at its rim
constexpr float kAxis = kBell + 3;
constexpr float kRaise = -0.52f;
constexpr Point kMouthpiece{12, 121};

// The tube's radius at x along it: mouthpiece cup, neck, a long cone, then the bell.
float Radius(float x) {
  if (x < 5) return 4.2f;
  if (x < 11) return 2.4f;
  if (x < 80) return 2.8f + 3.2f * (x - 11) / 69;
  return 6 + (kBell - 6) * std::pow((x - 80) / (kLength - 80), 2.6f);
}

Path Outline() {
  Path outline;
  outline.MoveTo(0, kAxis - Radius(0));
  for (float x = 0.5f; x <= kLength; x += 0.5f) outline.LineTo(x, kAxis - Radius(x));
  for (float x = kLength; x >= 0; x -= 0.5f) outline.LineTo(x, kAxis + Radius(x));
  return outline.Close();
}

// Brass lit from above: the colour at a height across the tube, -1 top to 1 bottom.
draw::Paint Brass() {
  const std::vector<draw::Stop> across = {{0, Hex(0x9A6414)},
                                          {0.22f, design::kGoldLight},
                                          {0.45f, Hex(0xF2C24E)},
                                          {0.8f, Hex(0xB47A1C)},
                                          {1, design::kGoldDark}};
  return [=](float x, float y) {
    return draw::Sample(across, ((y - kAxis) / std::max(1.0f, Radius(x)) + 1) / 2);
  };
}

// The rings round the tube and the finger holes along its top.
void DrawFittings(draw::Canvas& body) {
  for (const float x : {5.5f, 12.0f, 40.0f, 79.0f}) {
    const float r = Radius(x) + 0.8f;
    body.Fill(Path().AddRect(x - 1.5f, kAxis - r, 3, 2 * r),
              draw::Vertical(kAxis - r, kAxis + r, design::kGoldLight, Hex(0x7A4A0C)));
    body.Fill(Path().AddRect(x + 1.5f, kAxis - r, 0.8f, 2 * r), draw::Solid(Hex(0x5A3808, 0.7f)));
  }
  for (float x = 48; x <= 72; x += 6)
    body.Fill(Path().AddEllipse(x, kAxis - Radius(x) * 0.45f, 1.3f, 0.9f),
              draw::Solid(Hex(0x3A2006)));
}

// The bell's open end, seen a little from the side: a gold rim round the dark inside.
void DrawMouth(draw::Canvas& body) {
  body.Fill(Path().AddEllipse(kLength - 2, kAxis, 5.5f, kBell + 0.5f), draw::Solid(Hex(0x3A2006)));
  body.Fill(Path().AddEllipse(kLength - 2, kAxis, 4.5f, kBell - 0.5f),
            draw::Vertical(kAxis - kBell, kAxis + kBell, design::kGoldLight, Hex(0x9A6414)));
  body.Fill(Path().AddEllipse(kLength - 1.5f, kAxis, 3, kBell - 3),
            draw::Vertical(kAxis - kBell, kAxis + kBell, Hex(0x2A1404), Hex(0x7A4A10)));
}

draw::Canvas Body() {
  draw::Canvas body(static_cast<int>(kLength) + 8, static_cast<int>(2 * kAxis));
  const Path outline = Outline();
  body.Fill(body.Coverage(outline).Dilated(1.3f), draw::Solid(Hex(0x3A2006)));
  body.Fill(outline, Brass());
  DrawFittings(body);
  DrawMouth(body);
  return body;
}

// Where a point of the lying horn ends up on the picture.
draw::Affine Raise() {
  return draw::Then(draw::Then(draw::Affine::Translate(0, -kAxis), draw::Affine::Rotate(kRaise)),
                    draw::Affine::Translate(kMouthpiece.x, kMouthpiece.y));
}

// A red cord hanging from the ring at x along the tube, with a tassel at its end.
void DrawTassel(draw::Canvas& horn, float x) {
  const Point top = Raise().Apply({x, kAxis + Radius(x)});
  const Point knot{top.x + 3, top.y + 14};
  const Path cord = Path().MoveTo(top.x, top.y).QuadTo(top.x - 1, knot.y - 6, knot.x, knot.y);
  horn.Stroke(cord, 3.6f, draw::Solid(Hex(0x4A0604)));
  horn.Stroke(cord, 2, draw::Solid(Hex(0xD42018)));
  const Path fringe = Path().AddPolygon({{knot.x - 2.5f, knot.y + 2},
                                         {knot.x + 2.5f, knot.y + 2},
                                         {knot.x + 5.5f, knot.y + 19},
                                         {knot.x - 5.5f, knot.y + 19}});
  horn.Fill(horn.Coverage(fringe).Dilated(1), draw::Solid(Hex(0x4A0604)));
  horn.Fill(fringe, draw::Vertical(knot.y, knot.y + 19, Hex(0xF04030), Hex(0xA00C08)));
  for (float k = -2; k <= 2; k += 1)
    horn.Stroke(Path().MoveTo(knot.x + k * 0.9f, knot.y + 6).LineTo(knot.x + k * 2, knot.y + 18),
                0.7f, draw::Solid(Hex(0x7A0804)));
  horn.Fill(Path().AddCircle(knot.x, knot.y + 1, 3.8f), draw::Solid(Hex(0x4A0604)));
  horn.Fill(Path().AddCircle(knot.x, knot.y + 1, 2.8f),
            draw::Radial({knot.x - 1, knot.y}, 4, 4, {{0, Hex(0xFFD040)}, {1, Hex(0xB07010)}}));
}

// Arcs of sound spreading from the bell.
void DrawSound(draw::Canvas& horn) {
  const Point mouth = Raise().Apply({kLength, kAxis});
  for (int k = 0; k < 3; ++k) {
    const float r = kBell + 4 + 6.5f * static_cast<float>(k);
    const float spread = 0.75f - 0.08f * static_cast<float>(k);
    const Path arc = Path().ArcTo(mouth.x, mouth.y, r, r, kRaise - spread, kRaise + spread);
    horn.Stroke(arc, 4.6f, draw::Solid(Hex(0x3A2006)));
    horn.Stroke(arc, 2.6f, draw::Solid(design::kGoldLight));
  }
}

draw::Canvas Horn(int width, int height) {
  draw::Canvas horn(width, height);
  DrawSound(horn);
  horn.DrawTransformed(Body(), Raise());
  DrawTassel(horn, 40);
  return horn;
}

}  // namespace

void AddHorn(Entries& entries) {
  AddDesign(entries, 24, Format::kGif, Horn);
}

}  // namespace tlj::artgen::art
