#include "headless/run_table.h"

#include <cstdlib>
#include <filesystem>
#include <random>

#include "core/platform/services.h"
#include "core/table/installed_services.h"
#include "core/table/startup.h"
#include "headless/stderr_shell.h"
#include "posix/http_downloader.h"
#include "posix/posix_socket.h"
#include "posix/program_shell.h"
#include "posix/window_link.h"
#include "resources/embedded_store.h"

namespace tlj::headless {
namespace {

std::filesystem::path AppFolder() {
  if (const char* own = std::getenv("TLJ_APP_DIR"); own != nullptr && *own != '\0') return own;
  const auto program = posix::ProgramFolder();
  return program.empty() ? std::filesystem::current_path() : program;
}

}  // namespace

int RunTable(platform::EventLoop& loop, posix::DescriptorWatcher& watcher,
             platform::ElementTree& tree, platform::MessageBoxes& boxes,
             platform::SoundDevice& sound, const Options& options) {
  posix::PosixSocket socket(loop, watcher);
  posix::WindowLink lobby(loop, watcher,
                          posix::WindowDirectory(posix::WindowDirectoryFromEnvironment()));
  posix::HttpDownloader downloader(loop, watcher);
  StderrShell shell;

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
      .app_dir = AppFolder(),
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

}  // namespace tlj::headless
