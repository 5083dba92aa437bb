#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "lobby/demo.h"
#include "lobby/options.h"

namespace tlj::lobby_tool {
namespace {

// The build puts the client, the server and the lobby in one folder.
std::string Beside(const std::string& name) {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return name;
  return (self.parent_path() / name).string();
}

int RunDemo(const Options& options) {
  DemoSettings settings;
  settings.client_program = options.client.empty() ? Beside("tlj") : options.client;
  settings.server_program = options.server.empty() ? Beside("tlj-server") : options.server;
  settings.games = options.games;
  settings.seed = options.seed;
  settings.verbose = options.verbose;
  Demo demo(settings, std::cout);
  demo.Run();
  return 0;
}

}  // namespace
}  // namespace tlj::lobby_tool

int main(int argc, char** argv) {
  using namespace tlj::lobby_tool;
  const ParsedOptions parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "tlj-lobby: %s\nTry 'tlj-lobby --help'.\n", parsed.error.c_str());
    return 2;
  }
  if (parsed.options.help) {
    std::fputs(Usage(), stdout);
    return 0;
  }
  try {
    return RunDemo(parsed.options);
  } catch (const std::exception& error) {
    std::cout.flush();
    std::fprintf(stderr, "tlj-lobby: %s\n", error.what());
    return 1;
  }
}
