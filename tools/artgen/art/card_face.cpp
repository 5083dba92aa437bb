#include "tools/artgen/art/card_face.h"

#include <array>
#include <cmath>

#include "tools/artgen/art/suits.h"
#include "tools/artgen/draw/text.h"

namespace tlj::artgen::art {

using draw::Hex;

CardLayout LayoutFor(int width, int height) {
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const float s = w / 92;
  return {.width = w,
          .height = h,
          .scale = s,
          .radius = 6.5f * s,
          .index_x = 10.5f * s,
          .index_top = 4.5f * s,
          .rank_size = 18.5f * s,
          .index_suit_size = 10.5f * s,
          .pip_size = 17 * s,
          .pip_left = 0.315f * w,
          .pip_right = 0.685f * w,
          .pip_top = 0.2f * h,
          .pip_bottom = 0.8f * h};
}

draw::Canvas CardBlank(const CardLayout& l) {
  draw::Canvas card(static_cast<int>(l.width), static_cast<int>(l.height));
  card.Fill(draw::Path().AddRoundRect(0, 0, l.width, l.height, l.radius),
            draw::Solid(Hex(0x6E6A64)));
  card.Fill(draw::Path().AddRoundRect(1, 1, l.width - 2, l.height - 2, l.radius - 1),
            draw::Vertical(0, l.height, Hex(0xFFFFFF), Hex(0xF1EDE4)));
  return card;
}

std::string_view RankText(int rank) {
  static constexpr std::array<std::string_view, 13> kRanks = {"3",  "4", "5", "6", "7", "8", "9",
                                                              "10", "J", "Q", "K", "A", "2"};
  return kRanks.at(static_cast<std::size_t>(rank - 3));
}

void DrawCornerIndexes(draw::Canvas& card, const CardLayout& l, std::string_view rank, int suit,
                       draw::Rgba colour) {
  draw::Canvas corner(card.Width(), card.Height());
  // Two-figure ranks are narrowed so that they keep to the corner.
  const bool wide = rank.size() > 1;
  const draw::TextStyle text{draw::Face::kSerifBold, l.rank_size, wide ? -0.6f * l.scale : 0, 0,
                             wide ? 0.78f : 1.0f};
  const draw::InkBox ink = draw::MeasureInk(text, rank);
  const float baseline = std::round(l.index_top - ink.top);
  const float x = l.index_x - (ink.left + ink.right) / 2;
  corner.Fill(draw::Text(card.Width(), card.Height(), text, rank, x, baseline),
              draw::Solid(colour));
  if (suit >= 0) {
    const float size = l.index_suit_size;
    const float cy = baseline + ink.bottom + 2.5f * l.scale + size / 2;
    corner.Fill(SuitSymbol(suit, l.index_x, cy, size), draw::Solid(colour));
  }
  card.Draw(corner);
  card.Draw(corner.Rotated180());
}

}  // namespace tlj::artgen::art
