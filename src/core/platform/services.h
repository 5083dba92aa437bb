#pragma once
// The platform services the logic calls, set up by a front end (or a test) before start-up.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "core/platform/download.h"
#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "core/platform/game_socket.h"
#include "core/platform/lobby_link.h"
#include "core/platform/message_box.h"
#include "core/platform/resource_store.h"
#include "core/platform/shell.h"
#include "core/platform/sound_device.h"

namespace tlj::platform {

// A wall-clock time of day, for the texts that show one.
struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The machine's local time of day.
TimeOfDay LocalTimeOfDay();

struct Services {
  EventLoop* loop = nullptr;
  ElementTree* ui = nullptr;
  GameSocket* socket = nullptr;
  LobbyLink* lobby = nullptr;
  SoundDevice* sound = nullptr;
  MessageBoxes* msgbox = nullptr;
  ResourceStore* store = nullptr;
  Downloader* downloader = nullptr;  // null: this platform downloads nothing
  Shell* shell = nullptr;
  // The folder of the local files: the program folder in a build, the user's data folder when
  // installed.
  std::filesystem::path app_dir;
  // The folder that holds the sound folders (music/, tlj/, beiling/); empty: ../common beside
  // app_dir, where a build puts them. Braced, so that designated initializers may leave it out.
  std::filesystem::path sound_root{};
  int screen_width = 1280;
  int screen_height = 1024;
  std::string command_line;
  // Seeds the table's random draws: the front end passes a fresh one, tests a fixed one.
  std::uint64_t random_seed = 1;
  // The time of day shown in texts: the local time, or a fixed one in tests.
  std::function<TimeOfDay()> time_of_day = LocalTimeOfDay;
};

Services& Sys();

// Ends the process at once, from inside any handler or wait.
[[noreturn]] void EndProcess(int code = 0);

}  // namespace tlj::platform
