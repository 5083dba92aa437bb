#include "tools/artgen/draw/paint.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace tlj::artgen::draw {

Rgba Sample(const std::vector<Stop>& stops, float t) {
  if (stops.empty()) throw std::invalid_argument("artgen: gradient without stops");
  if (t <= stops.front().at) return stops.front().colour;
  for (std::size_t i = 1; i < stops.size(); ++i) {
    if (t > stops[i].at) continue;
    const Stop& a = stops[i - 1];
    const Stop& b = stops[i];
    const float span = b.at - a.at;
    return span > 0 ? Mix(a.colour, b.colour, (t - a.at) / span) : b.colour;
  }
  return stops.back().colour;
}

Paint Solid(Rgba colour) {
  return [colour](float, float) { return colour; };
}

Paint Linear(Point from, Point to, std::vector<Stop> stops) {
  const float dx = to.x - from.x, dy = to.y - from.y;
  const float length2 = dx * dx + dy * dy;
  if (length2 == 0) throw std::invalid_argument("artgen: gradient of zero length");
  return [from, dx, dy, length2, stops = std::move(stops)](float x, float y) {
    return Sample(stops, ((x - from.x) * dx + (y - from.y) * dy) / length2);
  };
}

Paint Radial(Point centre, float rx, float ry, std::vector<Stop> stops) {
  if (rx <= 0 || ry <= 0) throw std::invalid_argument("artgen: gradient of zero radius");
  return [centre, rx, ry, stops = std::move(stops)](float x, float y) {
    const float u = (x - centre.x) / rx, v = (y - centre.y) / ry;
    return Sample(stops, std::sqrt(u * u + v * v));
  };
}

Paint Vertical(float top, float bottom, Rgba top_colour, Rgba bottom_colour) {
  return Linear({0, top}, {0, bottom}, {{0, top_colour}, {1, bottom_colour}});
}

}  // namespace tlj::artgen::draw
