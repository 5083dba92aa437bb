#include "tools/soundgen/synth/instruments.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/soundgen/synth/envelope.h"
#include "tools/soundgen/synth/filters.h"
#include "tools/soundgen/synth/oscillator.h"

namespace tlj::soundgen::synth {
namespace {

using std::numbers::pi;

// Lets the last few milliseconds of a part go down to zero, so that a part cut off while it
// still sounds ends without a step.
void TaperEnd(Signal& part, double seconds) {
  const std::size_t n = std::min(part.size(), Samples(seconds));
  for (std::size_t i = 0; i < n; ++i)
    part[part.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(n);
}

}  // namespace

double Hz(int note) {
  return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

Signal Pluck(double hz, double seconds, double brightness) {
  constexpr int kHarmonics = 8;
  // The fundamental has faded by 60 dB at the end.
  const double decay = 6.9 / seconds;
  const double tilt = 2.6 - 1.6 * brightness;
  Signal part(Samples(seconds), 0.0);
  for (int n = 1; n <= kHarmonics && n * hz < kSampleRate / 2.0; ++n) {
    Sine harmonic(n * hz);
    double level = std::pow(n, -tilt);
    const double fade = std::exp(-decay * (1.0 + 0.5 * (n - 1)) / kSampleRate);
    // A harmonic that has died away below the last bit of a sample is left out from there on.
    for (std::size_t i = 0; i < part.size() && level > 1e-5; ++i) {
      part[i] += level * harmonic.Next();
      level *= fade;
    }
  }
  for (std::size_t i = 0; i < part.size(); ++i) part[i] *= std::min(1.0, TimeOf(i) / 0.004);
  TaperEnd(part, 0.01);
  return part;
}

Signal Pad(double hz, double seconds, double attack_seconds, double release_seconds) {
  // Two copies a little apart in pitch beat slowly against each other, which makes the tone
  // breathe; an octave above each gives it some body.
  Sine low(hz), low_octave(2.0 * hz), high(1.003 * hz), high_octave(2.006 * hz);
  Signal part(Samples(seconds));
  for (std::size_t i = 0; i < part.size(); ++i) {
    const double t = TimeOf(i);
    const double envelope = Smooth(t / attack_seconds) * Smooth((seconds - t) / release_seconds);
    const double sum = low.Next() + high.Next() + 0.3 * (low_octave.Next() + high_octave.Next());
    part[i] = 0.5 * sum * envelope;
  }
  return part;
}

Signal Beep(double hz, double seconds) {
  Signal part(Samples(seconds));
  for (std::size_t i = 0; i < part.size(); ++i) {
    const double t = TimeOf(i);
    const double envelope = Smooth(t / 0.005) * Smooth((seconds - t) / 0.03);
    part[i] = envelope * (std::sin(2.0 * pi * hz * t) + 0.2 * std::sin(4.0 * pi * hz * t));
  }
  return part;
}

Signal Knock(double hz, double seconds, Noise& noise) {
  BandPass crack;
  crack.Set(hz * 2.0, hz);
  Signal part(Samples(seconds));
  for (std::size_t i = 0; i < part.size(); ++i) {
    const double t = TimeOf(i);
    const double body = std::exp(-t * 45.0) * std::sin(2.0 * pi * hz * t) +
                        0.4 * std::exp(-t * 80.0) * std::sin(2.0 * pi * 2.37 * hz * t);
    const double hit = crack.Process(noise.Next() * std::exp(-t * 600.0));
    part[i] = (body + 2.0 * hit) * std::min(1.0, t / 0.001);
  }
  TaperEnd(part, 0.005);
  return part;
}

Signal Swish(double seconds, double from_hz, double to_hz, Noise& noise) {
  BandPass band;
  Signal part(Samples(seconds));
  for (std::size_t i = 0; i < part.size(); ++i) {
    const double x = TimeOf(i) / seconds;
    const double centre = from_hz * std::pow(to_hz / from_hz, x);
    band.Set(centre, 0.8 * centre);
    // Swells over the first third and fades over the rest.
    const double envelope = x < 0.35 ? Smooth(x / 0.35) : Smooth((1.0 - x) / 0.65);
    part[i] = envelope * band.Process(noise.Next());
  }
  return part;
}

}  // namespace tlj::soundgen::synth
