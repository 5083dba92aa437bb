#pragma once
// The program's icon: two fanned cards, the back one red, the front one with a diamond. At 16
// pixels it is the table window's icon (design picture 2); the larger sizes, for the desktop's
// menus and launchers, add what 16 pixels cannot hold.

#include "tools/artgen/draw/canvas.h"

namespace tlj::artgen::art {

// The sizes installed under share/icons/hicolor.
inline constexpr int kAppIconSizes[] = {16, 32, 48, 64, 128};

draw::Canvas AppIcon(int size);

}  // namespace tlj::artgen::art
