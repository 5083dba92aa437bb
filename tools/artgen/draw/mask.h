#pragma once
// Coverage masks (0..1 per pixel) and the rasteriser that makes them from paths.

#include <vector>

#include "tools/artgen/draw/path.h"

namespace tlj::artgen::draw {

enum class FillRule { kNonZero, kEvenOdd };

class Mask {
 public:
  Mask(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  float At(int x, int y) const { return values_[Index(x, y)]; }
  float& At(int x, int y) { return values_[Index(x, y)]; }

  // Keeps coverage where both masks have it (multiplies).
  Mask& Intersect(const Mask& other);
  // Coverage of either mask.
  Mask& Unite(const Mask& other);
  // Removes the other mask's coverage from this one.
  Mask& Subtract(const Mask& other);
  Mask& Scale(float factor);

  Mask Shifted(int dx, int dy) const;
  // Gaussian blur with the given standard deviation in pixels.
  Mask Blurred(float sigma) const;
  // Grows the covered area by a disc of the given radius.
  Mask Dilated(float radius) const;

 private:
  int Index(int x, int y) const { return y * width_ + x; }

  int width_;
  int height_;
  std::vector<float> values_;
};

// Anti-aliased coverage of the area inside the path: 16 sub-rows a pixel, exact in x.
Mask Fill(int width, int height, const Path& path, FillRule rule = FillRule::kNonZero);

// Anti-aliased coverage of the path's lines drawn with round ends and joins.
Mask Stroke(int width, int height, const Path& path, float line_width);

}  // namespace tlj::artgen::draw
