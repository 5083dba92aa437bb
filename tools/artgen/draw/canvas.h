#pragma once
// An RGBA picture to draw on. Pixels are premultiplied floats, so that layers blend without
// dark fringes; Pixels() hands them out as straight 8-bit RGBA.

#include <cstdint>
#include <vector>

#include "tools/artgen/draw/mask.h"
#include "tools/artgen/draw/paint.h"
#include "tools/artgen/draw/path.h"

namespace tlj::artgen::draw {

class Canvas {
 public:
  Canvas(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Source-over: paints the paint through the mask.
  void Fill(const Mask& mask, const Paint& paint, float opacity = 1.0f);
  void Fill(const Path& path, const Paint& paint, float opacity = 1.0f);
  void Stroke(const Path& path, float line_width, const Paint& paint, float opacity = 1.0f);
  // Source-over of a picture of the same size.
  void Draw(const Canvas& layer, float opacity = 1.0f);
  // Source-over of a picture placed by a transform (source pixels to these), sampled bilinearly.
  void DrawTransformed(const Canvas& source, const Affine& placement, float opacity = 1.0f);
  // Keeps only what lies under the mask.
  void Clip(const Mask& mask);

  Canvas Rotated180() const;
  // Straight colour of a pixel.
  Rgba At(int x, int y) const;
  // Straight 8-bit RGBA, rows top to bottom.
  std::vector<std::uint8_t> Pixels() const;

  Mask Coverage(const Path& path, FillRule rule = FillRule::kNonZero) const {
    return draw::Fill(width_, height_, path, rule);
  }

 private:
  float* Premultiplied(int x, int y) {
    return &data_[(static_cast<std::size_t>(y) * width_ + x) * 4];
  }
  const float* Premultiplied(int x, int y) const {
    return &data_[(static_cast<std::size_t>(y) * width_ + x) * 4];
  }
  // Premultiplied colour of the source at a real position, zero outside.
  void Bilinear(float x, float y, float out[4]) const;

  int width_;
  int height_;
  std::vector<float> data_;
};

}  // namespace tlj::artgen::draw
