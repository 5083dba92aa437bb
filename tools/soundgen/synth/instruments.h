#pragma once
// The voices the sounds are played on. Each part starts and ends at silence, so that a sound
// made of them has no click where a part begins or ends.

#include "tools/soundgen/synth/noise.h"
#include "tools/soundgen/synth/signal.h"

namespace tlj::soundgen::synth {

// The frequency of a note by its number on the piano-roll scale (69 is 440 Hz).
double Hz(int note);

// A plucked string: harmonics that fade, the high ones first. `brightness` 0..1 is how much of
// the high harmonics there is: dull at 0, a bright zither at 1.
Signal Pluck(double hz, double seconds, double brightness);

// A soft held tone for chords: a slow swell, a gentle chorus, a slow release.
Signal Pad(double hz, double seconds, double attack_seconds, double release_seconds);

// A plain tone with short ramps at both ends: a beep.
Signal Beep(double hz, double seconds);

// Something hard striking wood or bone: a short thud ringing at `hz`.
Signal Knock(double hz, double seconds, Noise& noise);

// Air moving past paper: noise in a band that slides from `from_hz` to `to_hz`, swelling and
// fading.
Signal Swish(double seconds, double from_hz, double to_hz, Noise& noise);

}  // namespace tlj::soundgen::synth
