#include "core/view/anigif/stretch.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tlj::view::anigif {
namespace {

int Scaled(int side, double scale) {
  return std::max(1, static_cast<int>(std::lround(side * scale)));
}

// Each drawn pixel takes the canvas pixels its area covers, in proportion to the cover.
std::vector<Taps> AxisTaps(int from, int to, std::vector<float>& weights) {
  std::vector<Taps> taps(static_cast<std::size_t>(to));
  const double scale = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    const double begin = i * scale;
    const double end = (i + 1) * scale;
    Taps& t = taps[static_cast<std::size_t>(i)];
    t.first = static_cast<int>(begin);
    t.weights_at = static_cast<int>(weights.size());
    const int last = std::min(from, static_cast<int>(std::ceil(end)));
    for (int j = t.first; j < last; ++j) {
      const double covered = std::min(end, j + 1.0) - std::max(begin, static_cast<double>(j));
      weights.push_back(static_cast<float>(covered / scale));
    }
    t.count = last - t.first;
  }
  return taps;
}

void Prepare(ScaleWork& work, Size from, Size to) {
  if (work.from == from && work.to == to) return;
  work.from = from;
  work.to = to;
  work.weights.clear();
  work.across = AxisTaps(from.width, to.width, work.weights);
  work.down = AxisTaps(from.height, to.height, work.weights);
  work.columns.resize(static_cast<std::size_t>(to.height) * from.width * 4);
}

// The four channels of a pixel side by side, so that one operation weighs all of them.
using Channels = float __attribute__((vector_size(16)));
using Whole = std::int32_t __attribute__((vector_size(16)));

// Transparent canvas pixels are all zero, so the sums are sums of premultiplied colour; the
// result is turned back into straight alpha. Heights first: that pass runs over whole rows.
void Resample(const Canvas& canvas, Size drawn, ScaleWork& work, platform::Image& out) {
  Prepare(work, {canvas.width, canvas.height}, drawn);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(canvas.pixels.data());
  const float* weights = work.weights.data();
  const std::size_t row_values = static_cast<std::size_t>(canvas.width) * 4;
  for (int y = 0; y < drawn.height; ++y) {
    const Taps& t = work.down[static_cast<std::size_t>(y)];
    float* column = work.columns.data() + static_cast<std::size_t>(y) * row_values;
    std::fill_n(column, row_values, 0.0f);
    for (int k = 0; k < t.count; ++k) {
      const float w = weights[t.weights_at + k];
      const std::uint8_t* in = bytes + static_cast<std::size_t>(t.first + k) * row_values;
      for (std::size_t i = 0; i < row_values; ++i) column[i] += w * in[i];
    }
  }
  for (int y = 0; y < drawn.height; ++y) {
    const float* column = work.columns.data() + static_cast<std::size_t>(y) * row_values;
    std::uint8_t* pixel = out.Pixel(0, y);
    for (int x = 0; x < drawn.width; ++x, pixel += 4) {
      const Taps& t = work.across[static_cast<std::size_t>(x)];
      Channels sum = {0, 0, 0, 0};
      for (int k = 0; k < t.count; ++k) {
        Channels in;
        std::memcpy(&in, column + static_cast<std::size_t>(t.first + k) * 4, sizeof in);
        sum += weights[t.weights_at + k] * in;
      }
      const float alpha = sum[3];
      if (alpha < 0.5f) {
        std::memset(pixel, 0, 4);
        continue;
      }
      // Straight colour: divided by the cover, which is 1 where the canvas was opaque.
      const Channels straight = sum * (alpha >= 254.5f ? 1.0f : 255.0f / alpha) + 0.5f;
      const Whole whole = __builtin_convertvector(straight < 255.0f ? straight : 255.0f, Whole);
      for (int c = 0; c < 3; ++c) pixel[c] = static_cast<std::uint8_t>(whole[c]);
      pixel[3] = static_cast<std::uint8_t>(std::min(alpha + 0.5f, 255.0f));
    }
  }
}

}  // namespace

Size DrawnSize(int stretch, Size canvas, Size client) {
  const bool empty_client = client.width <= 0 || client.height <= 0;
  const double sx = empty_client ? 1.0 : static_cast<double>(client.width) / canvas.width;
  const double sy = empty_client ? 1.0 : static_cast<double>(client.height) / canvas.height;
  Size drawn;
  switch (stretch) {
    case 0:
      drawn = {std::min(canvas.width, client.width), std::min(canvas.height, client.height)};
      break;
    case 1:
    case 3: {
      const double scale = stretch == 3 && sx > 1 && sy > 1 ? 1.0 : std::min(sx, sy);
      drawn = {Scaled(canvas.width, scale), Scaled(canvas.height, scale)};
      break;
    }
    case 2:
      drawn = client;
      break;
    default:
      drawn = canvas;
      break;
  }
  drawn.width = std::clamp(drawn.width, 0, kMaxCanvasSide);
  drawn.height = std::clamp(drawn.height, 0, kMaxCanvasSide);
  return drawn;
}

void RenderCanvas(const Canvas& canvas, int stretch, Size drawn, ScaleWork& work,
                  platform::Image& out) {
  out.width = drawn.width;
  out.height = drawn.height;
  out.rgba.resize(static_cast<std::size_t>(drawn.width) * drawn.height * 4);
  if (drawn.width == 0 || drawn.height == 0) return;
  if (stretch == 0 || drawn == Size{canvas.width, canvas.height}) {
    for (int y = 0; y < drawn.height; ++y) {
      std::memcpy(out.Pixel(0, y),
                  canvas.pixels.data() + static_cast<std::size_t>(y) * canvas.width,
                  static_cast<std::size_t>(drawn.width) * 4);
    }
    return;
  }
  Resample(canvas, drawn, work, out);
}

}  // namespace tlj::view::anigif
