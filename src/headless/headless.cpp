#include "headless/headless.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "core/platform/services.h"
#include "core/platform/silent_sound_device.h"
#include "core/table/startup.h"
#include "headless/automation_channel.h"
#include "headless/options.h"
#include "headless/stderr_message_boxes.h"
#include "posix/poll_backend.h"
#include "posix/posix_socket.h"
#include "posix/window_link.h"
#include "resources/embedded_store.h"

namespace tlj::headless {
namespace {

std::filesystem::path ProgramFolder() {
  if (const char* own = std::getenv("TLJ_APP_DIR"); own != nullptr && *own != '\0') return own;
  std::error_code ec;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path();
  return program.parent_path();
}

// A descriptor 0..2 that the parent left closed would be handed to the first socket we open,
// which the automation channel or a diagnostic would then mistake for its own.
void OpenMissingStandardDescriptors() {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) ::open("/dev/null", O_RDWR);
  }
}

int RunClient(const Options& options) {
  posix::PollBackend poll;
  platform::EventLoop loop(poll);
  platform::ElementTree tree;
  posix::PosixSocket socket(loop, poll);
  posix::WindowLink lobby(loop, poll,
                          posix::WindowDirectory(posix::WindowDirectoryFromEnvironment()));
  platform::SilentSoundDevice sound;
  StderrMessageBoxes boxes;
  AutomationChannel automation(loop, poll, tree, boxes.Shown(), STDIN_FILENO, std::cerr);

  auto& sys = platform::Sys();
  sys.loop = &loop;
  sys.ui = &tree;
  sys.socket = &socket;
  sys.lobby = &lobby;
  sys.sound = &sound;
  sys.msgbox = &boxes;
  sys.store = &resources::EmbeddedStore();
  sys.app_dir = ProgramFolder();
  sys.screen_width = options.screen_width;
  sys.screen_height = options.screen_height;
  sys.command_line = options.command_line;
  sys.random_seed = std::random_device{}();
  // The services above go away with this function; nothing may reach them afterwards.
  struct Release {
    ~Release() {
      table::ShutDownWindows();
      platform::Sys() = {};
    }
  } release;

  try {
    table::StartUp();
  } catch (const platform::ProcessExit& exit) {
    return exit.code;
  }
  return loop.Run();
}

}  // namespace

int Run(int argc, char** argv) {
  const ParsedOptions parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "tlj: %s\nTry 'tlj --help'.\n", parsed.error.c_str());
    return 2;
  }
  if (parsed.options.help) {
    std::fputs(Usage(), stdout);
    return 0;
  }
  OpenMissingStandardDescriptors();
  // A peer that goes away must show as a closed socket, not end the process.
  std::signal(SIGPIPE, SIG_IGN);
  try {
    return RunClient(parsed.options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tlj: %s\n", error.what());
    return 1;
  }
}

}  // namespace tlj::headless
