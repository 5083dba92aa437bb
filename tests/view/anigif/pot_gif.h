#pragma once
// A GIF shaped like the animated pot: a 192 x 192 canvas; frames of 192 x 192, 57 x 20 at
// 66, 112 and 192 x 192; delays 50, 20 and 100 hundredths; disposals 1, 1 and 2; transparent
// index 128 in all three; loop count 0.

#include <cstdint>

#include "tests/view/gif_builder.h"

namespace tlj::view::anigif::testing {

// Colours of the pot's frames: index i of frame k is (i, k * 60, 37 i mod 256), so every index
// of a frame has its own colour and neighbouring indexes differ on two channels; index 128 is
// clear.
inline tlj::testing::Colour PotColour(int frame, int index) {
  return {static_cast<std::uint8_t>(index), static_cast<std::uint8_t>(frame * 60),
          static_cast<std::uint8_t>(index * 37 % 256)};
}

// Frame k's pixel at (x, y) of its own rectangle: the first frame has a clear 32 x 32 square in
// its top-left corner; the third is clear in its right half.
inline std::uint8_t PotIndex(int frame, int x, int y) {
  if (frame == 1 && x < 32 && y < 32) return 128;
  if (frame == 3 && x >= 96) return 128;
  return static_cast<std::uint8_t>((x + y) % 100 + (frame == 2 ? 140 : 10));
}

inline tlj::testing::GifPlan PotGif() {
  tlj::testing::GifPlan plan;
  plan.width = 192;
  plan.height = 192;
  plan.loops = 0;
  const struct {
    int left, top, width, height, delay, disposal;
  } shapes[] = {{0, 0, 192, 192, 50, 1}, {66, 112, 57, 20, 20, 1}, {0, 0, 192, 192, 100, 2}};
  for (int k = 1; k <= 3; ++k) {
    const auto& s = shapes[k - 1];
    tlj::testing::GifFrame f = tlj::testing::Timed(
        tlj::testing::Filled(s.left, s.top, s.width, s.height, 0), s.delay, s.disposal, 128);
    for (int i = 0; i < 256; ++i) f.local.push_back(PotColour(k, i));
    for (int y = 0; y < s.height; ++y)
      for (int x = 0; x < s.width; ++x)
        f.pixels[static_cast<std::size_t>(y) * s.width + x] = PotIndex(k, x, y);
    plan.frames.push_back(f);
  }
  return plan;
}

}  // namespace tlj::view::anigif::testing
