#pragma once
// The colour sets of the keys and buttons, so that related pictures match.

#include "tools/artgen/art/widgets.h"

namespace tlj::artgen::art::themes {

using draw::Hex;

// Table buttons: lacquered copper, cream lettering.
inline constexpr KeyTheme kCopper{Hex(0xD08048), Hex(0x7A3816),        Hex(0x43190A),
                                  Hex(0xFFF1D2), Hex(0x2E0E02, 0.75f), Hex(0xFFFFFF)};
// Keypad digits: ivory keys, dark brown figures.
inline constexpr KeyTheme kIvory{Hex(0xFFFBEF), Hex(0xE2CFA4),       Hex(0x7E5C32),
                                 Hex(0x4A2408), Hex(0xFFFFFF, 0.8f), Hex(0xB01A00)};
// Keypad amount keys: amber, the small words dark so that they read without a shadow.
inline constexpr KeyTheme kAmber{Hex(0xF7B04C), Hex(0xBC5A18),       Hex(0x6A2A08),
                                 Hex(0x3C1402), Hex(0xFFE0A0, 0.6f), Hex(0x6E0C00)};
// Agreeing: jade green.
inline constexpr KeyTheme kJade{Hex(0x58C884), Hex(0x1D7A45),       Hex(0x0C4626),
                                Hex(0xFFFFFF), Hex(0x06301A, 0.7f), Hex(0xFFFFFF)};
// Declining or switching off: brick red.
inline constexpr KeyTheme kBrick{Hex(0xE07A62), Hex(0x922D20),       Hex(0x561710),
                                 Hex(0xFFFFFF), Hex(0x3A0A04, 0.7f), Hex(0xFFFFFF)};
// The two table grounds the settings window offers.
inline constexpr KeyTheme kBlueGround{Hex(0x6AA8EC), Hex(0x1D4C9A),       Hex(0x0E2A5E),
                                      Hex(0xFFFFFF), Hex(0x071A40, 0.7f), Hex(0xFFFFFF)};
inline constexpr KeyTheme kGreenGround{Hex(0x4FA46A), Hex(0x165A32),       Hex(0x0A341C),
                                       Hex(0xFFFFFF), Hex(0x04200E, 0.7f), Hex(0xFFFFFF)};

}  // namespace tlj::artgen::art::themes
