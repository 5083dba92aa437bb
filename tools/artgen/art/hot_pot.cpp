// The animated hot pot: a cracked copper pot over its fire (frame 1), a riveted patch put over
// the crack (frame 2, only the patch), the mended pot with coins falling in and sparkles
// (frame 3), after which the picture is cleared and the animation starts again.

#include <cmath>
#include <numbers>

#include "tools/artgen/art/catalogue.h"
#include "tools/artgen/draw/canvas.h"
#include "tools/artgen/encode/quantize.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Rgba;

constexpr int kSize = 192;
// Where the patch goes: the second frame covers exactly this area.
constexpr int kPatchLeft = 66, kPatchTop = 112, kPatchWidth = 57, kPatchHeight = 20;
constexpr int kTransparentIndex = 128;

constexpr Rgba kOutline = Hex(0x3A1606);

struct Scene {
  bool mended;     // the patch is on
  bool celebrate;  // coins, sparkles and a bigger fire
};

Path Flame(float cx, float bottom, float width, float height) {
  Path p;
  p.MoveTo(cx, bottom - height)
      .CubicTo(cx + width * 0.2f, bottom - height * 0.6f, cx + width * 0.6f,
               bottom - height * 0.45f, cx + width * 0.45f, bottom - height * 0.12f)
      .CubicTo(cx + width * 0.38f, bottom, cx - width * 0.38f, bottom, cx - width * 0.45f,
               bottom - height * 0.12f)
      .CubicTo(cx - width * 0.6f, bottom - height * 0.45f, cx - width * 0.15f,
               bottom - height * 0.55f, cx, bottom - height)
      .Close();
  return p;
}

void DrawFire(draw::Canvas& c, bool big) {
  const float grow = big ? 1.3f : 1.0f;
  const float xs[] = {70, 96, 122, 83, 109};
  const float hs[] = {26, 34, 26, 20, 20};
  for (int i = 0; i < 5; ++i) {
    const float h = hs[i] * grow;
    c.Fill(Flame(xs[i], 188, 22, h), draw::Vertical(188 - h, 188, Hex(0xFFD23A), Hex(0xE8400E)));
    c.Fill(Flame(xs[i], 187, 11, h * 0.55f),
           draw::Vertical(188 - h * 0.55f, 188, Hex(0xFFFBD0), Hex(0xFFB020)));
  }
}

void DrawSteam(draw::Canvas& c, bool big) {
  const float xs[] = {72, 96, 120};
  for (int i = 0; i < 3; ++i) {
    const float x = xs[i], top = big ? 8.0f : 22.0f + 6 * static_cast<float>(i % 2);
    Path wisp;
    wisp.MoveTo(x, 66)
        .CubicTo(x - 12, 54, x + 12, 44, x, 32 + (top - 22) * 0.5f)
        .CubicTo(x - 8, 24, x + 4, top + 6, x + 2, top);
    c.Stroke(wisp, big ? 8.0f : 6.5f, draw::Solid(Hex(0xF4F6FA, 0.9f)));
  }
}

void DrawLegs(draw::Canvas& c) {
  for (const float x : {58.0f, 134.0f, 96.0f}) {
    const Path leg = Path().AddPolygon({{x - 7, 146}, {x + 7, 146}, {x + 5, 176}, {x - 5, 176}});
    c.Fill(leg, draw::Vertical(146, 176, Hex(0x8A4A22), Hex(0x4A200C)));
    c.Stroke(leg, 1.2f, draw::Solid(kOutline));
  }
}

void DrawHandles(draw::Canvas& c) {
  for (const float side : {-1.0f, 1.0f}) {
    const float x = 96 + side * 68;
    c.Stroke(Path().AddEllipse(x, 96, 9, 11), 7, draw::Solid(kOutline));
    c.Stroke(Path().AddEllipse(x, 96, 9, 11), 4.5f,
             draw::Linear({x - 9, 85}, {x + 9, 107}, {{0, Hex(0xF6C080)}, {1, Hex(0x8A4A1A)}}));
  }
}

// The pot's belly, its decorated band, the rim and the broth.
void DrawPot(draw::Canvas& c, bool bubbling) {
  const Path belly = Path()
                         .MoveTo(34, 82)
                         .CubicTo(30, 120, 54, 156, 96, 156)
                         .CubicTo(138, 156, 162, 120, 158, 82)
                         .Close();
  c.Fill(
      belly,
      draw::Radial(
          {74, 98}, 90, 72,
          {{0, Hex(0xFAC28E)}, {0.35f, Hex(0xD8803E)}, {0.8f, Hex(0x9A4618)}, {1, Hex(0x6A2A0C)}}));
  c.Stroke(belly, 2, draw::Solid(kOutline));
  // A gold band with square-holed coins round the belly.
  draw::Mask band = c.Coverage(Path().AddRect(0, 92, kSize, 13));
  band.Intersect(c.Coverage(belly));
  c.Fill(band, draw::Vertical(92, 105, Hex(0xFFE08A), Hex(0xC08A1E)));
  for (float x = 48; x <= 144; x += 16) {
    c.Fill(Path().AddCircle(x, 98.5f, 4.6f).AddPath(Path().AddRect(x - 1.5f, 97, 3, 3).Reversed()),
           draw::Solid(Hex(0x8A5A10)));
  }
  // The rim and the broth inside it.
  c.Fill(Path().AddEllipse(96, 80, 66, 14), draw::Vertical(66, 94, Hex(0xF6C080), Hex(0x8A4A1A)));
  c.Stroke(Path().AddEllipse(96, 80, 66, 14), 2, draw::Solid(kOutline));
  c.Fill(Path().AddEllipse(96, 80, 56, 9.5f),
         draw::Radial({96, 80}, 56, 10, {{0, Hex(0xF0602A)}, {1, Hex(0xA8200C)}}));
  const float bubbles[][3] = {
      {70, 80, 3}, {88, 77, 2.2f}, {110, 82, 3.2f}, {124, 78, 2}, {98, 84, 2.5f}};
  for (const auto& b : bubbles) {
    const float r = b[2] * (bubbling ? 1.4f : 1.0f);
    c.Fill(Path().AddCircle(b[0], b[1], r), draw::Solid(Hex(0xFF9A5A)));
    c.Fill(Path().AddCircle(b[0] - r * 0.3f, b[1] - r * 0.3f, r * 0.35f),
           draw::Solid(Hex(0xFFE0C0)));
  }
  // Highlight on the belly.
  c.Stroke(Path().MoveTo(50, 112).CubicTo(52, 126, 62, 138, 74, 144), 4,
           draw::Solid(Hex(0xFFE2C0, 0.8f)));
}

