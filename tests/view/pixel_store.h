#pragma once
// A resource store whose every picture is a one-pixel GIF, so that every picture the table asks
// for loads and any decoder it goes through accepts it.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/platform/resource_store.h"

namespace tlj::view::testing {

class PixelStore : public platform::ResourceStore {
 public:
  std::optional<std::span<const std::uint8_t>> Get(std::string_view, int) const override {
    return std::span<const std::uint8_t>(kGif);
  }

 private:
  // The smallest whole GIF.
  static constexpr std::array<std::uint8_t, 35> kGif = {
      'G',  'I', 'F',  '8',  '9',  'a',  1, 0, 1, 0, 0x80, 0, 0,  // screen 1x1, two colours
      0,    0,   0,    0xFF, 0xFF, 0xFF,                          // black, white
      0x2C, 0,   0,    0,    0,    1,    0, 1, 0, 0,              // the image, 1x1 at 0,0
      2,    2,   0x44, 1,    0,    0x3B};
};

}  // namespace tlj::view::testing
