#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "tests/view/anigif/control_fixture.h"

namespace tlj::view::anigif::testing {
namespace {

class TimingTest : public ControlTest {};

TEST_F(TimingTest, FramesStayForTheirDelayButNeverLessThanMinFrameDelay) {
  control.SetDelayAnimation(0);
  ASSERT_TRUE(Load(Frames({10, 2, 0})));  // 100 ms, 20 ms, none
  EXPECT_EQ(control.CurrentFrame(), 1);
  EXPECT_EQ(
      FramesUntil(560),
      (Shown{{100, 2}, {150, 3}, {200, 1}, {300, 2}, {350, 3}, {400, 1}, {500, 2}, {550, 3}}));
}

TEST_F(TimingTest, MinFrameDelayCanBeShorter) {
  control.SetDelayAnimation(0);
  control.SetMinFrameDelay(15);
  ASSERT_TRUE(Load(Frames({10, 2, 0})));
  EXPECT_EQ(FramesUntil(260), (Shown{{100, 2}, {120, 3}, {135, 1}, {235, 2}, {255, 3}}));
}

TEST_F(TimingTest, MinFrameDelayIsKeptWithinItsRange) {
  const std::pair<int, int> cases[] = {{5, 10},        {10, 10},       {11, 11}, {50, 50},
                                       {32700, 32700}, {40000, 32700}, {-3, 10}, {INT_MAX, 32700}};
  for (const auto& [written, kept] : cases) {
    control.SetMinFrameDelay(written);
    EXPECT_EQ(control.MinFrameDelay(), kept) << written;
  }
}

TEST_F(TimingTest, DelayAnimationDecidesHowALoadStarts) {
  struct Case {
    int mode;
    Shown expected;  // frames until 260 ms, with nothing done after the load
  };
  const Case cases[] = {
      {0, {{100, 2}, {200, 1}}},
      {1, {{120, 2}, {220, 1}}},  // the rest of the frames 20 ms after the first
      {2, {}},                    // waits for Action 1
      {3, {}},
  };
  for (const Case& c : cases) {
    platform::Element e;
    e.width = e.height = 4;
    Control other(loop, e);
    other.SetDelayAnimation(c.mode);
    const platform::TimeMs start = loop.Now();
    ASSERT_TRUE(other.LoadAnimatedGIF_Array(BuildGif(Frames({10, 10}))));
    EXPECT_EQ(other.CurrentFrame(), 1) << c.mode;
    Shown seen;
    int last = 1;
    while (loop.Now() < start + 260 && loop.RunOnce(start + 260)) {
      if (other.CurrentFrame() != last)
        seen.emplace_back(loop.Now() - start, last = other.CurrentFrame());
    }
    EXPECT_EQ(seen, c.expected) << "DelayAnimation " << c.mode;
    EXPECT_EQ(other.Action(), c.mode < 2 ? kPlaying : kStopped) << c.mode;
  }
}

TEST_F(TimingTest, DelayAnimationTakesOnlyItsFourValues) {
  for (const int bad : {-1, 4, 100}) {
    control.SetDelayAnimation(bad);
    EXPECT_EQ(control.DelayAnimation(), 1) << bad;
  }
  control.SetDelayAnimation(3);
  EXPECT_EQ(control.DelayAnimation(), 3);
}

TEST_F(TimingTest, WaitingAnimationStartsOnPlay) {
  control.SetDelayAnimation(2);
  ASSERT_TRUE(Load(Frames({10, 10})));
  RunUntil(1000);
  EXPECT_EQ(control.CurrentFrame(), 1);
  control.SetAction(kActionPlay);
  EXPECT_EQ(FramesUntil(1250), (Shown{{1100, 2}, {1200, 1}}));
}

TEST_F(TimingTest, LoopsPlayWholeCyclesThenStopWithNothingDrawn) {
  control.SetDelayAnimation(0);
  control.SetLoops(3);
  int ended = 0;
  control.LoopsEnded = [&] {
    ++ended;
    EXPECT_EQ(control.Action(), kStopped) << "raised once stopped";
  };
  ASSERT_TRUE(Load(Frames({10, 10})));
  EXPECT_EQ(control.LoopsRemaining(), 3);
  EXPECT_EQ(FramesUntil(150), (Shown{{100, 2}}));
  EXPECT_EQ(FramesUntil(250), (Shown{{200, 1}}));
  EXPECT_EQ(control.LoopsRemaining(), 2);
  EXPECT_EQ(FramesUntil(2000), (Shown{{300, 2}, {400, 1}, {500, 2}, {600, 0}}));
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(element.image, nullptr);
  EXPECT_EQ(control.CurrentFrame(), 0);
  EXPECT_EQ(control.LoopsRemaining(), 3) << "the count starts afresh";
}

TEST_F(TimingTest, TheFilesLoopCountSetsLoops) {
  control.SetLoops(9);
  GifPlan plan = Frames({10, 10});
  ASSERT_TRUE(Load(plan));
  EXPECT_EQ(control.Loops(), 9) << "a file without a count leaves Loops alone";
  plan.loops = 2;
  ASSERT_TRUE(Load(plan));
  EXPECT_EQ(control.Loops(), 2);
  plan.loops = 0;
  ASSERT_TRUE(Load(plan));
  EXPECT_EQ(control.Loops(), 0);
  EXPECT_EQ(control.LoopsRemaining(), 0) << "playing without end";
}

TEST_F(TimingTest, LoopsTakeTheSizeOfANegativeCount) {
  const std::pair<int, int> cases[] = {
      {0, 0}, {4, 4}, {-4, 4}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}};
  for (const auto& [written, kept] : cases) {
    control.SetLoops(written);
    EXPECT_EQ(control.Loops(), kept) << written;
  }
}

TEST_F(TimingTest, NothingLoadedHasNoLoopsRemaining) {
  control.SetLoops(2);
  EXPECT_EQ(control.LoopsRemaining(), -1);
  EXPECT_EQ(control.FrameCount(), 0);
}

TEST_F(TimingTest, OneFrameShowsAndNeverStartsATimer) {
  std::vector<int> reported;
  control.reportOver = [&](int frame) { reported.push_back(frame); };
  ASSERT_TRUE(Load(Frames({10})));
  ASSERT_TRUE(element.image);
  EXPECT_EQ(Pixel(0, 0), Opaque(kPalette[1]));
  control.SetAction(kActionPlay);
  EXPECT_EQ(control.Action(), kStopped);
  EXPECT_EQ(loop.NextTimerDue(), platform::kForever);
  EXPECT_EQ(FramesUntil(5000), Shown{});
  EXPECT_EQ(reported, std::vector<int>{1});
}

TEST_F(TimingTest, ReportOverEachTimeTheLastFrameIsPainted) {
  control.SetDelayAnimation(0);
  std::vector<std::pair<platform::TimeMs, int>> reported;
  control.reportOver = [&](int frame) { reported.emplace_back(loop.Now(), frame); };
  ASSERT_TRUE(Load(Frames({10, 10, 10})));
  RunUntil(650);
  EXPECT_EQ(reported, (Shown{{200, 3}, {500, 3}}));
}

}  // namespace
}  // namespace tlj::view::anigif::testing
