#pragma once
// The four suit symbols as outlines, and the colours they are printed in.

#include "tools/artgen/draw/colour.h"
#include "tools/artgen/draw/path.h"

namespace tlj::artgen::art {

// Suits as the card codes number them.
enum Suit { kDiamonds = 0, kClubs = 1, kHearts = 2, kSpades = 3 };

// The symbol centred at (cx, cy), `size` pixels high; upside down when `flipped`.
draw::Path SuitSymbol(int suit, float cx, float cy, float size, bool flipped = false);

inline constexpr draw::Rgba kCardRed = draw::Hex(0xC8102E);
inline constexpr draw::Rgba kCardBlack = draw::Hex(0x151515);

inline draw::Rgba SuitColour(int suit) {
  return suit == kDiamonds || suit == kHearts ? kCardRed : kCardBlack;
}

}  // namespace tlj::artgen::art
