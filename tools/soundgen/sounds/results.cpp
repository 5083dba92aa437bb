// The results of a bet: the victory fanfare, a bet won and a bet lost.

#include "tools/soundgen/sounds/groups.h"
#include "tools/soundgen/synth/instruments.h"

namespace tlj::soundgen::sounds {

// A rising arpeggio of C major that ends on the whole chord.
synth::Signal Victory() {
  constexpr int kNotes[] = {72, 76, 79, 84};
  synth::Signal sound;
  double at = 0.0;
  for (int note : kNotes) {
    synth::MixAt(sound, synth::Pluck(synth::Hz(note), 0.5, 0.9), at);
    at += 0.11;
  }
  for (int note : kNotes) synth::MixAt(sound, synth::Pluck(synth::Hz(note), 1.2, 0.8), at, 0.6);
  synth::Normalize(sound, 0.8);
  return sound;
}

// Two bright notes, a fourth up.
synth::Signal BetWon() {
  synth::Signal sound;
  synth::MixAt(sound, synth::Pluck(synth::Hz(79), 0.4, 0.9), 0.0);
  synth::MixAt(sound, synth::Pluck(synth::Hz(84), 0.6, 0.9), 0.12);
  synth::Normalize(sound, 0.75);
  return sound;
}

// Two dull notes falling by a minor third.
synth::Signal BetLost() {
  synth::Signal sound;
  synth::MixAt(sound, synth::Pluck(synth::Hz(63), 0.5, 0.1), 0.0);
  synth::MixAt(sound, synth::Pluck(synth::Hz(60), 0.8, 0.1), 0.2);
  synth::Normalize(sound, 0.75);
  return sound;
}

}  // namespace tlj::soundgen::sounds
