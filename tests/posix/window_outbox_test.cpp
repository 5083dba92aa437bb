#include "posix/window_outbox.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "posix/bound_window.h"
#include "posix/poll_backend.h"
#include "sim/temp_dir.h"
#include "tests/posix/slow_window.h"

namespace tlj::posix {
namespace {

using testing::PostPastAFullQueue;
using testing::WindowReader;
using namespace std::chrono_literals;

constexpr const char* kLobby = "星湖山庄";
constexpr std::size_t kLimit = 3;

class WindowOutboxTest : public ::testing::Test {
 protected:
  std::vector<WindowMessage> PostPastTheLobbysQueue(int more) {
    return PostPastAFullQueue([this](const WindowMessage& m) { return outbox->Post(kLobby, m); },
                              [this] { return outbox->Waiting(kLobby); }, more);
  }

  sim::TempDir temp;
  WindowDirectory directory{temp.path() / "windows"};
  std::unique_ptr<BoundWindow> lobby = std::make_unique<BoundWindow>(directory, kLobby);
  PollBackend poll;
  platform::EventLoop loop{poll};
  std::ostringstream diagnostics;
  std::unique_ptr<WindowOutbox> outbox =
      std::make_unique<WindowOutbox>(poll, directory, diagnostics, kLimit);
};

TEST_F(WindowOutboxTest, PastTheLimitTheNewestAreDroppedAndReported) {
  std::vector<WindowMessage> posted = PostPastTheLobbysQueue(kLimit + 1);
  EXPECT_EQ(outbox->Waiting(kLobby), kLimit);
  EXPECT_EQ(diagnostics.str(),
            "window messages: \"星湖山庄\" leaves 3 unread; newer messages to "
            "it are dropped until it reads\n")
      << "one line, not one per message";

  // What was sent and what waited arrives in order; only the two newest are missing.
  posted.resize(posted.size() - 2);
  const WindowReader reader(poll, *lobby);
  loop.ProcessEventsUntil(loop.Now() + 10'000, [&] { return reader.read.size() >= posted.size(); });
  EXPECT_EQ(reader.read, posted);
  EXPECT_EQ(outbox->Waiting(kLobby), 0u);
  EXPECT_TRUE(diagnostics.str().ends_with(
      "window messages: 2 to \"星湖山庄\" were lost: the window left too many unread\n"));
}

TEST_F(WindowOutboxTest, GoingHandsTheLobbyWhatWaitsForIt) {
  const std::vector<WindowMessage> posted = PostPastTheLobbysQueue(1);
  std::vector<WindowMessage> read;
  std::thread lobby_reads([&] {
    while (read.size() < posted.size()) {
      const std::optional<WindowMessage> m = lobby->WaitForMessage(10s);
      if (!m) return;
      read.push_back(*m);
    }
  });
  outbox.reset();
  lobby_reads.join();
  EXPECT_EQ(read, posted);
  EXPECT_EQ(diagnostics.str(), "");
}

TEST_F(WindowOutboxTest, GoingAfterTheLobbyWentReportsWhatWasLost) {
  BoundWindow other{directory, "房间一"};
  PostPastTheLobbysQueue(1);
  const std::size_t waiting = outbox->Waiting(kLobby);
  ASSERT_TRUE(outbox->Post("房间一", {22, 0, 0}));
  EXPECT_EQ(other.TakePending(), (std::vector<WindowMessage>{{22, 0, 0}}))
      << "another window is not held up";
  lobby.reset();
  outbox.reset();
  EXPECT_EQ(diagnostics.str(), "window messages: " + std::to_string(waiting) +
                                   " to \"星湖山庄\" were lost: the window has gone\n");
  EXPECT_EQ(poll.WatchedCount(), 0u);
}

}  // namespace
}  // namespace tlj::posix
