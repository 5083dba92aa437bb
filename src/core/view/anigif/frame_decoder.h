#pragma once
// Decodes the image data of one frame to colour indexes. The frame's real colours are applied
// only when it is drawn, so each frame keeps its own palette and transparent index.

#include <cstdint>
#include <span>
#include <vector>

#include "core/view/anigif/gif_file.h"

namespace tlj::view::anigif {

// Fills `indexes` with frame.width * frame.height colour indexes, rows top to bottom; false
// when the data does not decode. `scratch` holds the frame's one-image GIF and is reused from
// frame to frame.
bool DecodeFrame(std::span<const std::uint8_t> file, const FrameInfo& frame,
                 std::vector<std::uint8_t>& scratch, std::vector<std::uint8_t>& indexes);

}  // namespace tlj::view::anigif
