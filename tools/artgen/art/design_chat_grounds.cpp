// The grounds of the chat history and the phrase list: a lacquer caption strip with the title
// at the left, and a recessed light well where the list writes its dark lines.

#include <cmath>
#include <string>
#include <string_view>

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_grounds.h"
#include "tools/artgen/art/design_groups.h"
#include "tools/artgen/art/widgets.h"
#include "tools/artgen/draw/text.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;

constexpr int kStrip = 24;  // the caption strip's height
constexpr int kListTop = 28;
constexpr int kListLeft = 10;

Path Rect(int x, int y, int w, int h) {
  return Path().AddRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
                        static_cast<float>(h));
}

void Diamond(draw::Canvas& canvas, float cx, float cy, float r, draw::Rgba colour) {
  canvas.Fill(Path().AddPolygon({{cx, cy - r}, {cx + r, cy}, {cx, cy + r}, {cx - r, cy}}),
              draw::Solid(colour));
}

// The strip across the top with the title at its left, trailed by a gold line that fades out
// well before the close corner.
void DrawCaption(draw::Canvas& canvas, std::string_view title) {
  const float fh = static_cast<float>(kStrip);
  DrawStrip(canvas, kStrip);
  const float cy = std::floor((fh - 2) / 2) + 0.5f;
  Diamond(canvas, 12, cy, 3, design::kGoldLight);
  const draw::TextStyle style{draw::Face::kSerifBold, 15, 2};
  const float half = draw::MeasureInk(style, title).Width() / 2;
  const float cx = 22 + half;
  DrawLabel(canvas, title, style, cx, cy, design::kGoldLight, Hex(0x1C0703, 0.8f));
  const float from = cx + half + 8, to = from + 90;
  canvas.Fill(Path().AddRect(from, cy - 0.5f, to - from, 1),
              draw::Linear({from, 0}, {to, 0},
                           {{0, design::kGold}, {1, draw::WithAlpha(design::kGold, 0)}}));
  Diamond(canvas, from, cy, 2.5f, design::kGold);
}

// The close label writes a black cross at the right end of the strip: it stands on a small
// plain parchment plate, which the dark lacquer would swallow.
void DrawClosePlate(draw::Canvas& canvas, int label_left) {
  const float x = static_cast<float>(label_left - 1), y = 3, w = 22, h = kStrip - 5;
  canvas.Fill(Path().AddRoundRect(x, y, w, h, 3.5f), draw::Solid(design::kLacquerEdge));
  canvas.Fill(Path().AddRoundRect(x + 1, y + 1, w - 2, h - 2, 2.5f),
              draw::Vertical(y + 1, y + h - 1, design::kGoldLight, design::kGoldDark));
  canvas.Fill(Path().AddRoundRect(x + 2, y + 2, w - 4, h - 4, 1.5f),
              draw::Solid(design::kParchmentLight));
}

// A well sunk two pixels into the parchment: shadowed above and left, lit below and right,
// flat inside so that the list's text reads.
void DrawWell(draw::Canvas& canvas, int x, int y, int w, int h) {
  const draw::Rgba shadow = draw::Mix(design::kGoldDark, design::kParchment, 0.35f);
  const draw::Rgba dim = draw::Mix(design::kGoldDark, design::kParchment, 0.7f);
  const draw::Rgba lit = draw::Lighten(design::kParchmentLight, 0.4f);
  const draw::Rgba half_lit = draw::Mix(design::kParchment, design::kParchmentLight, 0.6f);
  // Outer ring, then inner ring; the lit sides are drawn first so the shadowed corners win.
  canvas.Fill(Rect(x - 2, y + h + 1, w + 4, 1), draw::Solid(lit));
  canvas.Fill(Rect(x + w + 1, y - 2, 1, h + 4), draw::Solid(lit));
  canvas.Fill(Rect(x - 2, y - 2, w + 3, 1), draw::Solid(dim));
  canvas.Fill(Rect(x - 2, y - 2, 1, h + 3), draw::Solid(dim));
  canvas.Fill(Rect(x - 1, y + h, w + 2, 1), draw::Solid(half_lit));
  canvas.Fill(Rect(x + w, y - 1, 1, h + 2), draw::Solid(half_lit));
  canvas.Fill(Rect(x - 1, y - 1, w + 1, 1), draw::Solid(shadow));
  canvas.Fill(Rect(x - 1, y - 1, 1, h + 1), draw::Solid(shadow));
  canvas.Fill(Rect(x, y, w, h), draw::Solid(design::kParchmentLight));
}

// The list fills the window below the strip, ten pixels in from either side and from the
// bottom; the close label stands 24 pixels in from the right edge.
draw::Canvas ChatGround(int width, int height, const std::string& title) {
  draw::Canvas ground(width, height);
  DrawGround(ground, 3);
  DrawCaption(ground, title);
  DrawClosePlate(ground, width - 24);
  DrawWell(ground, kListLeft, kListTop, width - 2 * kListLeft, height - kListTop - 10);
  return ground;
}

}  // namespace

void AddChatGrounds(Entries& entries) {
  AddDesign(entries, 47, Format::kGif, [](int w, int h) { return ChatGround(w, h, "聊天"); });
  AddDesign(entries, 48, Format::kGif, [](int w, int h) { return ChatGround(w, h, "短语"); });
}

}  // namespace tlj::artgen::art
