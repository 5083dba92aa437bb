#pragma once
// Points the services at a fresh element tree and a resource store for one test, and puts them
// back afterwards.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/platform/element_tree.h"
#include "core/platform/resource_store.h"
#include "core/platform/services.h"
#include "core/view/layout.h"

namespace tlj::view::testing {

// Every id holds a one-frame GIF, so each picture the layout asks for loads.
class GifEverywhereStore : public platform::ResourceStore {
 public:
  std::optional<std::span<const std::uint8_t>> Get(std::string_view, int) const override {
    return std::span<const std::uint8_t>(kGif);
  }

 private:
  // The smallest whole GIF: one pixel.
  static constexpr std::array<std::uint8_t, 35> kGif = {
      'G',  'I', 'F',  '8',  '9',  'a',  1, 0, 1, 0, 0x80, 0, 0,  // screen 1x1, two colours
      0,    0,   0,    0xFF, 0xFF, 0xFF,                          // black, white
      0x2C, 0,   0,    0,    0,    1,    0, 1, 0, 0,              // the image, 1x1 at 0,0
      2,    2,   0x44, 1,    0,    0x3B};
};

class ViewTest : public ::testing::Test {
 protected:
  ViewTest() : saved_(platform::Sys()) {
    platform::Sys().ui = &tree;
    platform::Sys().store = &store;
  }
  ~ViewTest() override {
    platform::Sys() = saved_;
    LayoutScale = 1.0;
  }

  platform::ElementTree tree;
  GifEverywhereStore store;

 private:
  platform::Services saved_;
};

}  // namespace tlj::view::testing
