#pragma once
// What all card faces share: the card stock, the proportions, and the corner indexes.

#include <string_view>

#include "tools/artgen/draw/canvas.h"

namespace tlj::artgen::art {

// Positions on a card in pixels, scaled from the full-size card (92 × 122).
struct CardLayout {
  float width, height;
  float scale;            // width / 92
  float radius;           // of the corners
  float index_x;          // middle of the corner index
  float index_top;        // top of the rank's ink
  float rank_size;        // font size of the rank
  float index_suit_size;  // height of the small suit symbol under the rank
  float pip_size;
  float pip_left, pip_right, pip_top, pip_bottom;  // centres of the outer pips
};

CardLayout LayoutFor(int width, int height);

// White card stock with a grey edge, transparent outside the rounded corners.
draw::Canvas CardBlank(const CardLayout& layout);

// The rank (and, when suit >= 0, the small suit symbol under it) in the top-left corner and
// again upside down in the bottom-right one.
void DrawCornerIndexes(draw::Canvas& card, const CardLayout& layout, std::string_view rank,
                       int suit, draw::Rgba colour);

// The ranks as printed: "3" .. "10", "J", "Q", "K", "A", "2" for ranks 3..15.
std::string_view RankText(int rank);

}  // namespace tlj::artgen::art
