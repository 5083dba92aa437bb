#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/view/anigif/control_fixture.h"

namespace tlj::view::anigif::testing {
namespace {

class ActionsTest : public ControlTest {
 protected:
  ActionsTest() {
    control.SetDelayAnimation(0);
    control.SetLoops(2);
    EXPECT_TRUE(Load(Frames({10, 10, 10})));
  }
};

TEST_F(ActionsTest, StopClearsThePictureAndPlayComesBackAfterMinFrameDelay) {
  RunUntil(150);
  control.SetAction(kActionStop);
  EXPECT_EQ(control.Action(), kStopped);
  EXPECT_EQ(control.CurrentFrame(), 0);
  EXPECT_EQ(element.image, nullptr);
  EXPECT_EQ(FramesUntil(1000), Shown{});
  control.SetAction(kActionPlay);
  EXPECT_EQ(control.Action(), kPlaying);
  EXPECT_EQ(FramesUntil(1160), (Shown{{1050, 1}, {1150, 2}}));
}

TEST_F(ActionsTest, PauseHoldsTheFrameAndPlayGivesItAWholeDelayAgain) {
  RunUntil(130);
  control.SetAction(kActionPause);
  EXPECT_EQ(control.Action(), kPaused);
  EXPECT_EQ(control.CurrentFrame(), 2);
  EXPECT_EQ(FramesUntil(900), Shown{});
  control.SetAction(kActionPlay);
  EXPECT_EQ(FramesUntil(1010), (Shown{{1000, 3}}));
}

TEST_F(ActionsTest, StepAdvancesOneFrameAtATimeAndPauses) {
  std::vector<int> frames;
  for (int i = 0; i < 4; ++i) {
    control.SetAction(kActionStep);
    frames.push_back(control.CurrentFrame());
    EXPECT_EQ(control.Action(), kPaused);
  }
  EXPECT_EQ(frames, (std::vector<int>{2, 3, 1, 2}));
  EXPECT_EQ(Pixel(0, 0), Opaque(kPalette[2]));
  EXPECT_EQ(FramesUntil(1000), Shown{});
  EXPECT_EQ(control.LoopsRemaining(), 2) << "stepping counts no loops";
}

TEST_F(ActionsTest, RestartBeginsAgainWithTheLoopCountAfresh) {
  RunUntil(450);  // one wrap done, frame 2 of the second cycle
  EXPECT_EQ(control.LoopsRemaining(), 1);
  control.SetAction(kActionRestart);
  EXPECT_EQ(control.CurrentFrame(), 1);
  EXPECT_EQ(control.Action(), kPlaying);
  EXPECT_EQ(control.LoopsRemaining(), 2);
  EXPECT_EQ(Pixel(0, 0), Opaque(kPalette[1]));
  EXPECT_EQ(FramesUntil(560), (Shown{{550, 2}}));
}

TEST_F(ActionsTest, PlayWhilePlayingKeepsTheTimeline) {
  RunUntil(60);
  control.SetAction(kActionPlay);
  EXPECT_EQ(FramesUntil(110), (Shown{{100, 2}}));
}

TEST_F(ActionsTest, OtherValuesDoNothing) {
  for (const int action : {-1, 5, 99}) control.SetAction(action);
  EXPECT_EQ(control.Action(), kPlaying);
  EXPECT_EQ(FramesUntil(110), (Shown{{100, 2}}));
}

TEST_F(ActionsTest, HidingPausesAndShowingPlays) {
  RunUntil(120);
  control.SetVisible(false);
  EXPECT_FALSE(element.visible);
  EXPECT_EQ(control.Action(), kPaused);
  EXPECT_EQ(FramesUntil(800), Shown{});
  control.SetVisible(true);
  EXPECT_TRUE(element.visible);
  EXPECT_EQ(control.Action(), kPlaying);
  EXPECT_EQ(FramesUntil(910), (Shown{{900, 3}}));
}

TEST(ActionsWithoutAGifTest, DoNothing) {
  sim::VirtualClock clock;
  platform::EventLoop loop{clock};
  platform::Element element;
  Control control(loop, element);
  for (const int action : {kActionStop, kActionPlay, kActionPause, kActionStep, kActionRestart}) {
    control.SetAction(action);
    EXPECT_EQ(control.Action(), kStopped);
    EXPECT_EQ(control.CurrentFrame(), 0);
  }
  control.SetVisible(true);
  EXPECT_EQ(loop.NextTimerDue(), platform::kForever);
}

TEST_F(ControlTest, HidingBeforeTheDeferredStartKeepsItFromStartingUnseen) {
  ASSERT_TRUE(Load(Frames({10, 10})));  // DelayAnimation 1: starts 20 ms later
  control.SetVisible(false);
  EXPECT_EQ(control.Action(), kPaused);
  EXPECT_EQ(FramesUntil(500), Shown{});
  control.SetVisible(true);
  EXPECT_EQ(FramesUntil(610), (Shown{{600, 2}}));
}

}  // namespace
}  // namespace tlj::view::anigif::testing
