// The background loop: four soft chords under a slow zither line on the five-note scale of D.
// Every note is laid into the loop with MixAround, so the tails of the last bar sound on over
// the start and the loop joins without a step.

#include <array>

#include "tools/soundgen/sounds/groups.h"
#include "tools/soundgen/synth/instruments.h"

namespace tlj::soundgen::sounds {
namespace {

constexpr double kBeat = 0.5;  // seconds
constexpr int kBeatsPerChord = 4;
constexpr int kRest = 0;

struct Bar {
  std::array<int, 3> chord;  // note numbers
  std::array<int, kBeatsPerChord> tune;
};

// D, B minor, G, A with a suspended second leading back to D.
constexpr std::array<Bar, 4> kBars = {{
    {{50, 57, 66}, {69, 66, 74, 71}},
    {{47, 54, 62}, {71, 69, 66, kRest}},
    {{43, 50, 59}, {71, 74, 76, 74}},
    {{45, 52, 59}, {69, 64, 66, kRest}},
}};

}  // namespace

synth::Signal BackgroundLoop() {
  constexpr double kChord = kBeat * kBeatsPerChord;
  synth::Signal loop(synth::Samples(kChord * kBars.size()), 0.0);
  for (std::size_t bar = 0; bar < kBars.size(); ++bar) {
    const double start = kChord * static_cast<double>(bar);
    // Each chord swells in while the last one fades out.
    for (int note : kBars[bar].chord)
      synth::MixAround(loop, synth::Pad(synth::Hz(note), kChord + 0.8, 0.8, 0.8), start, 0.22);
    synth::MixAround(loop, synth::Pluck(synth::Hz(kBars[bar].chord[0] - 12), 3.0, 0.2), start, 0.5);
    for (int beat = 0; beat < kBeatsPerChord; ++beat) {
      const int note = kBars[bar].tune[beat];
      if (note == kRest) continue;
      synth::MixAround(loop, synth::Pluck(synth::Hz(note), 1.6, 0.7), start + kBeat * beat, 0.55);
    }
  }
  synth::Normalize(loop, 0.5);
  return loop;
}

}  // namespace tlj::soundgen::sounds
