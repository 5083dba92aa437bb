#pragma once
// The grounds that pictures are shown on, as the colours their edges are blended over when
// they are written with a transparent colour. A picture that stands on grounds of different
// colours (the table is green or blue felt) names none, and its edge is blended over its own
// rim.

#include <cstdint>

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/encode/indexed_image.h"

namespace tlj::artgen::art::mattes {

constexpr encode::Rgb Of(draw::Rgba colour) {
  return {static_cast<std::uint8_t>(colour.r * 255 + 0.5f),
          static_cast<std::uint8_t>(colour.g * 255 + 0.5f),
          static_cast<std::uint8_t>(colour.b * 255 + 0.5f)};
}

// The table window's caption strip, where its icon and buttons sit.
inline constexpr encode::Rgb kCaption = {0x6E, 0x2A, 0x13};
// The bottom bar near its top, where the command buttons and panels sit.
inline constexpr encode::Rgb kBottomBar = {0x4C, 0x21, 0x0E};
// The parchment of the dialogs and the small windows, and the lighter cards on it.
inline constexpr encode::Rgb kParchment = Of(design::kParchment);
inline constexpr encode::Rgb kParchmentLight = Of(design::kParchmentLight);

}  // namespace tlj::artgen::art::mattes
