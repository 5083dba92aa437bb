#pragma once
// The shape of every swell and fade.

#include <cmath>
#include <numbers>

namespace tlj::soundgen::synth {

// 0 up to x = 0, 1 from x = 1, and a half cosine between: no corner at either end, so a sound
// swelling or fading by it never clicks.
inline double Smooth(double x) {
  if (x <= 0.0) return 0.0;
  if (x >= 1.0) return 1.0;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

}  // namespace tlj::soundgen::synth
