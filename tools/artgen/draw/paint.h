#pragma once
// What fills a mask: a colour as a function of the pixel centre.

#include <functional>
#include <vector>

#include "tools/artgen/draw/colour.h"
#include "tools/artgen/draw/path.h"

namespace tlj::artgen::draw {

using Paint = std::function<Rgba(float x, float y)>;

struct Stop {
  float at;  // 0..1 along the gradient
  Rgba colour;
};

Paint Solid(Rgba colour);
// Colour changes along the line from `from` to `to`; beyond its ends it keeps the end colours.
Paint Linear(Point from, Point to, std::vector<Stop> stops);
// Colour changes with the distance from the centre, scaled to 1 at (rx, ry).
Paint Radial(Point centre, float rx, float ry, std::vector<Stop> stops);
Paint Vertical(float top, float bottom, Rgba top_colour, Rgba bottom_colour);

// The colour at t of a stop list sorted by position.
Rgba Sample(const std::vector<Stop>& stops, float t);

}  // namespace tlj::artgen::draw
