// The desktop's sound device opens only where a sound server answers and its library is there;
// otherwise the table is silent without a word.

#include "desktop/loaded_sound_device.h"
#include "tests/support/listening_socket.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "sim/temp_dir.h"

namespace tlj::desktop {
namespace {

using ::tlj::testing::ListeningSocket;

std::filesystem::path ProgramFolder() {
  const char* dir = std::getenv("TLJ_BIN_DIR");
  return dir == nullptr ? std::filesystem::path() : std::filesystem::path(dir);
}

TEST(LoadedSoundDeviceTest, WithoutASoundServerItStaysClosedAndLoadsNothing) {
  sim::TempDir runtime;
  LoadedSoundDevice device(ProgramFolder(), (runtime.path() / "pulse-native").string());
  EXPECT_FALSE(device.Open());
  EXPECT_EQ(device.Load("/nonexistent.wav"), nullptr);
}

TEST(LoadedSoundDeviceTest, WithoutItsLibraryItStaysClosedEvenWhenAServerAnswers) {
  sim::TempDir runtime;
  const auto socket = (runtime.path() / "native").string();
  ListeningSocket server(socket);
  LoadedSoundDevice device(runtime.path(), socket);
  EXPECT_FALSE(device.Open());
}

// Sets an environment variable for one test, or unsets it (null), and puts it back after.
class ScopedVariable {
 public:
  explicit ScopedVariable(const char* name) : name_(name) {
    if (const char* value = std::getenv(name)) saved_ = value;
  }
  ~ScopedVariable() { Set(saved_ ? saved_->c_str() : nullptr); }
  void Set(const char* value) const {
    if (value == nullptr) {
      ::unsetenv(name_);
    } else {
      ::setenv(name_, value, 1);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

TEST(LoadedSoundDeviceTest, TheServerIsLookedForWherePulseServerOrTheRuntimeFolderSays) {
  const ScopedVariable pulse_server("PULSE_SERVER");
  const ScopedVariable runtime("XDG_RUNTIME_DIR");
  struct Case {
    const char* pulse_server;  // null: unset
    const char* runtime;
    std::string socket;
  };
  const Case cases[] = {
      {nullptr, "/run/user/7", "/run/user/7/pulse/native"},
      {"unix:/tmp/p/native", "/run/user/7", "/tmp/p/native"},
      {"/tmp/q", "/run/user/7", "/tmp/q"},
      {"tcp:host:4713", "/run/user/7", ""},
      {nullptr, nullptr, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.socket);
    pulse_server.Set(c.pulse_server);
    runtime.Set(c.runtime);
    EXPECT_EQ(SoundServerSocket(), c.socket);
  }
}

}  // namespace
}  // namespace tlj::desktop
