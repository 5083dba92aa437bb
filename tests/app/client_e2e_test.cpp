// The real client binary against a loopback game server and a stand-in lobby window.

#include <gtest/gtest.h>
#include <poll.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/net/frame.h"
#include "core/platform/lobby_link.h"
#include "posix/bound_window.h"
#include "posix/child_process.h"
#include "posix/poll_backend.h"
#include "posix/window_directory.h"
#include "sim/temp_dir.h"
#include "tests/app/fixture_server.h"
#include "tests/app/png_size.h"

namespace tlj::e2e {
namespace {

using posix::WindowMessage;

constexpr const char* kLobbyTitle = "星湖山庄";
// Deadlines only keep a broken run from hanging; a working client is far quicker.
constexpr platform::TimeMs kGenerous = 20'000;
constexpr platform::TimeMs kKeepAliveDeadline = 40'000;
constexpr platform::TimeMs kDumpRetry = 250;

#ifdef TLJ_CLIENT_HAS_WINDOWS
constexpr bool kClientHasWindows = true;
#else
constexpr bool kClientHasWindows = false;
#endif

const WindowMessage kRestore{platform::kWmSysCommand, platform::kScRestore, 0};

std::string ClientProgram() {
  const char* dir = std::getenv("TLJ_BIN_DIR");
  return dir == nullptr ? std::string() : std::string(dir) + "/tlj";
}

class ClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(ClientProgram().empty()) << "TLJ_BIN_DIR must name the folder of tlj";
    lobby =
        std::make_unique<posix::BoundWindow>(posix::WindowDirectory(runtime.path()), kLobbyTitle);
    poll.Watch(lobby->Fd(), POLLIN, [this](short) {
      for (const auto& m : lobby->TakePending()) lobby_received.push_back(m);
    });
    // Wakes the loop now and then, so that conditions outside it (the child's exit) are seen.
    tick.SetInterval(50);
    tick.SetEnabled(true);
  }
  void TearDown() override {
    if (client && HasFailure()) std::cerr << "client's standard error:\n" << client->Stderr();
    client.reset();
    poll.Unwatch(lobby->Fd());
  }

  void Start(const std::string& command_line) { StartWith({"--headless", command_line}); }
  void StartWith(std::vector<std::string> args, std::map<std::string, std::string> env = {}) {
    posix::ChildProcess::Options options;
    options.args = std::move(args);
    options.env = std::move(env);
    options.env["TLJ_RUNTIME_DIR"] = runtime.path().string();
    options.env["TLJ_APP_DIR"] = app.path().string();
    client = std::make_unique<posix::ChildProcess>(loop, poll, ClientProgram(), options);
  }

  bool RunUntil(const std::function<bool()>& done, platform::TimeMs span = kGenerous) {
    loop.ProcessEventsUntil(loop.Now() + span, done);
    return done();
  }
  bool LobbyReceived(const WindowMessage& message) const {
    return std::find(lobby_received.begin(), lobby_received.end(), message) != lobby_received.end();
  }
  bool Exited() { return client->ExitCode().has_value(); }

  // Asks for dumps until one satisfies `check`.
  bool DumpUntil(const std::function<bool(const nlohmann::json&)>& check) {
    const auto path = app.path() / "tree.json";
    const platform::TimeMs deadline = loop.Now() + kGenerous;
    while (loop.Now() < deadline && !Exited()) {
      client->WriteLine("dump " + path.string());
      loop.ProcessEventsUntil(loop.Now() + kDumpRetry);
      std::ifstream in(path);
      if (in && check(nlohmann::json::parse(in))) return true;
    }
    return false;
  }

  sim::TempDir runtime;
  sim::TempDir app;
  posix::PollBackend poll;
  platform::EventLoop loop{poll};
  platform::Timer tick{loop, [] {}};
  std::unique_ptr<posix::BoundWindow> lobby;
  std::vector<WindowMessage> lobby_received;
  std::unique_ptr<posix::ChildProcess> client;
};

