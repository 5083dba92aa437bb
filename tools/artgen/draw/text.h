#pragma once
// Text drawn with FreeType from a CJK font that Debian installs.

#include <string_view>

#include "tools/artgen/draw/mask.h"

namespace tlj::artgen::draw {

enum class Face { kSansBold, kSerifBold };

struct TextStyle {
  Face face = Face::kSansBold;
  float size = 12;     // pixels per em
  float tracking = 0;  // extra pixels after each character
  float embolden = 0;  // pixels added to every stroke
  float condense = 1;  // horizontal scale of the glyphs
  float slant = 0;     // rightward lean, in pixels across per pixel up
};

// The ink rectangle of a text, relative to its pen start on the baseline (y down).
struct InkBox {
  float left = 0, top = 0, right = 0, bottom = 0;
  float Width() const { return right - left; }
  float Height() const { return bottom - top; }
};

// Text smaller than this is drawn crisp: fully hinted, every character on a whole pixel, and
// with no shadow or outline round it, which would only smear letters this small.
inline constexpr float kCrispBelow = 14;
inline bool Crisp(const TextStyle& style) {
  return style.size < kCrispBelow;
}

InkBox MeasureInk(const TextStyle& style, std::string_view utf8);
float MeasureAdvance(const TextStyle& style, std::string_view utf8);

// Coverage of the text with its pen starting at (x, baseline).
Mask Text(int width, int height, const TextStyle& style, std::string_view utf8, float x,
          float baseline);
// Coverage of the text with the middle of its ink at (cx, cy); the baseline is kept on a whole
// pixel so that horizontal strokes stay sharp.
Mask CentredText(int width, int height, const TextStyle& style, std::string_view utf8, float cx,
                 float cy);

}  // namespace tlj::artgen::draw
