// The programs as installed: this build put under a temporary prefix with `cmake --install`, or,
// when TLJ_PACKAGE_ROOT names the root the Debian package was unpacked into, the package's
// files (packaging/check-deb). Each run gets a home of its own. And the build itself, which
// keeps its files beside the program as it always has.

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/net/frame.h"
#include "core/platform/lobby_link.h"
#include "posix/bound_window.h"
#include "posix/child_process.h"
#include "posix/poll_backend.h"
#include "posix/window_directory.h"
#include "sim/temp_dir.h"
#include "tests/app/fixture_server.h"
#include "tests/app/png_size.h"
#include "tests/support/frames.h"
#include "tests/support/listening_socket.h"
#include "tools/common/whole_file.h"

namespace tlj::e2e {
namespace {

namespace fs = std::filesystem;
using posix::WindowMessage;

constexpr const char* kLobbyTitle = "星湖山庄";
// Deadlines only keep a broken run from hanging; a working one is far quicker.
constexpr platform::TimeMs kGenerous = 30'000;
constexpr platform::TimeMs kInstallDeadline = 120'000;

const int kIconSizes[] = {16, 32, 48, 64, 128};
const char* const kSoundFolders[] = {"music", "tlj", "beiling"};

fs::path BinDir() {
  const char* dir = std::getenv("TLJ_BIN_DIR");
  return dir == nullptr ? fs::path() : fs::path(dir);
}

void WriteFile(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

int WaveFiles(const fs::path& folder) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return 0;
  return static_cast<int>(
      std::count_if(fs::directory_iterator(folder), fs::directory_iterator(),
                    [](const auto& entry) { return entry.path().extension() == ".wav"; }));
}

// A value of the build's cache, such as the cmake that made it.
std::string CacheValue(const fs::path& build, const std::string& name) {
  std::ifstream in(build / "CMakeCache.txt");
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with(name + ":")) return line.substr(line.find('=') + 1);
  }
  return {};
}

// Runs programs as children on a loop of the test's own, with a lobby window to watch.
class ProcessTest : public ::testing::Test {
 protected:
  ProcessTest() {
    tick.SetInterval(50);
    tick.SetEnabled(true);
  }

  std::unique_ptr<posix::ChildProcess> Start(const fs::path& program, std::vector<std::string> args,
                                             std::map<std::string, std::string> env) {
    posix::ChildProcess::Options options;
    options.args = std::move(args);
    options.env = std::move(env);
    return std::make_unique<posix::ChildProcess>(loop, poll, program.string(), std::move(options));
  }
  bool RunUntil(const std::function<bool()>& done, platform::TimeMs span = kGenerous) {
    loop.ProcessEventsUntil(loop.Now() + span, done);
    return done();
  }
  // What a program that ends by itself wrote on standard output, or nothing when it failed.
  std::optional<std::string> Output(const fs::path& program, std::vector<std::string> args,
                                    std::map<std::string, std::string> env) {
    auto child = Start(program, std::move(args), std::move(env));
    RunUntil([&] { return child->ExitCode().has_value(); });
    if (child->ExitCode() != 0) {
      ADD_FAILURE() << program << " ended with " << child->ExitCode().value_or(-2) << ":\n"
                    << child->Stderr();
      return std::nullopt;
    }
    return child->Stdout();
  }

  posix::PollBackend poll;
  platform::EventLoop loop{poll};
  platform::Timer tick{loop, [] {}};  // wakes the loop to notice a child's end
};

