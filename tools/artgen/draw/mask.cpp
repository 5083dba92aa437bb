#include "tools/artgen/draw/mask.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tlj::artgen::draw {
namespace {

constexpr int kSubRows = 16;

struct Edge {
  float x0, y0, x1, y1;
  int direction;
};

struct Crossing {
  float x;
  int direction;
};

std::vector<Edge> EdgesOf(const Path& path) {
  std::vector<Edge> edges;
  for (const Contour& contour : path.Contours()) {
    const auto& pts = contour.points;
    for (std::size_t i = 0; i < pts.size(); ++i) {
      const Point p = pts[i];
      const Point q = pts[(i + 1) % pts.size()];  // a fill closes every contour
      if (p.y == q.y) continue;
      if (p.y < q.y) {
        edges.push_back({p.x, p.y, q.x, q.y, 1});
      } else {
        edges.push_back({q.x, q.y, p.x, p.y, -1});
      }
    }
  }
  return edges;
}

// Adds weight × the covered part of each pixel between xa and xb to a row.
void AddSpan(std::vector<float>& row, float xa, float xb, float weight) {
  const float limit = static_cast<float>(row.size());
  xa = std::clamp(xa, 0.0f, limit);
  xb = std::clamp(xb, 0.0f, limit);
  if (xb <= xa) return;
  const int ia = static_cast<int>(xa);
  const int ib = static_cast<int>(xb);
  if (ia == ib) {
    row[ia] += (xb - xa) * weight;
    return;
  }
  row[ia] += (static_cast<float>(ia + 1) - xa) * weight;
  for (int k = ia + 1; k < ib; ++k) row[k] += weight;
  if (ib < static_cast<int>(row.size())) row[ib] += (xb - static_cast<float>(ib)) * weight;
}

float SegmentDistance(Point p, Point a, Point b) {
  const float dx = b.x - a.x, dy = b.y - a.y;
  const float length2 = dx * dx + dy * dy;
  float t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
  t = std::clamp(t, 0.0f, 1.0f);
  const float ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
  return std::sqrt(ex * ex + ey * ey);
}

void CheckSameSize(const Mask& a, const Mask& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height())
    throw std::invalid_argument("artgen: masks of different sizes");
}

}  // namespace

Mask::Mask(int width, int height)
    : width_(width), height_(height), values_(static_cast<std::size_t>(width) * height, 0.0f) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("artgen: empty mask");
}

Mask& Mask::Intersect(const Mask& other) {
  CheckSameSize(*this, other);
  for (std::size_t i = 0; i < values_.size(); ++i) values_[i] *= other.values_[i];
  return *this;
}

Mask& Mask::Unite(const Mask& other) {
  CheckSameSize(*this, other);
  for (std::size_t i = 0; i < values_.size(); ++i)
    values_[i] = values_[i] + other.values_[i] - values_[i] * other.values_[i];
  return *this;
}

Mask& Mask::Subtract(const Mask& other) {
  CheckSameSize(*this, other);
  for (std::size_t i = 0; i < values_.size(); ++i) values_[i] *= 1 - other.values_[i];
  return *this;
}

Mask& Mask::Scale(float factor) {
  for (float& v : values_) v = std::clamp(v * factor, 0.0f, 1.0f);
  return *this;
}

Mask Mask::Shifted(int dx, int dy) const {
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y) {
    const int sy = y - dy;
    if (sy < 0 || sy >= height_) continue;
    for (int x = 0; x < width_; ++x) {
      const int sx = x - dx;
      if (sx >= 0 && sx < width_) out.At(x, y) = At(sx, sy);
    }
  }
  return out;
}

Mask Mask::Blurred(float sigma) const {
  if (sigma <= 0) return *this;
  const int radius = static_cast<int>(std::ceil(3 * sigma));
  std::vector<float> kernel(2 * radius + 1);
  float sum = 0;
  for (int i = -radius; i <= radius; ++i) {
    kernel[i + radius] = std::exp(-static_cast<float>(i * i) / (2 * sigma * sigma));
    sum += kernel[i + radius];
  }
  for (float& k : kernel) k /= sum;
  Mask across(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      float v = 0;
      for (int i = -radius; i <= radius; ++i) {
        const int sx = x + i;
        if (sx >= 0 && sx < width_) v += kernel[i + radius] * At(sx, y);
      }
      across.At(x, y) = v;
    }
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      float v = 0;
      for (int i = -radius; i <= radius; ++i) {
        const int sy = y + i;
        if (sy >= 0 && sy < height_) v += kernel[i + radius] * across.At(x, sy);
      }
      out.At(x, y) = std::min(v, 1.0f);
    }
  return out;
}

