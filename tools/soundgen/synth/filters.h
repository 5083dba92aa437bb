#pragma once
// The filters the sounds are shaped with. Their settings may change every sample, for formants
// that glide and sweeps that rise.

namespace tlj::soundgen::synth {

// A two-pole resonator with a gain of one at zero frequency, so that a chain of them (a voice's
// formants) keeps the level of the source it filters.
class Resonator {
 public:
  void Set(double centre_hz, double bandwidth_hz);
  double Process(double in);

 private:
  double a_ = 1.0, b_ = 0.0, c_ = 0.0;
  double y1_ = 0.0, y2_ = 0.0;
};

// A band-pass with a gain of one at its centre and none at zero frequency: noise through it
// becomes a swish or the ring of a struck thing.
class BandPass {
 public:
  void Set(double centre_hz, double bandwidth_hz);
  double Process(double in);

 private:
  double b0_ = 0.0, a1_ = 0.0, a2_ = 0.0;
  double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

}  // namespace tlj::soundgen::synth
