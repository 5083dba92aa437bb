#include "desktop/qt_loop_backend.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <QCoreApplication>

#include "desktop/post_input.h"
#include "headless/automation_channel.h"
#include "tests/desktop/test_application.h"

namespace tlj::desktop {
namespace {

using platform::TimeMs;

class QtLoopBackendTest : public ::testing::Test {
 protected:
  QtLoopBackendTest() {
    int fds[2];
    EXPECT_EQ(::pipe(fds), 0);
    read_end = fds[0];
    write_end = fds[1];
  }
  ~QtLoopBackendTest() override {
    ::close(read_end);
    if (write_end >= 0) ::close(write_end);
  }

  // Runs the loop until `done`, for at most ten seconds of the clock.
  bool RunUntil(const std::function<bool()>& done) {
    loop.ProcessEventsUntil(loop.Now() + 10'000, done);
    return done();
  }
  void Write(const std::string& text) {
    ASSERT_EQ(::write(write_end, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }

  QApplication& application = testing::TestApplication();
  QtLoopBackend backend;
  platform::EventLoop loop{backend};
  int read_end = -1;
  int write_end = -1;
};

TEST_F(QtLoopBackendTest, PostedEventsAndTimersRunInOrder) {
  std::vector<std::string> order;
  int waits = 0;
  backend.SetBeforeWait([&] { ++waits; });
  platform::Timer slow;
  platform::Timer fast;
  slow = platform::Timer(loop, [&] {
    order.push_back("timer 20");
    slow.SetEnabled(false);
  });
  fast = platform::Timer(loop, [&] {
    order.push_back("timer 5");
    fast.SetEnabled(false);
    loop.Post([&] { order.push_back("posted by the timer"); });
  });
  slow.SetInterval(20);
  fast.SetInterval(5);
  slow.SetEnabled(true);
  fast.SetEnabled(true);
  loop.Post([&] { order.push_back("first"); });
  loop.Post([&] { order.push_back("second"); });

  ASSERT_TRUE(RunUntil([&] { return order.size() == 5; }));
  EXPECT_EQ(order, (std::vector<std::string>{"first", "second", "timer 5", "posted by the timer",
                                             "timer 20"}));
  EXPECT_GT(waits, 0);  // the windows catch up before the loop waits
}

// Input reported from inside Qt's own handling (here a queued call, which Qt delivers before it
// would wait) ends the wait at once, however far off its deadline is.
TEST_F(QtLoopBackendTest, InputPostedFromInsideQtEndsTheWait) {
  bool handled = false;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [&] { PostInput(loop, [&] { handled = true; }); },
      Qt::QueuedConnection);
  loop.ProcessEventsUntil(loop.Now() + 60'000, [&] { return handled; });
  EXPECT_TRUE(handled);
}

TEST_F(QtLoopBackendTest, AWatchedDescriptorsReadinessReachesItsHandler) {
  std::vector<short> seen;
  backend.Watch(read_end, POLLIN, [&](short revents) {
    seen.push_back(revents);
    char byte;
    if ((revents & POLLIN) != 0) {
      ASSERT_EQ(::read(read_end, &byte, 1), 1);
    }
  });
  Write("x");
  ASSERT_TRUE(RunUntil([&] { return seen.size() == 1; }));
  EXPECT_NE(seen[0] & POLLIN, 0);

  ::close(std::exchange(write_end, -1));  // the other end goes: a hang-up
  ASSERT_TRUE(RunUntil([&] { return seen.size() == 2; }));
  EXPECT_NE(seen[1] & POLLHUP, 0);
  backend.Unwatch(read_end);
}

TEST_F(QtLoopBackendTest, AHandlerThatStopsWatchingIsNotCalledAgain) {
  int calls = 0;
  backend.Watch(read_end, POLLIN, [&](short) {
    ++calls;
    backend.Unwatch(read_end);
  });
  Write("xy");
  ASSERT_TRUE(RunUntil([&] { return calls == 1; }));
  loop.ProcessEventsUntil(loop.Now() + 50);
  EXPECT_EQ(calls, 1);  // the bytes are still there, unread
}

TEST_F(QtLoopBackendTest, WaitingForRoomToWriteIsAskedForBySetEvents) {
  std::vector<short> seen;
  backend.Watch(write_end, 0, [&](short revents) {
    seen.push_back(revents);
    backend.SetEvents(write_end, 0);
  });
  loop.ProcessEventsUntil(loop.Now() + 20);
  EXPECT_TRUE(seen.empty());
  backend.SetEvents(write_end, POLLOUT);
  ASSERT_TRUE(RunUntil([&] { return seen.size() == 1; }));
  EXPECT_NE(seen[0] & POLLOUT, 0);
  backend.Unwatch(write_end);
}

// The automation channel reads standard input through the same watcher as in the poll loop.
TEST_F(QtLoopBackendTest, TheAutomationChannelRunsOnIt) {
  platform::ElementTree tree;
  tree.AddWindow("MainForm", [](platform::ElementTree& ui, platform::Window& w) {
    for (int k = 0; k <= 2; ++k) ui.Add(w, "AnNiu", k, platform::ElementKind::Picture);
  });
  std::vector<int> clicked;
  tree.On("MainForm", "AnNiu", platform::EventKind::Click,
          [&](const platform::ElementEvent& e) { clicked.push_back(e.index.value_or(-1)); });
  std::ostringstream diagnostics;
  const std::vector<headless::ShownMessageBox> boxes;
  headless::AutomationChannel channel(loop, backend, tree, boxes, read_end, diagnostics);
  Write("click AnNiu 2\nclick AnNiu 0\n");
  ASSERT_TRUE(RunUntil([&] { return clicked.size() == 2; }));
  EXPECT_EQ(clicked, (std::vector<int>{2, 0}));
  EXPECT_EQ(diagnostics.str(), "");
}

}  // namespace
}  // namespace tlj::desktop