Mask Mask::Dilated(float radius) const {
  const int reach = static_cast<int>(std::ceil(radius + 0.5f));
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      float best = 0;
      for (int dy = -reach; dy <= reach; ++dy) {
        const int sy = y + dy;
        if (sy < 0 || sy >= height_) continue;
        for (int dx = -reach; dx <= reach; ++dx) {
          const int sx = x + dx;
          if (sx < 0 || sx >= width_) continue;
          const float distance = std::sqrt(static_cast<float>(dx * dx + dy * dy));
          const float reachable = std::clamp(radius + 0.5f - distance, 0.0f, 1.0f);
          best = std::max(best, At(sx, sy) * reachable);
        }
      }
      out.At(x, y) = best;
    }
  return out;
}

Mask Fill(int width, int height, const Path& path, FillRule rule) {
  Mask mask(width, height);
  const std::vector<Edge> edges = EdgesOf(path);
  if (edges.empty()) return mask;
  float top = edges.front().y0, bottom = edges.front().y1;
  for (const Edge& e : edges) {
    top = std::min(top, e.y0);
    bottom = std::max(bottom, e.y1);
  }
  const int first_row = std::max(0, static_cast<int>(std::floor(top)));
  const int last_row = std::min(height - 1, static_cast<int>(std::ceil(bottom)));
  std::vector<float> row(width);
  std::vector<const Edge*> row_edges;
  std::vector<Crossing> crossings;
  for (int y = first_row; y <= last_row; ++y) {
    const float row_top = static_cast<float>(y), row_bottom = row_top + 1;
    row_edges.clear();
    for (const Edge& e : edges)
      if (e.y1 > row_top && e.y0 < row_bottom) row_edges.push_back(&e);
    if (row_edges.empty()) continue;
    std::fill(row.begin(), row.end(), 0.0f);
    for (int s = 0; s < kSubRows; ++s) {
      const float sy = row_top + (static_cast<float>(s) + 0.5f) / kSubRows;
      crossings.clear();
      for (const Edge* e : row_edges) {
        if (sy < e->y0 || sy >= e->y1) continue;
        crossings.push_back(
            {e->x0 + (sy - e->y0) * (e->x1 - e->x0) / (e->y1 - e->y0), e->direction});
      }
      std::sort(crossings.begin(), crossings.end(),
                [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
      int winding = 0;
      for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].direction;
        const bool inside = rule == FillRule::kNonZero ? winding != 0 : (winding & 1) != 0;
        if (inside) AddSpan(row, crossings[i].x, crossings[i + 1].x, 1.0f / kSubRows);
      }
    }
    for (int x = 0; x < width; ++x) mask.At(x, y) = std::min(row[x], 1.0f);
  }
  return mask;
}

Mask Stroke(int width, int height, const Path& path, float line_width) {
  Mask mask(width, height);
  const float half = line_width / 2;
  const auto stamp = [&](Point a, Point b) {
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - half - 1)));
    const int x1 = std::min(width - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + half + 1)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - half - 1)));
    const int y1 = std::min(height - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + half + 1)));
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) {
        const Point centre{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f};
        const float cover = std::clamp(half + 0.5f - SegmentDistance(centre, a, b), 0.0f, 1.0f);
        mask.At(x, y) = std::max(mask.At(x, y), cover);
      }
  };
  for (const Contour& contour : path.Contours()) {
    const auto& pts = contour.points;
    if (pts.size() == 1) stamp(pts[0], pts[0]);
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) stamp(pts[i], pts[i + 1]);
    if (contour.closed && pts.size() > 2) stamp(pts.back(), pts.front());
  }
  return mask;
}

}  // namespace tlj::artgen::draw
