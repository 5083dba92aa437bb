#pragma once
// Colours as straight (not premultiplied) RGBA, each channel 0..1.

#include <algorithm>
#include <cstdint>

namespace tlj::artgen::draw {

struct Rgba {
  float r = 0, g = 0, b = 0, a = 1;
};

constexpr Rgba Hex(std::uint32_t rgb, float alpha = 1.0f) {
  return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f,
          static_cast<float>((rgb >> 8) & 0xFF) / 255.0f, static_cast<float>(rgb & 0xFF) / 255.0f,
          alpha};
}

constexpr Rgba WithAlpha(Rgba c, float alpha) {
  return {c.r, c.g, c.b, alpha};
}

constexpr Rgba Mix(Rgba from, Rgba to, float t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
          from.a + (to.a - from.a) * t};
}

constexpr Rgba Lighten(Rgba c, float t) {
  return Mix(c, {1, 1, 1, c.a}, t);
}
constexpr Rgba Darken(Rgba c, float t) {
  return Mix(c, {0, 0, 0, c.a}, t);
}

// Scales the channels, keeping the hue and saturation (clamped at full).
constexpr Rgba Brighten(Rgba c, float factor) {
  return {std::min(1.0f, c.r * factor), std::min(1.0f, c.g * factor), std::min(1.0f, c.b * factor),
          c.a};
}

// Moves a colour towards its own grey by t (1: fully grey).
constexpr Rgba Desaturate(Rgba c, float t) {
  const float grey = 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
  return Mix(c, {grey, grey, grey, c.a}, t);
}

}  // namespace tlj::artgen::draw
