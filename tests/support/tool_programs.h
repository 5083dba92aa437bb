#pragma once
// Running the built programs as child processes, with generous deadlines that only keep a
// broken run from hanging.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "core/platform/event_loop.h"
#include "posix/child_process.h"
#include "posix/poll_backend.h"

namespace tlj::tools::testing {

inline std::string Program(const std::string& name) {
  const char* dir = std::getenv("TLJ_BIN_DIR");
  return dir == nullptr ? std::string() : std::string(dir) + "/" + name;
}

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
    tick_.SetInterval(50);
    tick_.SetEnabled(true);
  }
  void SetUp() override {
    ASSERT_FALSE(std::getenv("TLJ_BIN_DIR") == nullptr)
        << "TLJ_BIN_DIR must name the programs' folder";
  }

  std::unique_ptr<posix::ChildProcess> Start(const std::string& name,
                                             posix::ChildProcess::Options options) {
    options.pipe_stdin = false;
    return std::make_unique<posix::ChildProcess>(loop_, poll_, Program(name), std::move(options));
  }
  bool RunUntil(const std::function<bool()>& done, platform::TimeMs span) {
    loop_.ProcessEventsUntil(loop_.Now() + span, done);
    return done();
  }
  // The exit code, or nothing when the child did not end in time.
  std::optional<int> WaitForExit(posix::ChildProcess& child, platform::TimeMs span) {
    RunUntil([&] { return child.ExitCode().has_value(); }, span);
    return child.ExitCode();
  }

  posix::PollBackend poll_;
  platform::EventLoop loop_{poll_};
  platform::Timer tick_{loop_, [] {}};  // wakes the loop to notice a child's end
};

}  // namespace tlj::tools::testing
