#pragma once
// The colours of the window's fixed artwork, so that the frame, the bars and the panels on the
// table match one another and the copper buttons.

#include "tools/artgen/draw/colour.h"

namespace tlj::artgen::art::design {

using draw::Hex;

// The frame and the bars: a deep red-brown lacquer.
inline constexpr draw::Rgba kLacquerLight = Hex(0x96421F);
inline constexpr draw::Rgba kLacquerDark = Hex(0x4A1709);
inline constexpr draw::Rgba kLacquerEdge = Hex(0x1C0703);
inline constexpr draw::Rgba kBevel = Hex(0xD99262);

// Gold trim and lettering.
inline constexpr draw::Rgba kGoldLight = Hex(0xFFEDA6);
inline constexpr draw::Rgba kGold = Hex(0xDDA63E);
inline constexpr draw::Rgba kGoldDark = Hex(0x6E4410);

// The fields the program writes its own text on: light, so that dark text reads.
inline constexpr draw::Rgba kParchmentLight = Hex(0xFFF8E4);
inline constexpr draw::Rgba kParchment = Hex(0xEBD9AE);

inline constexpr draw::Rgba kCreamText = Hex(0xFFF1D2);

// The felt of the table: lit in the middle, the body, the shaded edges.
struct FeltColours {
  draw::Rgba light, middle, dark;
};
inline constexpr FeltColours kGreenFelt{Hex(0x2F7D55), Hex(0x22623F), Hex(0x123C26)};
inline constexpr FeltColours kBlueFelt{Hex(0x2E5E9C), Hex(0x1F467E), Hex(0x0F2448)};

}  // namespace tlj::artgen::art::design
