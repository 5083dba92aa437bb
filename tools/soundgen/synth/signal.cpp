#include "tools/soundgen/synth/signal.h"

#include <algorithm>
#include <cmath>

namespace tlj::soundgen::synth {

std::size_t Samples(double seconds) {
  return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

double TimeOf(std::size_t index) {
  return static_cast<double>(index) / kSampleRate;
}

void MixAt(Signal& into, const Signal& part, double at_seconds, double gain) {
  const std::size_t at = Samples(at_seconds);
  if (into.size() < at + part.size()) into.resize(at + part.size(), 0.0);
  for (std::size_t i = 0; i < part.size(); ++i) into[at + i] += gain * part[i];
}

void MixAround(Signal& into, const Signal& part, double at_seconds, double gain) {
  if (into.empty()) return;
  const std::size_t at = Samples(at_seconds);
  for (std::size_t i = 0; i < part.size(); ++i) into[(at + i) % into.size()] += gain * part[i];
}

void Normalize(Signal& signal, double peak) {
  double loudest = 0.0;
  for (double sample : signal) loudest = std::max(loudest, std::abs(sample));
  if (loudest == 0.0) return;
  const double scale = peak / loudest;
  for (double& sample : signal) sample *= scale;
}

}  // namespace tlj::soundgen::synth
