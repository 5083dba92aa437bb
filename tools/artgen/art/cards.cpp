// The card faces in both sizes: pips, aces, court cards and the jokers.

#include <vector>

#include "tools/artgen/art/card_face.h"
#include "tools/artgen/art/court.h"
#include "tools/artgen/art/groups.h"
#include "tools/artgen/art/jokers.h"
#include "tools/artgen/art/suits.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;

struct Pip {
  float column;  // 0 left, 0.5 middle, 1 right
  float row;     // 0 top .. 1 bottom
};

// Where the pips of ranks 2..10 stand, as on the traditional cards.
std::vector<Pip> PipsOf(int count) {
  const Pip tl{0, 0}, tr{1, 0}, ml{0, 0.5f}, mr{1, 0.5f}, bl{0, 1}, br{1, 1};
  switch (count) {
    case 2:
      return {{0.5f, 0}, {0.5f, 1}};
    case 3:
      return {{0.5f, 0}, {0.5f, 0.5f}, {0.5f, 1}};
    case 4:
      return {tl, tr, bl, br};
    case 5:
      return {tl, tr, {0.5f, 0.5f}, bl, br};
    case 6:
      return {tl, tr, ml, mr, bl, br};
    case 7:
      return {tl, tr, {0.5f, 0.25f}, ml, mr, bl, br};
    case 8:
      return {tl, tr, {0.5f, 0.25f}, ml, mr, {0.5f, 0.75f}, bl, br};
    case 9:
      return {tl, tr, {0, 1.0f / 3}, {1, 1.0f / 3}, {0.5f, 0.5f}, {0, 2.0f / 3}, {1, 2.0f / 3},
              bl, br};
    default:
      return {tl,
              tr,
              {0.5f, 1.0f / 6},
              {0, 1.0f / 3},
              {1, 1.0f / 3},
              {0, 2.0f / 3},
              {1, 2.0f / 3},
              {0.5f, 5.0f / 6},
              bl,
              br};
  }
}

void DrawPips(draw::Canvas& card, const CardLayout& l, int suit, int count) {
  draw::Path pips;
  for (const Pip& pip : PipsOf(count)) {
    const float x = l.pip_left + (l.pip_right - l.pip_left) * pip.column;
    const float y = l.pip_top + (l.pip_bottom - l.pip_top) * pip.row;
    // Pips in the lower half stand upside down, so the card reads the same both ways.
    pips.AddPath(SuitSymbol(suit, x, y, l.pip_size, pip.row > 0.5f));
  }
  card.Fill(pips, draw::Solid(SuitColour(suit)));
}

void DrawAce(draw::Canvas& card, const CardLayout& l, int suit) {
  const float cx = l.width / 2, cy = l.height / 2;
  if (suit != kSpades) {
    card.Fill(SuitSymbol(suit, cx, cy, 0.42f * l.width), draw::Solid(SuitColour(suit)));
    return;
  }
  // The ace of spades is the showpiece: a large spade in a ring of gold.
  const float ring = 0.36f * l.width;
  card.Stroke(draw::Path().AddCircle(cx, cy, ring), 2.2f * l.scale, draw::Solid(Hex(0xC9962B)));
  card.Stroke(draw::Path().AddCircle(cx, cy, ring - 3 * l.scale), 0.9f * l.scale,
              draw::Solid(Hex(0xC9962B)));
  card.Fill(SuitSymbol(kSpades, cx, cy, 0.5f * l.width),
            draw::Linear({cx, cy - 0.25f * l.width}, {cx, cy + 0.25f * l.width},
                         {{0, Hex(0x3A3A3A)}, {1, kCardBlack}}));
}

draw::Canvas SuitCard(int width, int height, int suit, int rank) {
  const CardLayout l = LayoutFor(width, height);
  draw::Canvas card = CardBlank(l);
  if (rank >= 11 && rank <= 13) {
    DrawCourt(card, l, suit, rank);
  } else if (rank == 14) {
    DrawAce(card, l, suit);
  } else {
    DrawPips(card, l, suit, rank == 15 ? 2 : rank);
  }
  DrawCornerIndexes(card, l, RankText(rank), suit, SuitColour(suit));
  return card;
}

}  // namespace

void AddCards(Entries& entries) {
  for (int suit = 0; suit < 4; ++suit)
    for (int rank = 3; rank <= 15; ++rank) {
      const int full_id = 16 * suit + rank;
      const int reduced_id = (rank <= 13 ? 300 : 287) + 13 * suit + rank;
      entries.push_back(
          {full_id, 92, 122, Format::kGif, [=] { return SuitCard(92, 122, suit, rank); }});
      entries.push_back(
          {reduced_id, 72, 95, Format::kGif, [=] { return SuitCard(72, 95, suit, rank); }});
    }
  entries.push_back({16, 92, 122, Format::kGif, [] { return JokerCard(92, 122, false); }});
  entries.push_back({17, 92, 122, Format::kGif, [] { return JokerCard(92, 122, true); }});
  entries.push_back({353, 72, 95, Format::kGif, [] { return JokerCard(72, 95, false); }});
  entries.push_back({354, 72, 95, Format::kGif, [] { return JokerCard(72, 95, true); }});
}

}  // namespace tlj::artgen::art