void DrawCrack(draw::Canvas& c) {
  // A jagged split running down across the belly, with two short branches; all of it lies
  // under where the patch will go.
  Path crack;
  crack.MoveTo(73, 116)
      .LineTo(81, 119)
      .LineTo(84, 117)
      .LineTo(93, 122)
      .LineTo(97, 121)
      .LineTo(104, 126)
      .LineTo(109, 125)
      .LineTo(117, 129);
  crack.MoveTo(84, 117).LineTo(86.5f, 115.5f);
  crack.MoveTo(104, 126).LineTo(102, 129.5f);
  c.Stroke(crack, 3.0f, draw::Solid(Hex(0x3A1004)));
  c.Stroke(crack, 1.1f, draw::Solid(Hex(0x000000)));
}

// The riveted plate over the crack, with the patch area's top-left corner at (left, top).
void DrawPatch(draw::Canvas& c, float left, float top) {
  const Path plate = Path().AddRoundRect(left + 2, top + 2, kPatchWidth - 4, kPatchHeight - 4, 4);
  c.Fill(plate, draw::Vertical(top + 2, top + kPatchHeight - 2, Hex(0xFFE2A0), Hex(0xB87A2A)));
  c.Stroke(plate, 1.6f, draw::Solid(kOutline));
  for (const float x : {8.0f, 21.0f, 36.0f, 49.0f})
    for (const float y : {6.5f, 13.5f}) {
      c.Fill(Path().AddCircle(left + x, top + y, 1.9f), draw::Solid(Hex(0x6A3A10)));
      c.Fill(Path().AddCircle(left + x - 0.5f, top + y - 0.5f, 0.8f), draw::Solid(Hex(0xFFF4D0)));
    }
}

Path Sparkle(float x, float y, float r) {
  Path p;
  p.MoveTo(x, y - r)
      .QuadTo(x, y, x + r, y)
      .QuadTo(x, y, x, y + r)
      .QuadTo(x, y, x - r, y)
      .QuadTo(x, y, x, y - r);
  return p.Close();
}

void DrawCoinsAndSparkles(draw::Canvas& c) {
  const float coins[][2] = {{64, 30}, {96, 18}, {128, 34}, {80, 52}, {114, 56}};
  for (const auto& coin : coins) {
    const Path disc = Path().AddEllipse(coin[0], coin[1], 7, 6);
    c.Fill(disc, draw::Radial({coin[0] - 2, coin[1] - 2}, 9, 8,
                              {{0, Hex(0xFFF6B0)}, {1, Hex(0xE0A020)}}));
    c.Stroke(disc, 1.2f, draw::Solid(Hex(0x7A4A04)));
    c.Fill(Path().AddRect(coin[0] - 1.6f, coin[1] - 1.4f, 3.2f, 2.8f), draw::Solid(Hex(0x7A4A04)));
  }
  const float sparkles[][3] = {{30, 60, 8},  {164, 58, 9}, {150, 130, 6}, {40, 138, 6},
                               {96, 110, 5}, {20, 100, 5}, {174, 100, 5}};
  for (const auto& s : sparkles) c.Fill(Sparkle(s[0], s[1], s[2]), draw::Solid(Hex(0xFFF6C0)));
}

draw::Canvas DrawScene(const Scene& scene) {
  draw::Canvas c(kSize, kSize);
  DrawFire(c, scene.celebrate);
  DrawLegs(c);
  DrawSteam(c, scene.celebrate);
  DrawHandles(c);
  DrawPot(c, scene.celebrate);
  if (scene.mended) {
    DrawPatch(c, kPatchLeft, kPatchTop);
  } else {
    DrawCrack(c);
  }
  if (scene.celebrate) DrawCoinsAndSparkles(c);
  return c;
}

encode::GifFrame Frame(const draw::Canvas& canvas, int left, int top, int delay, int disposal) {
  encode::QuantizeOptions options;
  options.transparent_index = kTransparentIndex;
  return {encode::Quantize(canvas.Pixels(), canvas.Width(), canvas.Height(), options), left, top,
          delay, disposal};
}

}  // namespace

encode::GifAnimation HotPot() {
  encode::GifAnimation animation{kSize, kSize, 0, {}};
  animation.frames.push_back(Frame(DrawScene({false, false}), 0, 0, 50, 1));
  draw::Canvas patch(kPatchWidth, kPatchHeight);
  DrawPatch(patch, 0, 0);
  animation.frames.push_back(Frame(patch, kPatchLeft, kPatchTop, 20, 1));
  animation.frames.push_back(Frame(DrawScene({true, true}), 0, 0, 100, 2));
  return animation;
}

}  // namespace tlj::artgen::art
