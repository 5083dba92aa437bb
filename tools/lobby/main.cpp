#include <filesystem>
#include <iostream>
#include <string>

#include "posix/program_shell.h"
#include "tools/lobby/demo.h"
#include "tools/lobby/options.h"
#ifdef TLJ_LOBBY_WINDOW
#include "desktop/display_probe.h"
#include "tools/lobby/window/lobby_view.h"
#endif

namespace tlj::lobby_tool {
namespace {

constexpr const char* kName = "tlj-lobby";

// The build puts the client, the server and the lobby in one folder.
std::string Beside(const std::string& name) {
  const auto folder = tlj::posix::ProgramFolder();
  return folder.empty() ? name : (folder / name).string();
}

std::string ClientProgram(const Options& options) {
  return options.client.empty() ? Beside("tlj") : options.client;
}

int RunDemo(const Options& options) {
  DemoSettings settings;
  settings.client_program = ClientProgram(options);
  settings.server_program = options.server.empty() ? Beside("tlj-server") : options.server;
  settings.games = options.games;
  settings.seed = options.seed;
  settings.verbose = options.verbose;
  settings.headless = options.headless;
  settings.proxy = options.proxy;
  Demo demo(settings, std::cout);
  demo.Run();
  return 0;
}

// Without a window to show, the options cannot be used: the same exit as for a bad option.
int RunWindow(const Options& options) {
#ifdef TLJ_LOBBY_WINDOW
  if (desktop::DisplayAnswers()) {
    LobbyViewSettings settings;
    if (!options.title.empty()) settings.title = options.title;
    settings.client_program = ClientProgram(options);
    return RunLobbyWindow(settings);
  }
  const char* why = "no display: use --demo, or run where a display is";
#else
  (void)options;
  const char* why = "this build has no window (no Qt 6): use --demo";
#endif
  return posix::RunParsedProgram(kName, why, false, Usage(), {});
}

int Run(const Options& options) {
  return options.demo ? RunDemo(options) : RunWindow(options);
}

}  // namespace
}  // namespace tlj::lobby_tool

int main(int argc, char** argv) {
  using namespace tlj::lobby_tool;
  return tlj::posix::RunProgram(kName, argc, argv, ParseOptions, Usage(), Run);
}
