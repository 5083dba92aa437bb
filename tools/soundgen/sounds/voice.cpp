// A voice saying two syllables, an "a" that rises and an "o" that falls, made the way a throat
// makes one: a train of glottal pulses at the voice's pitch, shaped by the resonances of the
// mouth (the formants). A woman's voice is higher and her formants sit a little higher too.

#include <array>
#include <cmath>
#include <numbers>

#include "tools/soundgen/sounds/groups.h"
#include "tools/soundgen/synth/envelope.h"
#include "tools/soundgen/synth/filters.h"
#include "tools/soundgen/synth/noise.h"

namespace tlj::soundgen::sounds {
namespace {

using std::numbers::pi;

constexpr double kSeconds = 1.1;
constexpr double kMalePitch = 115.0;  // Hz
constexpr double kFemalePitch = 220.0;
constexpr double kFemaleFormantScale = 1.17;

using Formants = std::array<double, 4>;  // Hz; the fourth stays put
constexpr Formants kA = {730.0, 1090.0, 2440.0, 3400.0};
constexpr Formants kO = {570.0, 840.0, 2410.0, 3400.0};
constexpr Formants kBandwidths = {70.0, 100.0, 160.0, 250.0};

struct Syllable {
  double start, seconds;        // in seconds
  Formants from, to;            // the vowel glides from one to the other
  double pitch_from, pitch_to;  // times the voice's own pitch
};

constexpr std::array<Syllable, 2> kSyllables = {{
    {0.05, 0.38, kA, kA, 0.95, 1.12},
    {0.5, 0.5, kA, kO, 1.12, 0.84},
}};

// The air flowing through the glottis over one period (0..1): it opens slowly, closes fast,
// and stays shut for the last 40%.
double GlottalFlow(double phase) {
  if (phase < 0.4) return 0.5 - 0.5 * std::cos(pi * phase / 0.4);
  if (phase < 0.6) return std::cos(0.5 * pi * (phase - 0.4) / 0.2);
  return 0.0;
}

}  // namespace

synth::Signal Voice(bool male) {
  const double pitch = male ? kMalePitch : kFemalePitch;
  const double formant_scale = male ? 1.0 : kFemaleFormantScale;
  std::array<synth::Resonator, 4> tract;
  synth::Noise breath(male ? 31 : 32);
  synth::Signal sound(synth::Samples(kSeconds));
  double phase = 0.0, last_flow = 0.0;
  Formants formants = kA;
  for (std::size_t i = 0; i < sound.size(); ++i) {
    const double t = synth::TimeOf(i);
    double loudness = 0.0, pitch_factor = 1.0;
    for (const Syllable& s : kSyllables) {
      const double x = (t - s.start) / s.seconds;
      if (x < 0.0 || x > 1.0) continue;
      loudness =
          synth::Smooth((t - s.start) / 0.04) * synth::Smooth((s.start + s.seconds - t) / 0.1);
      pitch_factor = s.pitch_from + (s.pitch_to - s.pitch_from) * x;
      const double glide = synth::Smooth(x / 0.4);
      for (std::size_t k = 0; k < formants.size(); ++k)
        formants[k] = s.from[k] + (s.to[k] - s.from[k]) * glide;
    }
    const double vibrato = 1.0 + 0.012 * std::sin(2.0 * pi * 5.5 * t);
    phase += pitch * pitch_factor * vibrato / synth::kSampleRate;
    phase -= std::floor(phase);
    // The lips pass on the change in the flow rather than the flow itself.
    const double flow = GlottalFlow(phase);
    double out = loudness * (flow - last_flow + 0.01 * breath.Next());
    last_flow = flow;
    for (std::size_t k = 0; k < tract.size(); ++k) {
      tract[k].Set(formants[k] * formant_scale, kBandwidths[k]);
      out = tract[k].Process(out);
    }
    sound[i] = out;
  }
  synth::Normalize(sound, 0.8);
  return sound;
}

}  // namespace tlj::soundgen::sounds
