#include <filesystem>
#include <iostream>
#include <string>

#include "posix/program_shell.h"
#include "tools/lobby/demo.h"
#include "tools/lobby/options.h"

namespace tlj::lobby_tool {
namespace {

// The build puts the client, the server and the lobby in one folder.
std::string Beside(const std::string& name) {
  const auto folder = tlj::posix::ProgramFolder();
  return folder.empty() ? name : (folder / name).string();
}

int RunDemo(const Options& options) {
  DemoSettings settings;
  settings.client_program = options.client.empty() ? Beside("tlj") : options.client;
  settings.server_program = options.server.empty() ? Beside("tlj-server") : options.server;
  settings.games = options.games;
  settings.seed = options.seed;
  settings.verbose = options.verbose;
  settings.headless = options.headless;
  Demo demo(settings, std::cout);
  demo.Run();
  return 0;
}

}  // namespace
}  // namespace tlj::lobby_tool

int main(int argc, char** argv) {
  using namespace tlj::lobby_tool;
  return tlj::posix::RunProgram("tlj-lobby", argc, argv, ParseOptions, Usage(), RunDemo);
}
