#include "core/platform/event_loop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/platform/services.h"
#include "core/view/waits.h"
#include "sim/virtual_clock.h"

namespace tlj::platform {
namespace {

using ::testing::ElementsAre;

class EventLoopTest : public ::testing::Test {
 protected:
  void SetUp() override { Sys().loop = &loop; }
  void TearDown() override { Sys() = Services{}; }

  void Note(const std::string& what) { log.push_back(what + "@" + std::to_string(loop.Now())); }

  sim::VirtualClock clock;
  EventLoop loop{clock};
  std::vector<std::string> log;
};

TEST_F(EventLoopTest, TimerFiresEveryIntervalFromWhenEnabled) {
  std::vector<TimeMs> fired;
  Timer t(loop, [&] { fired.push_back(loop.Now()); });
  loop.ProcessEventsUntil(30);
  t.SetInterval(50);
  t.SetEnabled(true);
  loop.ProcessEventsUntil(200);
  loop.ProcessReadyEvents();
  EXPECT_EQ(fired, (std::vector<TimeMs>{80, 130, 180}));
}

TEST_F(EventLoopTest, ChangingTheIntervalRestartsTheCount) {
  std::vector<TimeMs> fired;
  Timer t(loop, [&] { fired.push_back(loop.Now()); });
  t.SetInterval(100);
  t.SetEnabled(true);
  loop.ProcessEventsUntil(60);
  t.SetInterval(100);
  loop.ProcessEventsUntil(170);
  loop.ProcessReadyEvents();
  EXPECT_EQ(fired, (std::vector<TimeMs>{160}));
}

TEST_F(EventLoopTest, PumpingWaitLetsOtherEventsThroughButNeverItsOwnTimer) {
  Timer other(loop, [&] { Note("other"); });
  other.SetInterval(100);
  other.SetEnabled(true);
  Timer self;
  self = Timer(loop, [&] {
    Note("self begins");
    loop.Post([&] { Note("posted"); });
    view::WaitSeconds(0.25);
    Note("self ends");
  });
  self.SetInterval(50);
  self.SetEnabled(true);
  loop.ProcessEventsUntil(60);
  EXPECT_THAT(log, ElementsAre("self begins@50", "posted@50", "other@100", "other@200", "other@300",
                               "self ends@301"));
}

TEST_F(EventLoopTest, BlockingPauseHandlesNothingUntilItEnds) {
  Timer t(loop, [&] { Note("timer"); });
  t.SetInterval(100);
  t.SetEnabled(true);
  loop.Post([&] {
    loop.Post([&] { Note("posted"); });
    view::PauseSeconds(0.25);
    Note("paused");
  });
  loop.ProcessEventsUntil(300);
  EXPECT_THAT(log, ElementsAre("paused@250", "posted@250", "timer@250"));
}

TEST_F(EventLoopTest, WaitLengths) {
  struct Case {
    const char* name;
    void (*wait)();
    TimeMs length;
  } cases[] = {
      {"WaitMs pumping", [] { view::WaitMs(250, true); }, 250},
      {"WaitMs blocking", [] { view::WaitMs(250, false); }, 250},
      {"WaitSeconds: more than the seconds", [] { view::WaitSeconds(0.4); }, 401},
      {"PauseSeconds rounds to the millisecond", [] { view::PauseSeconds(0.0104); }, 10},
  };
  for (const auto& c : cases) {
    const TimeMs start = loop.Now();
    c.wait();
    EXPECT_EQ(loop.Now() - start, c.length) << c.name;
  }
}

TEST_F(EventLoopTest, ProcessExitLeavesNestedWaitsAndEndsRun) {
  loop.Post([&] {
    loop.Post([] { EndProcess(3); });
    view::WaitSeconds(10);
    Note("never");
  });
  EXPECT_EQ(loop.Run(), 3);
  EXPECT_TRUE(log.empty());
}

TEST_F(EventLoopTest, RunEndsWhenNothingCanHappen) {
  EXPECT_EQ(loop.Run(), 0);
}

}  // namespace
}  // namespace tlj::platform
