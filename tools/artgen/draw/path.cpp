#include "tools/artgen/draw/path.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace tlj::artgen::draw {
namespace {

// Enough pieces that no curve in pictures of a few hundred pixels shows a corner.
constexpr int kCurvePieces = 32;
constexpr int kFullTurnPieces = 128;

float SignedArea(const std::vector<Point>& points) {
  float area = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point& p = points[i];
    const Point& q = points[(i + 1) % points.size()];
    area += p.x * q.y - q.x * p.y;
  }
  return area / 2;
}

}  // namespace

Affine Affine::Rotate(float radians) {
  const float c = std::cos(radians);
  const float s = std::sin(radians);
  return {c, s, -s, c, 0, 0};
}

Affine Affine::Inverse() const {
  const float det = a * d - b * c;
  if (det == 0) throw std::invalid_argument("artgen: singular transform");
  const float ia = d / det, ib = -b / det, ic = -c / det, id = a / det;
  return {ia, ib, ic, id, -(ia * e + ic * f), -(ib * e + id * f)};
}

Affine Then(const Affine& first, const Affine& second) {
  return {second.a * first.a + second.c * first.b,
          second.b * first.a + second.d * first.b,
          second.a * first.c + second.c * first.d,
          second.b * first.c + second.d * first.d,
          second.a * first.e + second.c * first.f + second.e,
          second.b * first.e + second.d * first.f + second.f};
}

Point Path::Current() const {
  if (contours_.empty() || contours_.back().points.empty())
    throw std::logic_error("artgen: path segment without a start point");
  return contours_.back().points.back();
}

Path& Path::MoveTo(float x, float y) {
  contours_.push_back({{{x, y}}, false});
  return *this;
}

Path& Path::LineTo(float x, float y) {
  Current();
  contours_.back().points.push_back({x, y});
  return *this;
}

Path& Path::QuadTo(float cx, float cy, float x, float y) {
  const Point p0 = Current();
  for (int i = 1; i <= kCurvePieces; ++i) {
    const float t = static_cast<float>(i) / kCurvePieces;
    const float u = 1 - t;
    contours_.back().points.push_back(
        {u * u * p0.x + 2 * u * t * cx + t * t * x, u * u * p0.y + 2 * u * t * cy + t * t * y});
  }
  return *this;
}

Path& Path::CubicTo(float c1x, float c1y, float c2x, float c2y, float x, float y) {
  const Point p0 = Current();
  for (int i = 1; i <= kCurvePieces; ++i) {
    const float t = static_cast<float>(i) / kCurvePieces;
    const float u = 1 - t;
    const float w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
    contours_.back().points.push_back(
        {w0 * p0.x + w1 * c1x + w2 * c2x + w3 * x, w0 * p0.y + w1 * c1y + w2 * c2y + w3 * y});
  }
  return *this;
}

Path& Path::ArcTo(float cx, float cy, float rx, float ry, float a0, float a1) {
  const float turn = std::abs(a1 - a0) / (2 * std::numbers::pi_v<float>);
  const int pieces = std::max(8, static_cast<int>(std::ceil(turn * kFullTurnPieces)));
  const Point start{cx + rx * std::cos(a0), cy + ry * std::sin(a0)};
  if (contours_.empty() || contours_.back().closed) {
    MoveTo(start.x, start.y);
  } else {
    contours_.back().points.push_back(start);
  }
  for (int i = 1; i <= pieces; ++i) {
    const float a = a0 + (a1 - a0) * static_cast<float>(i) / static_cast<float>(pieces);
    contours_.back().points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return *this;
}

Path& Path::Close() {
  Current();
  contours_.back().closed = true;
  return *this;
}

Path& Path::AddRect(float x, float y, float w, float h) {
  return AddPolygon({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}});
}

Path& Path::AddRoundRect(float x, float y, float w, float h, float r) {
  r = std::min({r, w / 2, h / 2});
  if (r <= 0) return AddRect(x, y, w, h);
  constexpr float kPi = std::numbers::pi_v<float>;
  contours_.push_back({});
  ArcTo(x + w - r, y + r, r, r, -kPi / 2, 0);
  ArcTo(x + w - r, y + h - r, r, r, 0, kPi / 2);
  ArcTo(x + r, y + h - r, r, r, kPi / 2, kPi);
  ArcTo(x + r, y + r, r, r, kPi, 1.5f * kPi);
  return Close();
}

Path& Path::AddEllipse(float cx, float cy, float rx, float ry) {
  contours_.push_back({});
  ArcTo(cx, cy, rx, ry, 0, 2 * std::numbers::pi_v<float>);
  contours_.back().points.pop_back();  // the last point repeats the first
  return Close();
}

Path& Path::AddPolygon(std::initializer_list<Point> points) {
  contours_.push_back({std::vector<Point>(points), true});
  return *this;
}

Path& Path::AddPath(const Path& other) {
  contours_.insert(contours_.end(), other.contours_.begin(), other.contours_.end());
  return *this;
}

Path Path::Transformed(const Affine& t) const {
  Path out = *this;
  for (Contour& contour : out.contours_)
    for (Point& p : contour.points) p = t.Apply(p);
  return out;
}

Path Path::Normalized() const {
  Path out = *this;
  for (Contour& contour : out.contours_)
    if (SignedArea(contour.points) < 0) std::reverse(contour.points.begin(), contour.points.end());
  return out;
}

Path Path::Reversed() const {
  Path out = *this;
  for (Contour& contour : out.contours_) std::reverse(contour.points.begin(), contour.points.end());
  return out;
}

}  // namespace tlj::artgen::draw
