// The table's event sounds: coins moving, giving up, a card dealt and a card turned.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/soundgen/sounds/groups.h"
#include "tools/soundgen/synth/instruments.h"

namespace tlj::soundgen::sounds {
namespace {

using std::numbers::pi;

// One coin striking another: the few out-of-tune partials of a small metal disc, each dying
// away at its own rate, over the click of the strike.
synth::Signal CoinHit(double hz, synth::Noise& noise) {
  struct Partial {
    double ratio, level, decay;
  };
  constexpr Partial kPartials[] = {
      {1.0, 1.0, 14.0}, {1.83, 0.6, 18.0}, {2.74, 0.45, 24.0}, {3.92, 0.25, 32.0}};
  synth::Signal hit(synth::Samples(0.35));
  for (std::size_t i = 0; i < hit.size(); ++i) {
    const double t = synth::TimeOf(i);
    double sum = 0.3 * noise.Next() * std::exp(-t * 900.0);
    for (const Partial& p : kPartials)
      if (p.ratio * hz < synth::kSampleRate / 2.0)
        sum += p.level * std::exp(-t * p.decay) * std::sin(2.0 * pi * p.ratio * hz * t);
    hit[i] = sum * std::min(1.0, t / 0.0005) * std::min(1.0, (0.35 - t) / 0.01);
  }
  return hit;
}

}  // namespace

synth::Signal CoinsMoving() {
  synth::Noise noise(21);
  synth::Signal sound;
  double at = 0.0;
  for (int k = 0; k < 5; ++k) {
    // One draw at a time: the order in which a call's arguments are worked out is the
    // compiler's choice, and the bytes must not depend on it.
    const double pitch = noise.Between(2300.0, 3400.0);
    const double level = noise.Between(0.5, 1.0);
    synth::MixAt(sound, CoinHit(pitch, noise), at, level);
    at += noise.Between(0.04, 0.09);
  }
  synth::Normalize(sound, 0.75);
  return sound;
}

// A soft tone that sinks by an octave: the hand is laid down.
synth::Signal GivingUp() {
  constexpr double kSeconds = 0.5;
  synth::Signal sound(synth::Samples(kSeconds));
  double phase = 0.0;
  for (std::size_t i = 0; i < sound.size(); ++i) {
    const double x = synth::TimeOf(i) / kSeconds;
    phase += 2.0 * pi * 440.0 * std::pow(0.5, x) / synth::kSampleRate;
    const double envelope = std::min(1.0, x / 0.03) * (1.0 - x) * (1.0 - x);
    sound[i] = envelope * (std::sin(phase) + 0.1 * std::sin(3.0 * phase));
  }
  synth::Normalize(sound, 0.7);
  return sound;
}

synth::Signal CardDealt() {
  synth::Noise noise(22);
  synth::Signal sound = synth::Swish(0.2, 1500.0, 5000.0, noise);
  synth::Normalize(sound, 0.7);
  return sound;
}

// The card lifts with a swish and lands face up with a snap.
synth::Signal CardTurned() {
  synth::Noise noise(23);
  synth::Signal sound;
  synth::MixAt(sound, synth::Swish(0.12, 2500.0, 1200.0, noise), 0.0, 0.6);
  synth::MixAt(sound, synth::Knock(1800.0, 0.06, noise), 0.11, 0.8);
  synth::Normalize(sound, 0.75);
  return sound;
}

}  // namespace tlj::soundgen::sounds
