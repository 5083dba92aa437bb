#pragma once
// A decoded picture: straight (not premultiplied) RGBA, 8 bits a channel, rows top to bottom.

#include <cstdint>
#include <vector>

namespace tlj::platform {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // width * height * 4 bytes

  std::uint8_t* Pixel(int x, int y) { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
  const std::uint8_t* Pixel(int x, int y) const {
    return &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
  }
};

}  // namespace tlj::platform