bool SysmsgShows(const nlohmann::json& dump, const std::string& text) {
  for (const auto& window : dump["windows"]) {
    if (window["name"] != "MainForm") continue;
    for (const auto& element : window["elements"]) {
      if (element["name"] == "Sysmsg" && element["index"] == 0) {
        for (const auto& line : element["lines"]) {
          if (line == text) return true;
        }
      }
    }
  }
  return false;
}

TEST_F(ClientTest, LogsInKeepsTheLinkAliveAndShowsTheLobbyWhenTheServerGoes) {
  FixtureServer server(poll);
  Start("acct$pw$127.0.0.1$" + std::to_string(server.Port()) + "$房间一$0$$$$$0$$$");

  ASSERT_TRUE(RunUntil([&] { return server.CountOfType(net::kTypeLogin) > 0 || Exited(); }));
  ASSERT_FALSE(Exited());
  EXPECT_EQ(server.Frames().front()[net::kTypeAt],
            net::kTypeLogin);  // the login request comes first
  ASSERT_TRUE(RunUntil([&] { return LobbyReceived({platform::kLoggedIn, 0, 0}) || Exited(); }));
  EXPECT_TRUE(LobbyReceived({platform::kConnecting, 0, 0}));

  EXPECT_TRUE(
      DumpUntil([](const nlohmann::json& dump) { return SysmsgShows(dump, "连接服务器成功！"); }));

  EXPECT_TRUE(RunUntil([&] { return server.CountOfType(net::kTypeKeepAlive) >= 2 || Exited(); },
                       kKeepAliveDeadline));

  server.Disconnect();
  EXPECT_TRUE(RunUntil([&] { return LobbyReceived(kRestore) || Exited(); }));
  EXPECT_TRUE(LobbyReceived(kRestore));
  EXPECT_FALSE(Exited()) << "the client waits, idle, for the lobby";
}

struct EndingCase {
  const char* name;
  const char* command_line;
  const char* message_box;  // as printed on standard error
  bool failure;             // ends with a non-zero exit code
  friend void PrintTo(const EndingCase& ending, std::ostream* out) { *out << ending.name; }
};

