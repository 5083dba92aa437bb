#include "posix/window_link.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "posix/bound_window.h"
#include "posix/poll_backend.h"
#include "sim/temp_dir.h"
#include "sim/virtual_clock.h"
#include "tests/posix/hand_watcher.h"
#include "tests/posix/slow_window.h"

namespace tlj::posix {
namespace {

using testing::HandWatcher;
using testing::PostPastAFullQueue;
using testing::WindowReader;
using namespace std::chrono_literals;
constexpr auto kGenerous = 10s;
constexpr const char* kLobby = "星湖山庄";

// Leaves a socket file behind with nobody bound to it, as a window that crashed would.
void LeaveStaleSocket(const std::filesystem::path& file) {
  const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strcpy(address.sun_path, file.c_str());
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
}

void SendRaw(const std::filesystem::path& file, const std::string& datagram) {
  const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strcpy(address.sun_path, file.c_str());
  ::sendto(fd, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&address),
           sizeof address);
  ::close(fd);
}

class WindowLinkTest : public ::testing::Test {
 protected:
  // Runs the loop until the table window has received `count` messages.
  bool RunUntilReceived(std::size_t count) {
    loop.ProcessEventsUntil(loop.Now() + 10'000, [&] { return received.size() >= count; });
    return received.size() >= count;
  }
  platform::LobbyLink::MessageHandler Recorder() {
    return [this](int msg, long wparam, long lparam) { received.push_back({msg, wparam, lparam}); };
  }
  // Posts through the link to the lobby until some messages wait in the link, and `more` besides.
  std::vector<WindowMessage> PostPastTheLobbysQueue(int more) {
    return PostPastAFullQueue(
        [this](const WindowMessage& m) {
          return link.PostMessage(kLobby, m.msg, m.wparam, m.lparam);
        },
        [this] { return link.Waiting(kLobby); }, more);
  }

  sim::TempDir temp;
  WindowDirectory directory{temp.path() / "windows"};
  PollBackend poll;
  platform::EventLoop loop{poll};
  WindowLink link{loop, poll, directory};
  std::vector<WindowMessage> received;
};

TEST_F(WindowLinkTest, CreatesAPrivateFolder) {
  struct stat info {};
  ASSERT_EQ(::stat(directory.Path().c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(WindowLinkTest, FindsAndPostsToALobbyWindow) {
  BoundWindow lobby(directory, kLobby);
  EXPECT_TRUE(link.FindWindow(kLobby));
  EXPECT_FALSE(link.FindWindow("星湖"));
  EXPECT_FALSE(link.PostMessage("星湖", 22, 0, 0));

  ASSERT_TRUE(link.PostMessage(kLobby, 771, 0, 0));
  EXPECT_EQ(lobby.WaitForMessage(kGenerous), (WindowMessage{771, 0, 0}));

  ASSERT_TRUE(link.PostMessage(kLobby, platform::kWmSysCommand, platform::kScRestore, 0));
  char datagram[64] = {};
  pollfd ready{lobby.Fd(), POLLIN, 0};
  ASSERT_EQ(::poll(&ready, 1, 10'000), 1);
  const ssize_t n = ::recv(lobby.Fd(), datagram, sizeof datagram, 0);
  EXPECT_EQ(std::string(datagram, n > 0 ? n : 0), "274 61728 0");
}

TEST_F(WindowLinkTest, ReachesTitlesThatNeedEscapingOrDoNotFitASocketAddress) {
  std::string long_title;
  for (int i = 0; i < 40; ++i) long_title += "长";  // 120 bytes
  for (const std::string title : {"100% / 房间", long_title.c_str()}) {
    SCOPED_TRACE(title);
    BoundWindow window(directory, title);
    EXPECT_TRUE(std::filesystem::exists(directory.FileOf(title)));
    ASSERT_TRUE(link.PostMessage(title, 1127, 0, 0));
    EXPECT_EQ(window.WaitForMessage(kGenerous), (WindowMessage{1127, 0, 0}));
  }
}

TEST_F(WindowLinkTest, StaleSocketFileIsNotAWindowAndIsRemoved) {
  using Lookup = bool (*)(WindowLink&);
  const std::pair<const char*, Lookup> lookups[] = {
      {"find", [](WindowLink& l) { return l.FindWindow(kLobby); }},
      {"post", [](WindowLink& l) { return l.PostMessage(kLobby, 22, 0, 0); }},
  };
  for (const auto& [name, lookup] : lookups) {
    SCOPED_TRACE(name);
    LeaveStaleSocket(directory.FileOf(kLobby));
    EXPECT_FALSE(lookup(link));
    EXPECT_FALSE(std::filesystem::exists(directory.FileOf(kLobby)));
  }
}

TEST_F(WindowLinkTest, ListeningTakesOverAStaleFileAndDeliversThroughTheLoop) {
  LeaveStaleSocket(directory.FileOf("铜炉局"));
  link.ListenAs("铜炉局", Recorder());
  ASSERT_TRUE(directory.Post("铜炉局", {1125, 0, 0}));
  EXPECT_TRUE(received.empty());  // nothing reaches the logic from outside the loop
  ASSERT_TRUE(RunUntilReceived(1));
  EXPECT_EQ(received, (std::vector<WindowMessage>{{1125, 0, 0}}));
}

TEST_F(WindowLinkTest, MalformedDatagramsAreIgnored) {
  link.ListenAs("铜炉局", Recorder());
  for (const std::string& datagram : std::vector<std::string>{
           "hello", "771", "771 0", "", "771 0 0 0", std::string(4096, '7'), "22 0 0"}) {
    SendRaw(directory.FileOf("铜炉局"), datagram);
  }
  ASSERT_TRUE(RunUntilReceived(1));
  ASSERT_TRUE(directory.Post("铜炉局", {1024, 0, 0}));
  ASSERT_TRUE(RunUntilReceived(2));
  EXPECT_EQ(received, (std::vector<WindowMessage>{{22, 0, 0}, {1024, 0, 0}}));
}

TEST_F(WindowLinkTest, ListeningUnderANewTitleMovesTheWindow) {
  link.ListenAs("铜炉局", Recorder());
  link.ListenAs("铜炉局", Recorder());  // the same title again keeps the window
  link.ListenAs("房间一", Recorder());
  EXPECT_FALSE(link.FindWindow("铜炉局"));
  EXPECT_FALSE(std::filesystem::exists(directory.FileOf("铜炉局")));
  EXPECT_TRUE(link.FindWindow("房间一"));
  ASSERT_TRUE(directory.Post("房间一", {22, 0, 0}));
  ASSERT_TRUE(RunUntilReceived(1));
  EXPECT_EQ(received.front(), (WindowMessage{22, 0, 0}));
}

TEST_F(WindowLinkTest, TitleHeldByALiveWindowIsRefusedAndTheOldOneKept) {
  link.ListenAs("铜炉局", Recorder());
  const BoundWindow other(directory, kLobby);
  EXPECT_THROW(link.ListenAs(kLobby, Recorder()), std::system_error);
  EXPECT_TRUE(link.FindWindow("铜炉局"));
}

TEST_F(WindowLinkTest, ClosingAWindowLeavesASuccessorsFileAlone) {
  auto first = std::make_unique<BoundWindow>(directory, kLobby);
  std::filesystem::remove(directory.FileOf(kLobby));
  const BoundWindow successor(directory, kLobby);
  first.reset();
  EXPECT_TRUE(link.FindWindow(kLobby));
}

TEST_F(WindowLinkTest, OnlyOneInstanceHoldsTheLockUntilItEnds) {
  auto first = std::make_unique<WindowLink>(loop, poll, directory);
  ASSERT_TRUE(first->AcquireSingleInstance());
  EXPECT_TRUE(first->AcquireSingleInstance());
  EXPECT_FALSE(link.AcquireSingleInstance());
  first.reset();
  EXPECT_TRUE(link.AcquireSingleInstance());
  EXPECT_TRUE(std::filesystem::exists(directory.Path() / "tlj.lock"));
}

TEST_F(WindowLinkTest, ASlowLobbyGetsEveryMessageInOrderOnceItReads) {
  BoundWindow lobby(directory, kLobby);
  std::vector<WindowMessage> posted = PostPastTheLobbysQueue(20);
  // The lobby is busy, not gone: it is found, and restoring it does not end the client.
  EXPECT_TRUE(link.FindWindow(kLobby));
  ASSERT_TRUE(link.PostMessage(kLobby, platform::kWmSysCommand, platform::kScRestore, 0));
  posted.push_back({platform::kWmSysCommand, platform::kScRestore, 0});

  const WindowReader reader(poll, lobby);
  loop.ProcessEventsUntil(loop.Now() + 10'000, [&] { return reader.read.size() >= posted.size(); });
  EXPECT_EQ(reader.read, posted);
  EXPECT_EQ(link.Waiting(kLobby), 0u);
  EXPECT_EQ(poll.WatchedCount(), 1u) << "only the reader: the link stops waiting for room";

  ASSERT_TRUE(link.PostMessage(kLobby, 1127, 0, 0));
  EXPECT_EQ(lobby.WaitForMessage(kGenerous), (WindowMessage{1127, 0, 0}));
}

TEST_F(WindowLinkTest, MessagesWaitingForALobbyThatGoesAreDropped) {
  auto lobby = std::make_unique<BoundWindow>(directory, kLobby);
  PostPastTheLobbysQueue(5);
  lobby.reset();
  EXPECT_FALSE(link.FindWindow(kLobby));
  EXPECT_FALSE(link.PostMessage(kLobby, 1024, 0, 0));
  EXPECT_EQ(link.Waiting(kLobby), 0u);
  EXPECT_EQ(poll.WatchedCount(), 0u);

  // A new lobby under the title gets what is posted from now on, and nothing of the old one's.
  BoundWindow successor(directory, kLobby);
  ASSERT_TRUE(link.PostMessage(kLobby, 1127, 0, 0));
  EXPECT_EQ(successor.TakePending(), (std::vector<WindowMessage>{{1127, 0, 0}}));
}

// Another front end's loop watches the descriptors: the link still hears its own window and
// still hands the lobby what waited for it.
TEST(WindowLinkWatcherTest, AnotherLoopsWatcherDrivesTheLink) {
  sim::TempDir temp;
  WindowDirectory directory{temp.path() / "windows"};
  HandWatcher watcher;
  sim::VirtualClock clock;
  platform::EventLoop loop{clock};
  WindowLink link{loop, watcher, directory};
  std::vector<WindowMessage> received;
  link.ListenAs("铜炉局", [&](int msg, long wparam, long lparam) {
    received.push_back({msg, wparam, lparam});
  });
  BoundWindow lobby(directory, kLobby);
  const std::vector<WindowMessage> posted = PostPastAFullQueue(
      [&](const WindowMessage& m) { return link.PostMessage(kLobby, m.msg, m.wparam, m.lparam); },
      [&] { return link.Waiting(kLobby); }, 3);
  ASSERT_TRUE(directory.Post("铜炉局", {1125, 0, 0}));

  const WindowReader reader(watcher, lobby);
  while ((received.empty() || reader.read.size() < posted.size()) && watcher.DispatchReady(10'000))
    loop.ProcessReadyEvents();
  EXPECT_EQ(received, (std::vector<WindowMessage>{{1125, 0, 0}}));
  EXPECT_EQ(reader.read, posted);
  EXPECT_EQ(watcher.WatchedCount(), 2u) << "the table window and the reader";
}

}  // namespace
}  // namespace tlj::posix
