#pragma once
// Pieces that many pictures share: rounded keys and buttons with a label in three states,
// labels with a shadow, glows.

#include <string_view>

#include "tools/artgen/draw/canvas.h"
#include "tools/artgen/draw/text.h"

namespace tlj::artgen::art {

enum class State { kNormal, kHover, kGreyed };

struct KeyTheme {
  draw::Rgba top;     // face colour at the top
  draw::Rgba bottom;  // and at the bottom
  draw::Rgba border;
  draw::Rgba text;
  draw::Rgba text_shadow;
  draw::Rgba hover_text;  // the label when the pointer is over the key
};

struct KeyShape {
  float radius = 5;
  float margin = 1;  // room around the key for the hover glow
  float gloss = 0.3f;
};

// The colours of a state: hover is brighter with a gold rim, greyed washed out.
KeyTheme ForState(const KeyTheme& theme, State state);

// A key with a vertical gradient, a glossy top, a border and the label in the middle.
draw::Canvas Key(int width, int height, const KeyTheme& theme, const KeyShape& shape, State state,
                 std::string_view label, const draw::TextStyle& text);

// The face of a key on an existing canvas; `label` may be empty.
void DrawKey(draw::Canvas& canvas, float x, float y, float w, float h, const KeyTheme& theme,
             const KeyShape& shape, State state, std::string_view label,
             const draw::TextStyle& text);

// A label centred at (cx, cy) with a one-pixel shadow below it, unless it is small enough to be
// drawn crisp.
void DrawLabel(draw::Canvas& canvas, std::string_view label, const draw::TextStyle& text, float cx,
               float cy, draw::Rgba colour, draw::Rgba shadow);

// A soft halo around the covered area of a mask.
void DrawGlow(draw::Canvas& canvas, const draw::Mask& shape, float reach, draw::Rgba colour);

inline constexpr draw::Rgba kGlowGold = draw::Hex(0xFFD24A);

}  // namespace tlj::artgen::art