class ClientEndingTest : public ClientTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(ClientEndingTest, EndsAfterTheMessageBox) {
  Start(GetParam().command_line);
  ASSERT_TRUE(RunUntil([&] { return Exited(); }));
  EXPECT_NE(client->Stderr().find(GetParam().message_box), std::string::npos);
  if (GetParam().failure) {
    EXPECT_NE(*client->ExitCode(), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ClientEndingTest,
    ::testing::Values(
        EndingCase{"Empty", "", "MessageBox: 警告: 本游戏需从游戏大厅中启动！", false},
        EndingCase{"Blank", "   ", "MessageBox: 警告: 本游戏需从游戏大厅中启动！", false},
        EndingCase{"Malformed", "acct$pw$127.0.0.1$", ": 游戏启动失败！\n", true},
        EndingCase{"PortNotANumber", "acct$pw$127.0.0.1$port$房间一$0$$$$$0$$$",
                   ": 游戏启动失败！\n", true}),
    [](const auto& test) { return std::string(test.param.name); });

// The lobby passes its line alone; an account name that begins with "-" does not make it an
// option. This line names the lobby and then fails (a double-byte password), so the failure
// path shows its box and brings the lobby back.
TEST_F(ClientTest, ALineThatLooksLikeAnOptionIsTheLobbys) {
  StartWith({std::string("-ab$密码$127.0.0.1$5000$房间一$0$$$$$1$") + kLobbyTitle + "$桌一$"});
  ASSERT_TRUE(RunUntil([&] { return Exited(); }));
  EXPECT_NE(*client->ExitCode(), 0);
  EXPECT_NE(*client->ExitCode(), 2) << "not a usage error";
  EXPECT_NE(client->Stderr().find(": 游戏启动失败！\n"), std::string::npos);
  EXPECT_TRUE(RunUntil([&] { return LobbyReceived(kRestore); }));
}

TEST_F(ClientTest, AnUnusableOptionIsAUsageError) {
  StartWith({"--screen", "big", "acct$"});
  ASSERT_TRUE(RunUntil([&] { return Exited(); }));
  EXPECT_EQ(*client->ExitCode(), 2);
  EXPECT_NE(client->Stderr().find("--screen needs a size"), std::string::npos);
}

// A display that is named but does not answer: the client plays without windows rather than
// letting the toolkit end it.
TEST_F(ClientTest, ADisplayThatDoesNotAnswerLeavesTheClientHeadless) {
  if (!kClientHasWindows) GTEST_SKIP() << "the client was built without windows";
  FixtureServer server(poll);
  StartWith({"acct$pw$127.0.0.1$" + std::to_string(server.Port()) + "$房间一$0$$$$$0$$$"},
            {{"DISPLAY", ":97531"}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}});
  ASSERT_TRUE(RunUntil([&] { return LobbyReceived({platform::kLoggedIn, 0, 0}) || Exited(); }));
  EXPECT_FALSE(Exited());
  EXPECT_NE(client->Stderr().find("does not answer; playing without windows"), std::string::npos)
      << client->Stderr();
}

struct ScreenCase {
  const char* name;
  int width, height;  // the screen in scaled pixels, as the window system gives it
  double ratio;       // its device pixel ratio: the screen's own pixels per scaled pixel
  int window_width, window_height;  // the table window, in scaled pixels
  friend void PrintTo(const ScreenCase& c, std::ostream* out) { *out << c.name; }
};

class ClientScreenTest : public ClientTest, public ::testing::WithParamInterface<ScreenCase> {};

// On a screen that scales, the table is laid out for the screen's scaled size, so it fits, and
// drawn at the screen's own resolution.
TEST_P(ClientScreenTest, TheTableFitsTheScreenAndScalesAsAWhole) {
  if (!kClientHasWindows) GTEST_SKIP() << "the client was built without windows";
  const ScreenCase& c = GetParam();
  const auto config = app.path() / "screen.json";
  std::ofstream(config) << R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": )" << c.width
                        << R"(, "height": )" << c.height << R"(, "dpr": )" << c.ratio << "}]}";
  FixtureServer server(poll);
  StartWith({"acct$pw$127.0.0.1$" + std::to_string(server.Port()) + "$房间一$0$$$$$0$$$"},
            {{"QT_QPA_PLATFORM", "offscreen:configfile=" + config.string()}});
  ASSERT_TRUE(RunUntil([&] { return LobbyReceived({platform::kLoggedIn, 0, 0}) || Exited(); }));
  ASSERT_FALSE(Exited());

  EXPECT_TRUE(DumpUntil([&](const nlohmann::json& dump) {
    for (const auto& window : dump["windows"]) {
      if (window["name"] == "MainForm")
        return window["visible"] == true && window["width"] == c.window_width &&
               window["height"] == c.window_height;
    }
    return false;
  }));
  const auto shot = app.path() / "table.png";
  client->WriteLine("snapshot MainForm " + shot.string());
  ASSERT_TRUE(RunUntil([&] { return std::filesystem::exists(shot) || Exited(); }));
  const auto [width, height] = PngSize(shot);
  EXPECT_EQ(width, static_cast<int>(c.window_width * c.ratio));
  EXPECT_EQ(height, static_cast<int>(c.window_height * c.ratio));
  EXPECT_LE(c.window_width, c.width);
  EXPECT_LE(c.window_height, c.height);
}

INSTANTIATE_TEST_SUITE_P(Screens, ClientScreenTest,
                         ::testing::Values(ScreenCase{"Plain", 1280, 1024, 1, 1040, 796},
                                           ScreenCase{"DoubleWithRoom", 1280, 800, 2, 1040, 796},
                                           ScreenCase{"DoubleSmall", 960, 600, 2, 960, 600},
                                           ScreenCase{"OneAndAHalf", 1280, 720, 1.5, 1040, 720}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tlj::e2e
