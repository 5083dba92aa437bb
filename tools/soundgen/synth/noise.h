#pragma once
// Noise and small random variations from a fixed seed: the library's distributions may differ
// between standard libraries, and every build must write the same bytes.

#include <cstdint>

namespace tlj::soundgen::synth {

class Noise {
 public:
  explicit Noise(std::uint32_t seed);
  // Uniform in -1..1.
  double Next();
  // Uniform in lo..hi.
  double Between(double lo, double hi);

 private:
  std::uint32_t state_;
};

}  // namespace tlj::soundgen::synth
