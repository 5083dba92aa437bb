// Putting parts together: laid at a time, and laid around the end of a loop.

#include "tools/soundgen/synth/signal.h"

#include <gtest/gtest.h>

namespace tlj::soundgen::synth {
namespace {

// Three samples' time, exactly.
const double kThreeSamples = 3.0 / kSampleRate;

TEST(SignalTest, MixAtLengthensToHoldThePart) {
  Signal into = {1.0, 1.0};
  MixAt(into, {1.0, 2.0}, kThreeSamples, 0.5);
  EXPECT_EQ(into, (Signal{1.0, 1.0, 0.0, 0.5, 1.0}));
}

TEST(SignalTest, MixAroundContinuesPastTheEndFromTheStart) {
  Signal loop(5, 0.0);
  MixAround(loop, {1.0, 2.0, 3.0, 4.0}, kThreeSamples);
  EXPECT_EQ(loop, (Signal{3.0, 4.0, 0.0, 1.0, 2.0}));
}

TEST(SignalTest, MixAroundWrapsAPartLongerThanTheLoopMoreThanOnce) {
  Signal loop(2, 0.0);
  MixAround(loop, {1.0, 1.0, 1.0, 1.0, 1.0}, 0.0);
  EXPECT_EQ(loop, (Signal{3.0, 2.0}));
}

TEST(SignalTest, NormalizeSetsTheLoudestSampleAndLeavesSilenceAlone) {
  Signal sound = {0.1, -0.4, 0.2};
  Normalize(sound, 0.8);
  EXPECT_DOUBLE_EQ(sound[1], -0.8);
  EXPECT_DOUBLE_EQ(sound[0], 0.2);
  Signal silence(3, 0.0);
  Normalize(silence, 0.8);
  EXPECT_EQ(silence, Signal(3, 0.0));
}

}  // namespace
}  // namespace tlj::soundgen::synth
