#pragma once
// A painted picture as a one-image GIF, the form the control hands its current frame out in.

#include <cstdint>
#include <vector>

#include "core/platform/image.h"

namespace tlj::view::anigif {

// Pixels with less than half alpha become the transparent index. A picture of at most 255
// colours keeps them exactly; one with more (a scaled frame blends colours) gets a reduced
// palette. Empty when the picture has no area or the encoder fails.
std::vector<std::uint8_t> EncodeGif(const platform::Image& image);

}  // namespace tlj::view::anigif
