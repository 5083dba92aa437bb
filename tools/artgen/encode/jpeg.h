#pragma once
// JFIF (JPEG) files written with libjpeg.

#include <cstdint>
#include <vector>

namespace tlj::artgen::encode {

// Encodes straight RGBA (alpha is ignored: the picture must be opaque) at the given quality.
std::vector<std::uint8_t> EncodeJpeg(const std::vector<std::uint8_t>& rgba, int width, int height,
                                     int quality = 90);

}  // namespace tlj::artgen::encode
