#pragma once
// A sound as samples in -1..1 at the one rate of every file, and the ways parts are put together.

#include <cstddef>
#include <vector>

namespace tlj::soundgen::synth {

inline constexpr int kSampleRate = 22050;

using Signal = std::vector<double>;

// The number of samples that `seconds` last, rounded.
std::size_t Samples(double seconds);
// The time of sample `index`, in seconds.
double TimeOf(std::size_t index);

// Adds `part` times `gain` into `into` from `at_seconds` on, lengthening `into` where needed.
void MixAt(Signal& into, const Signal& part, double at_seconds, double gain = 1.0);
// The same, but what runs past the end continues from the start: a loop built this way joins
// its end to its start without a step.
void MixAround(Signal& into, const Signal& part, double at_seconds, double gain = 1.0);

// Scales the whole sound so that its loudest sample is `peak`; silence stays silence.
void Normalize(Signal& signal, double peak);

}  // namespace tlj::soundgen::synth
