#include "core/view/anigif/canvas.h"

#include <algorithm>
#include <cstddef>

namespace tlj::view::anigif {
namespace {

std::uint32_t* CanvasRow(Canvas& canvas, int x, int y) {
  return canvas.pixels.data() + static_cast<std::size_t>(y) * canvas.width + x;
}

template <typename T>
void FlipRows(std::vector<T>& pixels, int width, int height) {
  for (int y = 0; y < height / 2; ++y) {
    auto upper = pixels.begin() + static_cast<std::ptrdiff_t>(y) * width;
    auto lower = pixels.begin() + static_cast<std::ptrdiff_t>(height - 1 - y) * width;
    std::swap_ranges(upper, upper + width, lower);
  }
}

template <typename T>
void FlipColumns(std::vector<T>& pixels, int width, int height) {
  for (int y = 0; y < height; ++y) {
    auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y) * width;
    std::reverse(row, row + width);
  }
}

}  // namespace

Frame MakeFrame(const FrameInfo& info, std::vector<std::uint8_t> pixels) {
  Frame frame;
  frame.left = info.left;
  frame.top = info.top;
  frame.width = info.width;
  frame.height = info.height;
  frame.colours.fill(kOpaqueBlack);
  for (std::size_t i = 0; i < info.palette.size() && i < frame.colours.size(); ++i) {
    const Rgb& c = info.palette[i];
    frame.colours[i] = PackRgba(c.red, c.green, c.blue, 255);
  }
  frame.transparent = info.transparent;
  frame.transparent_index = info.transparent_index;
  frame.disposal = info.disposal;
  frame.delay_ms = info.delay_ms;
  frame.pixels = std::move(pixels);
  return frame;
}

bool NeedsMask(const std::vector<Frame>& frames, int width, int height) {
  if (frames.empty()) return false;
  const Frame& first = frames.front();
  const bool first_covers =
      first.left == 0 && first.top == 0 && first.width >= width && first.height >= height;
  bool any_transparent = false;
  for (const Frame& f : frames) {
    if (f.disposal == 2 || f.disposal == 3) return true;
    any_transparent = any_transparent || f.transparent;
  }
  return first.transparent || (any_transparent && !first_covers);
}

void ResetCanvas(Canvas& canvas, int width, int height, bool masked) {
  canvas.width = width;
  canvas.height = height;
  canvas.masked = masked;
  canvas.pixels.assign(static_cast<std::size_t>(width) * height, masked ? 0 : kOpaqueBlack);
  canvas.saved.clear();
}

void DrawFrame(Canvas& canvas, const Frame& frame) {
  if (frame.disposal == 3) {
    canvas.saved.resize(frame.pixels.size());
    for (int y = 0; y < frame.height; ++y) {
      const std::uint32_t* row = CanvasRow(canvas, frame.left, frame.top + y);
      std::copy_n(row, frame.width,
                  canvas.saved.begin() + static_cast<std::ptrdiff_t>(y) * frame.width);
    }
  }
  const std::uint32_t* colours = frame.colours.data();
  for (int y = 0; y < frame.height; ++y) {
    const std::uint8_t* in = frame.pixels.data() + static_cast<std::size_t>(y) * frame.width;
    std::uint32_t* out = CanvasRow(canvas, frame.left, frame.top + y);
    if (frame.transparent) {
      const std::uint8_t clear = frame.transparent_index;
      for (int x = 0; x < frame.width; ++x)
        if (in[x] != clear) out[x] = colours[in[x]];
    } else {
      for (int x = 0; x < frame.width; ++x) out[x] = colours[in[x]];
    }
  }
}

void DisposeFrame(Canvas& canvas, const Frame& frame) {
  if (frame.disposal == 2) {
    const std::uint32_t background = canvas.masked ? 0 : kOpaqueBlack;
    for (int y = 0; y < frame.height; ++y)
      std::fill_n(CanvasRow(canvas, frame.left, frame.top + y), frame.width, background);
  } else if (frame.disposal == 3) {
    for (int y = 0; y < frame.height; ++y) {
      std::copy_n(canvas.saved.begin() + static_cast<std::ptrdiff_t>(y) * frame.width, frame.width,
                  CanvasRow(canvas, frame.left, frame.top + y));
    }
  }
}

void MirrorAll(std::vector<Frame>& frames, Canvas& canvas, int bits) {
  for (Frame& f : frames) {
    if ((bits & 1) != 0) {
      FlipColumns(f.pixels, f.width, f.height);
      f.left = canvas.width - (f.left + f.width);
    }
    if ((bits & 2) != 0) {
      FlipRows(f.pixels, f.width, f.height);
      f.top = canvas.height - (f.top + f.height);
    }
  }
  if ((bits & 1) != 0) FlipColumns(canvas.pixels, canvas.width, canvas.height);
  if ((bits & 2) != 0) FlipRows(canvas.pixels, canvas.width, canvas.height);
}

}  // namespace tlj::view::anigif
