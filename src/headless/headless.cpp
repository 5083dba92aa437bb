#include "headless/headless.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>

#include "core/platform/services.h"
#include "core/platform/silent_sound_device.h"
#include "core/table/installed_services.h"
#include "core/table/startup.h"
#include "headless/automation_channel.h"
#include "headless/options.h"
#include "headless/stderr_message_boxes.h"
#include "headless/stderr_shell.h"
#include "posix/http_downloader.h"
#include "posix/poll_backend.h"
#include "posix/posix_socket.h"
#include "posix/program_shell.h"
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
  posix::HttpDownloader downloader(loop, poll);
  StderrShell shell;
  AutomationChannel automation(loop, poll, tree, boxes.Shown(), STDIN_FILENO, std::cerr);

  // The services go away with this function; nothing may reach them afterwards.
  const table::InstalledServices installed({
      .loop = &loop,
      .ui = &tree,
      .socket = &socket,
      .lobby = &lobby,
      .sound = &sound,
      .msgbox = &boxes,
      .store = &resources::EmbeddedStore(),
      .downloader = &downloader,
      .shell = &shell,
      .app_dir = ProgramFolder(),
      .screen_width = options.screen_width,
      .screen_height = options.screen_height,
      .command_line = options.command_line,
      .random_seed = std::random_device{}(),
  });

  try {
    table::StartUp();
  } catch (const platform::ProcessExit& exit) {
    return exit.code;
  }
  return loop.Run();
}

}  // namespace

int Run(int argc, char** argv) {
  return posix::RunProgram("tlj", argc, argv, ParseOptions, Usage(), [](const Options& options) {
    OpenMissingStandardDescriptors();
    // A peer that goes away must show as a closed socket, not end the process.
    std::signal(SIGPIPE, SIG_IGN);
    return RunClient(options);
  });
}

}  // namespace tlj::headless
