#pragma once
// Composition of the frames on the canvas. A canvas pixel is straight RGBA; where the canvas
// keeps a mask, a transparent pixel is all zero (black under a white mask), so the canvas and
// its mask are one buffer.

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "core/view/anigif/gif_file.h"

namespace tlj::view::anigif {

// Red, green, blue, alpha in memory order, as platform::Image keeps them.
constexpr std::uint32_t PackRgba(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
  return std::bit_cast<std::uint32_t>(std::array<std::uint8_t, 4>{r, g, b, a});
}
inline constexpr std::uint32_t kOpaqueBlack = PackRgba(0, 0, 0, 255);

// A decoded frame, ready to draw.
struct Frame {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  // The frame's own palette; indexes it does not reach draw opaque black.
  std::array<std::uint32_t, 256> colours{};
  bool transparent = false;
  std::uint8_t transparent_index = 0;
  int disposal = 0;
  int delay_ms = 0;
  std::vector<std::uint8_t> pixels;  // colour indexes, width * height
};

struct Canvas {
  int width = 0;
  int height = 0;
  bool masked = false;
  std::vector<std::uint32_t> pixels;
  std::vector<std::uint32_t> saved;  // what lies under a disposal-3 frame while it shows
};

Frame MakeFrame(const FrameInfo& info, std::vector<std::uint8_t> pixels);

// Whether anything of the canvas can show through: some frame is disposed to the background or
// to the previous picture, the first frame has a transparent colour, or some frame has one and
// the first frame leaves part of the canvas uncovered.
bool NeedsMask(const std::vector<Frame>& frames, int width, int height);

// An empty canvas: transparent when it has a mask, black otherwise.
void ResetCanvas(Canvas& canvas, int width, int height, bool masked);

// Draws the frame at its place; its transparent pixels leave the canvas as it was.
void DrawFrame(Canvas& canvas, const Frame& frame);
// Applies the frame's disposal once the frame has been shown.
void DisposeFrame(Canvas& canvas, const Frame& frame);

// Flips every frame and the canvas: left-right for bit 0, top-bottom for bit 1.
void MirrorAll(std::vector<Frame>& frames, Canvas& canvas, int bits);

}  // namespace tlj::view::anigif
