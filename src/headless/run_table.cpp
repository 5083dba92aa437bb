#include "headless/run_table.h"

#include <filesystem>
#include <iostream>
#include <random>

#include "core/platform/services.h"
#include "core/table/installed_services.h"
#include "core/table/startup.h"
#include "core/view/sound.h"
#include "headless/stderr_shell.h"
#include "posix/client_folders.h"
#include "posix/http_downloader.h"
#include "posix/posix_socket.h"
#include "posix/window_link.h"
#include "resources/embedded_store.h"

namespace tlj::headless {
namespace {

// What --folders prints: the folders as the client's own sound table names them.
int PrintFolders(const posix::ClientFolders& folders) {
  platform::Sys().app_dir = folders.local;
  platform::Sys().sound_root = folders.sounds;
  view::BuildSoundTable();
  std::cout << "files: " << folders.local.string() << "\n"
            << "sounds: " << view::g_sSoundPath << "\n"
            << "voices: " << view::g_sVoicePath << "\n"
            << "music: " << std::filesystem::path(view::g_sSound[1]).parent_path().string()
            << "/\n";
  platform::Sys() = platform::Services{};
  return 0;
}

}  // namespace

int RunTable(platform::EventLoop& loop, posix::DescriptorWatcher& watcher,
             platform::ElementTree& tree, platform::MessageBoxes& boxes,
             platform::SoundDevice& sound, const Options& options) {
  const posix::ClientFolders folders =
      posix::PrepareClientFolders(posix::SituationFromEnvironment(), std::cerr);
  if (options.show_folders) return PrintFolders(folders);

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
      .app_dir = folders.local,
      .sound_root = folders.sounds,
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
