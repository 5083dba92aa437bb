#include "tools/soundgen/synth/noise.h"

namespace tlj::soundgen::synth {

// A xorshift generator never leaves zero, so zero is not a seed.
Noise::Noise(std::uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}

double Noise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

double Noise::Between(double lo, double hi) {
  return lo + (hi - lo) * (Next() + 1.0) / 2.0;
}

}  // namespace tlj::soundgen::synth
