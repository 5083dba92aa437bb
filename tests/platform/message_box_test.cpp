#include "core/platform/message_box.h"

#include <gtest/gtest.h>

#include "core/platform/services.h"
#include "sim/recording_message_boxes.h"
#include "sim/virtual_clock.h"

namespace tlj::platform {
namespace {

// A box waits for its answer with a pumping wait: the program's timers go on underneath. A
// box that answers at once (headless) waits nothing.
class MessageBoxTest : public ::testing::Test {
 protected:
  MessageBoxTest() {
    Sys().loop = &loop;
    Sys().msgbox = &boxes;
    timer.SetInterval(1000);
    timer.SetEnabled(true);
    loop.SetRenderHook([this] { ++renders; });
  }
  ~MessageBoxTest() override { Sys() = Services{}; }

  sim::VirtualClock clock;
  EventLoop loop{clock};
  sim::RecordingMessageBoxes boxes;
  int ticks = 0;
  int renders = 0;
  Timer timer{loop, [this] { ++ticks; }};
};

TEST_F(MessageBoxTest, ABoxThatAnswersAtOnceWaitsNothing) {
  ShowMessageBox("标题", "内容");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "内容");
  EXPECT_EQ(loop.Now(), 0);
  EXPECT_EQ(ticks, 0);
}

TEST_F(MessageBoxTest, TimersRunWhileTheUserTakesTimeToAnswer) {
  boxes.AnswerAfter(loop, 3500);
  ShowMessageBox("标题", "内容");
  EXPECT_EQ(loop.Now(), 3500);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(renders, 1);  // the window is drawn before the box waits
  ShowMessageBox("标题", "again");
  EXPECT_EQ(loop.Now(), 7000);
  EXPECT_EQ(ticks, 7);
}

TEST(RenderHookTest, EveryKindOfWaitDrawsFirst) {
  sim::VirtualClock clock;
  EventLoop loop{clock};
  int renders = 0;
  loop.SetRenderHook([&] { ++renders; });
  loop.SleepUntil(10);
  loop.ProcessEventsUntil(20);
  loop.ProcessEventsUntil(30, [] { return true; });
  EXPECT_EQ(renders, 3);
  loop.Post([] {});
  loop.ProcessReadyEvents();  // handling what is ready is no wait
  EXPECT_EQ(renders, 3);
}

}  // namespace
}  // namespace tlj::platform
