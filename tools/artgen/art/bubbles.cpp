// The give-up speech bubbles of the three other seats, each with its tail towards the seat.

#include <cmath>

#include "tools/artgen/art/groups.h"
#include "tools/artgen/art/widgets.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Point;

enum class Tail { kLeft, kUp, kRight };

draw::Canvas GiveUpBubble(int width, int height, Tail tail) {
  draw::Canvas bubble(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  // The body leaves room on the tail's side.
  const float left = tail == Tail::kLeft ? 20 : 3, right = tail == Tail::kRight ? w - 20 : w - 3;
  const float top = 20, bottom = h - 4;
  const float cx = (left + right) / 2, cy = (top + bottom) / 2;
  const float rx = (right - left) / 2, ry = (bottom - top) / 2;
  Path body = Path().AddEllipse(cx, cy, rx, ry);
  // The tail leaves the body between two angles (degrees, y down) and ends at the tip.
  float from = 0, to = 0;
  Point tip;
  switch (tail) {
    case Tail::kLeft:
      from = 188, to = 228, tip = {2, 6};
      break;
    case Tail::kUp:
      from = 238, to = 272, tip = {cx - 24, 1};
      break;
    case Tail::kRight:
      from = 312, to = 352, tip = {w - 2, 6};
      break;
  }
  const auto on_body = [&](float degrees) {
    const float a = degrees * 3.14159265f / 180;
    return Point{cx + rx * 0.92f * std::cos(a), cy + ry * 0.92f * std::sin(a)};
  };
  const Point a = on_body(from), b = on_body(to);
  const Point mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
  body.MoveTo(a.x, a.y)
      .QuadTo((mid.x + tip.x) / 2, (mid.y + tip.y) / 2 + 3, tip.x, tip.y)
      .QuadTo((mid.x + tip.x) / 2 + 3, (mid.y + tip.y) / 2, b.x, b.y)
      .Close();
  body = body.Normalized();
  const draw::Mask shape = bubble.Coverage(body);
  bubble.Fill(shape.Dilated(2.2f), draw::Solid(Hex(0x3A2A20)));
  bubble.Fill(shape, draw::Vertical(top, bottom, Hex(0xFFFFFF), Hex(0xE8EEF6)));
  const draw::TextStyle text{draw::Face::kSansBold, 30, 1};
  const draw::Mask word = draw::CentredText(width, height, text, "放弃", cx, cy + 1);
  bubble.Fill(word.Shifted(1, 2), draw::Solid(Hex(0x7A0A06, 0.3f)));
  bubble.Fill(word, draw::Vertical(cy - 15, cy + 15, Hex(0xF04030), Hex(0xA8100C)));
  return bubble;
}

}  // namespace

void AddBubbles(Entries& entries) {
  entries.push_back(
      {580, 131, 102, Format::kGif, [] { return GiveUpBubble(131, 102, Tail::kLeft); }});
  entries.push_back(
      {581, 131, 102, Format::kGif, [] { return GiveUpBubble(131, 102, Tail::kUp); }});
  entries.push_back(
      {582, 129, 100, Format::kGif, [] { return GiveUpBubble(129, 100, Tail::kRight); }});
}

}  // namespace tlj::artgen::art
