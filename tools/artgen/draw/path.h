#pragma once
// Outlines made of closed or open polylines; curves are flattened as they are added.

#include <initializer_list>
#include <vector>

namespace tlj::artgen::draw {

struct Point {
  float x = 0, y = 0;
};

// x' = a x + c y + e, y' = b x + d y + f.
struct Affine {
  float a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

  Point Apply(Point p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
  static Affine Translate(float dx, float dy) { return {1, 0, 0, 1, dx, dy}; }
  static Affine Scale(float sx, float sy) { return {sx, 0, 0, sy, 0, 0}; }
  static Affine Rotate(float radians);
  Affine Inverse() const;
};

// The transform that applies `second` after `first`.
Affine Then(const Affine& first, const Affine& second);

struct Contour {
  std::vector<Point> points;
  bool closed = false;
};

class Path {
 public:
  Path& MoveTo(float x, float y);
  Path& LineTo(float x, float y);
  Path& QuadTo(float cx, float cy, float x, float y);
  Path& CubicTo(float c1x, float c1y, float c2x, float c2y, float x, float y);
  // Arc of the ellipse centred at (cx, cy) from angle a0 to a1 (radians, y down), joined to the
  // current contour by a line.
  Path& ArcTo(float cx, float cy, float rx, float ry, float a0, float a1);
  Path& Close();

  Path& AddRect(float x, float y, float w, float h);
  Path& AddRoundRect(float x, float y, float w, float h, float r);
  Path& AddEllipse(float cx, float cy, float rx, float ry);
  Path& AddCircle(float cx, float cy, float r) { return AddEllipse(cx, cy, r, r); }
  Path& AddPolygon(std::initializer_list<Point> points);
  Path& AddPath(const Path& other);

  Path Transformed(const Affine& t) const;
  // Every contour turned to the same winding, so that overlapping pieces add up under the
  // non-zero rule instead of cancelling.
  Path Normalized() const;
  Path Reversed() const;

  const std::vector<Contour>& Contours() const { return contours_; }
  bool Empty() const { return contours_.empty(); }

 private:
  Point Current() const;

  std::vector<Contour> contours_;
};

}  // namespace tlj::artgen::draw
