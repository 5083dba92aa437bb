#pragma once
// The two jokers: the small one black and white, the big one in colour.

#include "tools/artgen/draw/canvas.h"

namespace tlj::artgen::art {

draw::Canvas JokerCard(int width, int height, bool big);

}  // namespace tlj::artgen::art
