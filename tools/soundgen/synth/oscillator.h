#pragma once
// A sine wave made by turning a point around the circle by a fixed angle each sample: much
// cheaper than a std::sin per sample, and the loop alone takes millions of partial samples.

#include <cmath>
#include <numbers>

#include "tools/soundgen/synth/signal.h"

namespace tlj::soundgen::synth {

class Sine {
 public:
  explicit Sine(double hz)
      : step_sin_(std::sin(2.0 * std::numbers::pi * hz / kSampleRate)),
        step_cos_(std::cos(2.0 * std::numbers::pi * hz / kSampleRate)) {}

  // The wave's value now, then one sample on.
  double Next() {
    const double value = sin_;
    sin_ = value * step_cos_ + cos_ * step_sin_;
    cos_ = cos_ * step_cos_ - value * step_sin_;
    return value;
  }

 private:
  double sin_ = 0.0, cos_ = 1.0;
  double step_sin_, step_cos_;
};

}  // namespace tlj::soundgen::synth
