#pragma once
// Turns the bytes of a picture resource into pixels. The format is told by the content (a GIF,
// of which the first frame is shown, or a JPEG), whatever type the resource is filed under.

#include <cstdint>
#include <memory>
#include <span>

#include "core/platform/image.h"

namespace tlj::view {

// No picture is larger than this on either side; larger ones are refused before any pixel
// memory is taken.
inline constexpr int kMaxPictureSide = 4096;

// Null when the bytes are neither format, are damaged, or describe a picture that is too large.
// A GIF's first frame is placed on its logical screen, which grows to hold the frame when the
// frame reaches past it; pixels of the transparent index and pixels outside the frame get
// alpha 0.
std::shared_ptr<const platform::Image> DecodePicture(std::span<const std::uint8_t> bytes);

}  // namespace tlj::view
