#include "tools/soundgen/synth/filters.h"

#include <cmath>
#include <numbers>

#include "tools/soundgen/synth/signal.h"

namespace tlj::soundgen::synth {
namespace {

using std::numbers::pi;

constexpr double kStep = 1.0 / kSampleRate;

}  // namespace

void Resonator::Set(double centre_hz, double bandwidth_hz) {
  c_ = -std::exp(-2.0 * pi * bandwidth_hz * kStep);
  b_ = 2.0 * std::exp(-pi * bandwidth_hz * kStep) * std::cos(2.0 * pi * centre_hz * kStep);
  a_ = 1.0 - b_ - c_;
}

double Resonator::Process(double in) {
  const double out = a_ * in + b_ * y1_ + c_ * y2_;
  y2_ = y1_;
  y1_ = out;
  return out;
}

void BandPass::Set(double centre_hz, double bandwidth_hz) {
  const double w = 2.0 * pi * centre_hz * kStep;
  const double alpha = std::sin(w) * bandwidth_hz / (2.0 * centre_hz);
  b0_ = alpha / (1.0 + alpha);
  a1_ = -2.0 * std::cos(w) / (1.0 + alpha);
  a2_ = (1.0 - alpha) / (1.0 + alpha);
}

double BandPass::Process(double in) {
  const double out = b0_ * (in - x2_) - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = in;
  y2_ = y1_;
  y1_ = out;
  return out;
}

}  // namespace tlj::soundgen::synth
