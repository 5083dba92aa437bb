#include "core/platform/event_loop.h"

#include <gtest/gtest.h>

#include <vector>

#include "sim/virtual_clock.h"

namespace tlj::platform {
namespace {

class EventLoopTest : public ::testing::Test {
 protected:
  sim::VirtualClock clock;
  EventLoop loop{clock};
};

TEST_F(EventLoopTest, TimerFiresEveryIntervalFromWhenEnabled) {
  std::vector<TimeMs> fired;
  Timer t(loop, [&] { fired.push_back(loop.Now()); });
  loop.ProcessEventsUntil(30);
  t.SetInterval(50);
  t.SetEnabled(true);
  loop.ProcessEventsUntil(200);
  EXPECT_EQ(fired, (std::vector<TimeMs>{80, 130, 180}));
}

}  // namespace
}  // namespace tlj::platform
