// The two quick-phrase tabs above the chat line, normal and hover.

#include <string>

#include "tools/artgen/art/groups.h"
#include "tools/artgen/art/widgets.h"

namespace tlj::artgen::art {
namespace {

constexpr int kWidth = 57;
constexpr int kHeight = 13;

draw::Canvas Tab(const std::string& word, State state) {
  using draw::Hex;
  draw::Canvas canvas(kWidth, kHeight);
  const bool hover = state == State::kHover;
  // A file-card tab: rounded at the top, square at the bottom.
  const float w = kWidth, h = kHeight, r = 5;
  draw::Path outline;
  outline.MoveTo(0, h).ArcTo(r, r, r, r, 3.14159265f, 4.71238898f);
  outline.ArcTo(w - r, r, r, r, 4.71238898f, 6.28318531f).LineTo(w, h).Close();
  canvas.Fill(outline, draw::Solid(hover ? Hex(0xB8860B) : Hex(0x7A5A2E)));
  draw::Path face;
  face.MoveTo(1, h).ArcTo(r, r, r - 1, r - 1, 3.14159265f, 4.71238898f);
  face.ArcTo(w - r, r, r - 1, r - 1, 4.71238898f, 6.28318531f).LineTo(w - 1, h).Close();
  canvas.Fill(face, hover ? draw::Vertical(1, h, Hex(0xFFF6C8), Hex(0xFFC850))
                          : draw::Vertical(1, h, Hex(0xF8ECCF), Hex(0xD9BE88)));
  const draw::TextStyle text{draw::Face::kSansBold, 11};
  const draw::Mask glyphs = draw::CentredText(kWidth, kHeight, text, word, w / 2, h / 2 + 0.5f);
  canvas.Fill(glyphs, draw::Solid(hover ? Hex(0xA01808) : Hex(0x4A2A0C)));
  return canvas;
}

}  // namespace

void AddTabs(Entries& entries) {
  for (int k = 0; k < 2; ++k) {
    const std::string word = "短语" + std::to_string(k + 1);
    entries.push_back(
        {506 + k, kWidth, kHeight, Format::kGif, [=] { return Tab(word, State::kNormal); }});
    entries.push_back(
        {508 + k, kWidth, kHeight, Format::kGif, [=] { return Tab(word, State::kHover); }});
  }
}

}  // namespace tlj::artgen::art