// The environment of a client run by a user whose home is `home`: no folder named for it, and
// none of the test's own.
std::map<std::string, std::string> UserEnvironment(const fs::path& home) {
  return {{"HOME", home.string()}, {"XDG_DATA_HOME", ""},   {"TLJ_APP_DIR", ""},
          {"DISPLAY", ""},         {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
}

// The prefix the programs are installed under (PREFIX/bin/tlj), made once per test process.
class InstalledTest : public ProcessTest {
 protected:
  static void SetUpTestSuite() {
    if (const char* root = std::getenv("TLJ_PACKAGE_ROOT"); root != nullptr && *root != '\0') {
      prefix_ = fs::path(root) / "usr";
      return;
    }
    install_root_ = std::make_unique<sim::TempDir>();
    prefix_ = install_root_->path() / "usr";
  }
  static void TearDownTestSuite() {
    install_root_.reset();
    installed_ = false;
  }

  void SetUp() override {
    ASSERT_FALSE(BinDir().empty()) << "TLJ_BIN_DIR must name the build's programs";
    if (install_root_ != nullptr && !installed_) {
      const fs::path build = BinDir().parent_path();
      const std::string cmake = CacheValue(build, "CMAKE_COMMAND");
      ASSERT_FALSE(cmake.empty()) << "no CMAKE_COMMAND in " << build / "CMakeCache.txt";
      ASSERT_TRUE(Output(cmake, {"--install", build.string(), "--prefix", prefix_.string()}, {})
                      .has_value());
      installed_ = true;
    }
    prefix = fs::canonical(prefix_);
    data = home.path() / ".local/share/tlj";
  }

  void TearDown() override {
    if (client && HasFailure()) std::cerr << "client's standard error:\n" << client->Stderr();
    client.reset();
    if (lobby) poll.Unwatch(lobby->Fd());
  }

  fs::path Program(const char* name) const { return prefix / "bin" / name; }

  // The installed client at a table of the server on `port`, with a lobby window to report to.
  void StartTable(const std::string& account, const std::string& port) {
    lobby =
        std::make_unique<posix::BoundWindow>(posix::WindowDirectory(runtime.path()), kLobbyTitle);
    poll.Watch(lobby->Fd(), POLLIN, [this](short) {
      for (const auto& m : lobby->TakePending()) lobby_received.push_back(m);
    });
    auto env = UserEnvironment(home.path());
    env["TLJ_RUNTIME_DIR"] = runtime.path().string();
    client = Start(Program("tlj"),
                   {"--headless", account + "$pw$127.0.0.1$" + port + "$房间一$0$$$$$0$$$"}, env);
  }
  bool LoggedIn() {
    const WindowMessage logged_in{platform::kLoggedIn, 0, 0};
    const auto told = [&] {
      return std::find(lobby_received.begin(), lobby_received.end(), logged_in) !=
             lobby_received.end();
    };
    RunUntil([&] { return told() || client->ExitCode().has_value(); });
    return told() && !client->ExitCode().has_value();
  }

  fs::path prefix;
  sim::TempDir home;
  fs::path data;  // the user's data folder for the client
  sim::TempDir runtime;
  std::unique_ptr<posix::BoundWindow> lobby;
  std::vector<WindowMessage> lobby_received;
  std::unique_ptr<posix::ChildProcess> client;

 private:
  static inline std::unique_ptr<sim::TempDir> install_root_;
  static inline fs::path prefix_;
  static inline bool installed_ = false;
};

TEST_F(InstalledTest, EveryFileIsWhereTheSystemAndTheClientLookForIt) {
  for (const char* program : {"tlj", "tlj-server", "tlj-lobby"}) {
    EXPECT_EQ(::access(Program(program).c_str(), X_OK), 0) << program;
  }
  // The sound library goes where the desktop client loads it from, if the build made one.
  EXPECT_EQ(fs::exists(prefix / "lib/tlj/libtlj_qt_sound.so"),
            fs::exists(BinDir() / "libtlj_qt_sound.so"));
  EXPECT_EQ(tools::ReadWholeFile(prefix / "share/tlj/chat.txt"),
            tools::ReadWholeFile(BinDir() / "chat.txt"));
  for (const char* folder : kSoundFolders) {
    const int built = WaveFiles(BinDir() / ".." / "common" / folder);
    EXPECT_GT(built, 0) << folder;
    EXPECT_EQ(WaveFiles(prefix / "share/tlj/common" / folder), built) << folder;
  }
  EXPECT_FALSE(fs::exists(prefix / "common")) << "that would make it look like a build";

  const std::string entry = tools::ReadWholeFile(prefix / "share/applications/tlj.desktop");
  for (const char* line : {"[Desktop Entry]\n", "\nType=Application\n", "\nName=铜炉局\n",
                           "\nExec=tlj-lobby --demo\n", "\nIcon=tlj\n"}) {
    EXPECT_NE(entry.find(line), std::string::npos) << line << " in\n" << entry;
  }
  for (const int size : kIconSizes) {
    const std::string side = std::to_string(size);
    const fs::path icon = prefix / "share/icons/hicolor" / (side + "x" + side) / "apps/tlj.png";
    EXPECT_EQ(PngSize(icon), std::make_pair(size, size)) << icon;
  }
}

// --folders prints the folders as the client's own sound table names them.
TEST_F(InstalledTest, TheClientKeepsItsFilesInTheUsersDataFolderAndPlaysTheInstalledSounds) {
  const auto output = Output(Program("tlj"), {"--folders"}, UserEnvironment(home.path()));
  ASSERT_TRUE(output);
  const fs::path sounds = prefix / "share/tlj/common";
  EXPECT_EQ(*output, "files: " + data.string() + "\nsounds: " + (sounds / "tlj/").string() +
                         "\nvoices: " + (sounds / "beiling/").string() +
                         "\nmusic: " + (sounds / "music/").string() + "\n");
  struct stat st {};
  ASSERT_EQ(::stat(data.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(tools::ReadWholeFile(data / "chat.txt"),
            tools::ReadWholeFile(prefix / "share/tlj/chat.txt"));
}

// The client against the installed server, on loopback, as a user would run it.
TEST_F(InstalledTest, LogsInToTheInstalledServer) {
  std::string listening;
  posix::ChildProcess::Options server_options;
  server_options.args = {"--port", "0"};
  server_options.pipe_stdin = false;
  server_options.on_stdout_line = [&](const std::string& line) {
    if (line.starts_with("tlj-server: listening on ")) listening = line;
  };
  posix::ChildProcess server(loop, poll, Program("tlj-server").string(), server_options);
  ASSERT_TRUE(RunUntil([&] { return !listening.empty() || server.ExitCode().has_value(); }))
      << server.Stderr();
  StartTable("acct", listening.substr(listening.rfind(':') + 1));
  EXPECT_TRUE(LoggedIn());
  EXPECT_EQ(tools::ReadWholeFile(data / "chat.txt"),
            tools::ReadWholeFile(prefix / "share/tlj/chat.txt"));
  EXPECT_EQ(client->Stderr().find("tlj: "), std::string::npos);
}

using ::tlj::testing::ListeningSocket;

// The process running `program`, found by its executable; nothing while there is none.
std::optional<std::string> ProcessOf(const fs::path& program) {
  for (const auto& entry : fs::directory_iterator("/proc")) {
    std::error_code ec;
    if (fs::read_symlink(entry.path() / "exe", ec) == program) return entry.path().string();
  }
  return std::nullopt;
}

// Installed, the desktop client loads its sound library from lib/tlj beside its bin/ once a
// sound server answers: the library shows among the running client's mappings.
TEST_F(InstalledTest, TheDesktopClientLoadsTheInstalledSoundLibrary) {
  const fs::path library = prefix / "lib/tlj/libtlj_qt_sound.so";
  if (!fs::exists(library)) GTEST_SKIP() << "a build without the desktop's sound";
  sim::TempDir sound_server;
  const ListeningSocket pulse(sound_server.path() / "native");
  auto env = UserEnvironment(home.path());
  env["TLJ_RUNTIME_DIR"] = runtime.path().string();
  env["QT_QPA_PLATFORM"] = "offscreen";
  env["PULSE_SERVER"] = "unix:" + (sound_server.path() / "native").string();
  // Without a command line the client warns in a box, after its sound has started.
  client = Start(Program("tlj"), {}, env);
  const auto loaded = [&] {
    const auto process = ProcessOf(Program("tlj"));
    return process &&
           tools::ReadWholeFile(*process + "/maps").find(library.string()) != std::string::npos;
  };
  EXPECT_TRUE(RunUntil([&] { return loaded() || client->ExitCode().has_value(); }));
}

// A game played to its end leaves its record in the user's data folder; the phrases the user
// changed stay as they are.
TEST_F(InstalledTest, TheGameRecordGoesToTheUsersDataFolder) {
  WriteFile(data / "chat.txt", "[chat1]\nnum=1\n1=mine\n");
  FixtureServer server(poll);
  StartTable("abc", std::to_string(server.Port()));
  ASSERT_TRUE(LoggedIn());
  server.Send(tlj::testing::PlayerArrivesFrame(tlj::testing::User()));
  for (int pos = 1; pos <= 3; ++pos)
    server.Send(tlj::testing::PlayerArrivesFrame(tlj::testing::Other(pos)));
  server.Send(tlj::testing::GameOverFrame({}));

  EXPECT_TRUE(
      RunUntil([&] { return fs::exists(data / "info.xh") || client->ExitCode().has_value(); }));
  EXPECT_FALSE(client->ExitCode());
  EXPECT_EQ(tools::ReadWholeFile(data / "chat.txt"), "[chat1]\nnum=1\n1=mine\n");
  for (const fs::path& entry : fs::recursive_directory_iterator(prefix)) {
    EXPECT_NE(entry.filename(), "info.xh") << entry;
  }
}

// The build's own folders, with and without TLJ_APP_DIR, exactly as before there was an
// installation to think of; the user's data folder is not touched.
struct BuildCase {
  const char* name;
  bool app_dir;  // TLJ_APP_DIR names a folder of the test
  friend void PrintTo(const BuildCase& c, std::ostream* out) { *out << c.name; }
};

class BuildFoldersTest : public ProcessTest, public ::testing::WithParamInterface<BuildCase> {};

TEST_P(BuildFoldersTest, StayBesideTheProgram) {
  ASSERT_FALSE(BinDir().empty()) << "TLJ_BIN_DIR must name the build's programs";
  sim::TempDir home;
  sim::TempDir app;
  auto env = UserEnvironment(home.path());
  if (GetParam().app_dir) env["TLJ_APP_DIR"] = app.path().string();
  const fs::path local = GetParam().app_dir ? app.path() : fs::canonical(BinDir());
  const auto output = Output(BinDir() / "tlj", {"--folders"}, env);
  ASSERT_TRUE(output);
  const std::string common = local.string() + "/../common/";
  EXPECT_EQ(*output, "files: " + local.string() + "\nsounds: " + common +
                         "tlj/\nvoices: " + common + "beiling/\nmusic: " + common + "music/\n");
  EXPECT_TRUE(fs::is_empty(home.path()));
}

INSTANTIATE_TEST_SUITE_P(Builds, BuildFoldersTest,
                         ::testing::Values(BuildCase{"ProgramFolder", false},
                                           BuildCase{"AppDirNamed", true}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tlj::e2e
