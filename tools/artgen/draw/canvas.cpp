#include "tools/artgen/draw/canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tlj::artgen::draw {
namespace {

void BlendOver(float* dst, const float src[4], float opacity) {
  const float a = src[3] * opacity;
  if (a <= 0) return;
  for (int i = 0; i < 3; ++i) dst[i] = src[i] * opacity + dst[i] * (1 - a);
  dst[3] = a + dst[3] * (1 - a);
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), data_(static_cast<std::size_t>(width) * height * 4, 0.0f) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("artgen: empty canvas");
}

void Canvas::Fill(const Mask& mask, const Paint& paint, float opacity) {
  if (mask.Width() != width_ || mask.Height() != height_)
    throw std::invalid_argument("artgen: mask and canvas of different sizes");
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const float cover = mask.At(x, y) * opacity;
      if (cover <= 0) continue;
      const Rgba c = paint(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
      const float a = c.a;
      const float src[4] = {c.r * a, c.g * a, c.b * a, a};
      BlendOver(Premultiplied(x, y), src, cover);
    }
}

void Canvas::Fill(const Path& path, const Paint& paint, float opacity) {
  Fill(Coverage(path), paint, opacity);
}

void Canvas::Stroke(const Path& path, float line_width, const Paint& paint, float opacity) {
  Fill(draw::Stroke(width_, height_, path, line_width), paint, opacity);
}

void Canvas::Draw(const Canvas& layer, float opacity) {
  if (layer.width_ != width_ || layer.height_ != height_)
    throw std::invalid_argument("artgen: layer and canvas of different sizes");
  for (std::size_t i = 0; i < data_.size(); i += 4) BlendOver(&data_[i], &layer.data_[i], opacity);
}

void Canvas::Bilinear(float x, float y, float out[4]) const {
  const float fx = x - 0.5f, fy = y - 0.5f;
  const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
  const float tx = fx - static_cast<float>(x0), ty = fy - static_cast<float>(y0);
  for (int i = 0; i < 4; ++i) out[i] = 0;
  for (int j = 0; j < 2; ++j)
    for (int i = 0; i < 2; ++i) {
      const int sx = x0 + i, sy = y0 + j;
      if (sx < 0 || sy < 0 || sx >= width_ || sy >= height_) continue;
      const float w = (i ? tx : 1 - tx) * (j ? ty : 1 - ty);
      const float* p = Premultiplied(sx, sy);
      for (int k = 0; k < 4; ++k) out[k] += w * p[k];
    }
}

void Canvas::DrawTransformed(const Canvas& source, const Affine& placement, float opacity) {
  const Affine back = placement.Inverse();
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const Point s = back.Apply({static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f});
      float src[4];
      source.Bilinear(s.x, s.y, src);
      BlendOver(Premultiplied(x, y), src, opacity);
    }
}

void Canvas::Clip(const Mask& mask) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      float* p = Premultiplied(x, y);
      for (int k = 0; k < 4; ++k) p[k] *= mask.At(x, y);
    }
}

Canvas Canvas::Rotated180() const {
  Canvas out(width_, height_);
  const std::size_t pixels = data_.size() / 4;
  for (std::size_t i = 0; i < pixels; ++i)
    std::copy_n(&data_[i * 4], 4, &out.data_[(pixels - 1 - i) * 4]);
  return out;
}

Rgba Canvas::At(int x, int y) const {
  const float* p = Premultiplied(x, y);
  if (p[3] <= 0) return {0, 0, 0, 0};
  return {p[0] / p[3], p[1] / p[3], p[2] / p[3], p[3]};
}

std::vector<std::uint8_t> Canvas::Pixels() const {
  std::vector<std::uint8_t> out(static_cast<std::size_t>(width_) * height_ * 4);
  const auto byte = [](float v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
  };
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const Rgba c = At(x, y);
      std::uint8_t* o = &out[(static_cast<std::size_t>(y) * width_ + x) * 4];
      o[0] = byte(c.r);
      o[1] = byte(c.g);
      o[2] = byte(c.b);
      o[3] = byte(c.a);
    }
  return out;
}

}  // namespace tlj::artgen::draw
