// The speech bubbles of the four seats: a cream body with a dark brown outline and a tail
// towards the seat's avatar. The bubble window is cut to its picture: every pixel that differs
// from the top-left one belongs to the window. So everything round the bubble is transparent,
// and the outline's outer edge is hard: a pixel there is either the outline's colour or
// transparent, never a half-blend that would leave a ragged fringe on the window's edge.

#include <algorithm>
#include <cmath>

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_groups.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Mask;
using draw::Path;
using draw::Point;

constexpr float kOutline = 2.3f;
constexpr float kRadius = 12;
constexpr draw::Rgba kOutlineColour = Hex(0x3B2212);
constexpr draw::Rgba kBody = draw::Mix(design::kParchmentLight, design::kParchment, 0.15f);

struct Bubble {
  float left, top, width, height;  // the body; the phrase stands 8 pixels in from its edges
  Point base_a, base_b;            // where the tail leaves the body, a nearer the tip's side
  Point tip;                       // the tail's point, the outline reaching two pixels further
  float bend;                      // how far the tail's sides curve, pixels, to the right of a->tip
};

// By seat: the user's (above-right of the avatar), the left one's (below-right), the one
// across (below), the right one's (below).
constexpr Bubble kBubbles[] = {
    {9, 4, 162, 64, {22, 62}, {48, 64}, {6.8f, 96.6f}, -4},
    {30, 15, 146, 64, {32, 39}, {54, 17}, {3, 3}, 2},
    {22, 33, 146, 60, {34, 36}, {58, 36}, {18, 3.2f}, 3},
    {10, 23, 162, 64, {22, 26}, {50, 25}, {10.6f, 3.2f}, 3},
};

Mask Everything(const draw::Canvas& canvas) {
  return canvas.Coverage(Path().AddRect(0, 0, static_cast<float>(canvas.Width()),
                                        static_cast<float>(canvas.Height())));
}

// The mask shrunk by a disc of the radius: what stays covered after growing the uncovered.
Mask Eroded(const draw::Canvas& canvas, const Mask& mask, float radius) {
  Mask outside = Everything(canvas);
  outside.Subtract(mask);
  Mask eroded = Everything(canvas);
  eroded.Subtract(outside.Dilated(radius));
  return eroded;
}

// Whole pixels only: covered at least half, fully; otherwise not at all.
Mask Hard(Mask mask) {
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) mask.At(x, y) = mask.At(x, y) >= 0.5f ? 1.0f : 0.0f;
  return mask;
}

Path Shape(const Bubble& b) {
  const Point a = b.base_a, c = b.base_b, t = b.tip;
  // Each side of the tail bows the same way, so the tail sweeps like a brush stroke.
  const auto bowed = [&](Point from, Point to) {
    const float dx = to.x - from.x, dy = to.y - from.y;
    const float length = std::max(1.0f, std::hypot(dx, dy));
    return Point{(from.x + to.x) / 2 - dy / length * b.bend,
                 (from.y + to.y) / 2 + dx / length * b.bend};
  };
  const Point out = bowed(a, t), back = bowed(c, t);
  Path shape = Path().AddRoundRect(b.left, b.top, b.width, b.height, kRadius);
  shape.MoveTo(a.x, a.y).QuadTo(out.x, out.y, t.x, t.y).QuadTo(back.x, back.y, c.x, c.y).Close();
  return shape.Normalized();
}

draw::Canvas SpeechBubble(int width, int height, const Bubble& b) {
  draw::Canvas bubble(width, height);
  const Mask body = bubble.Coverage(Shape(b));
  const Mask outline = Hard(body.Dilated(kOutline));
  bubble.Fill(outline, draw::Solid(kOutlineColour));
  // The body blends into the outline only: even the thin point of the tail keeps a dark pixel
  // between its cream and the transparent ground.
  Mask inside = body;
  inside.Intersect(Eroded(bubble, outline, 1));
  bubble.Fill(inside, draw::Solid(kBody));
  // A gentle rim inside the outline: lit along the top, shaded along the bottom, gone well
  // before the phrase so that its ground stays flat.
  Mask rim = inside;
  rim.Subtract(Eroded(bubble, body, 3).Blurred(1.0f));
  const float top = b.top, bottom = b.top + b.height;
  bubble.Fill(rim, draw::Vertical(top, (top + bottom) / 2, Hex(0xFFFFFF, 0.85f), Hex(0xFFFFFF, 0)));
  bubble.Fill(rim,
              draw::Vertical((top + bottom) / 2, bottom, Hex(0xB98A4E, 0), Hex(0xB98A4E, 0.55f)));
  return bubble;
}

}  // namespace

void AddSpeechBubbles(Entries& entries) {
  for (int seat = 0; seat < 4; ++seat)
    AddDesign(entries, 49 + seat, Format::kGif,
              [seat](int w, int h) { return SpeechBubble(w, h, kBubbles[seat]); });
}

}  // namespace tlj::artgen::art
