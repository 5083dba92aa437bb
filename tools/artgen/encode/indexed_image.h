#pragma once
// A picture of palette indexes, as a GIF holds it.

#include <array>
#include <cstdint>
#include <vector>

namespace tlj::artgen::encode {

using Rgb = std::array<std::uint8_t, 3>;

struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> indexes;  // width * height, rows top to bottom
  std::vector<Rgb> palette;           // a power of two entries, 2..256
  int transparent = -1;               // the index shown as transparent, or -1
};

// Straight 8-bit RGBA of an indexed picture (the transparent index becomes alpha 0).
std::vector<std::uint8_t> ToRgba(const IndexedImage& image);

}  // namespace tlj::artgen::encode
