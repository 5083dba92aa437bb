// The short sounds of the common music folder: the countdown's beep, and a tile played, a tile
// drawn, the tiles shuffled and the dice thrown.

#include "tools/soundgen/sounds/groups.h"
#include "tools/soundgen/synth/instruments.h"

namespace tlj::soundgen::sounds {

synth::Signal CountdownBeep() {
  synth::Signal beep = synth::Beep(1046.5, 0.14);
  synth::Normalize(beep, 0.7);
  return beep;
}

synth::Signal TilePlayed() {
  synth::Noise noise(11);
  synth::Signal knock = synth::Knock(620.0, 0.18, noise);
  synth::Normalize(knock, 0.8);
  return knock;
}

synth::Signal TileDrawn() {
  synth::Noise noise(12);
  synth::Signal sound;
  synth::MixAt(sound, synth::Swish(0.12, 900.0, 2400.0, noise), 0.0, 0.5);
  synth::MixAt(sound, synth::Knock(880.0, 0.1, noise), 0.1, 0.6);
  synth::Normalize(sound, 0.7);
  return sound;
}

synth::Signal TilesShuffled() {
  synth::Noise noise(13);
  synth::Signal sound;
  synth::MixAt(sound, synth::Swish(0.9, 500.0, 900.0, noise), 0.0, 0.3);
  double at = 0.02;
  for (int k = 0; k < 14; ++k) {
    // One draw at a time, whatever order the compiler works out a call's arguments in.
    const double pitch = noise.Between(700.0, 1300.0);
    const double level = noise.Between(0.3, 0.6);
    synth::MixAt(sound, synth::Knock(pitch, 0.08, noise), at, level);
    at += noise.Between(0.04, 0.07);
  }
  synth::Normalize(sound, 0.7);
  return sound;
}

synth::Signal DiceRolled() {
  synth::Noise noise(14);
  synth::Signal sound;
  // Bounces that come faster and softer, as a die settles.
  double at = 0.0, gap = 0.16, level = 1.0;
  for (int k = 0; k < 7; ++k) {
    const double pitch = noise.Between(1400.0, 1900.0);
    synth::MixAt(sound, synth::Knock(pitch, 0.07, noise), at, level);
    at += gap;
    gap *= 0.72;
    level *= 0.75;
  }
  synth::Normalize(sound, 0.75);
  return sound;
}

}  // namespace tlj::soundgen::sounds
