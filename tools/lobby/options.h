#pragma once
// tlj-lobby's command line.

#include <optional>
#include <string>
#include <vector>

#include "posix/program_shell.h"
#include "tools/lobby/demo_proxy.h"

namespace tlj::lobby_tool {

struct Options {
  bool demo = false;
  int games = 1;       // whole games the client plays before it leaves
  std::string seed;    // handed to the server; empty: the server's own
  std::string client;  // empty: tlj beside this program
  std::string server;  // empty: tlj-server beside this program
  bool verbose = false;
  bool headless = false;           // the client without a window even where a display is
  std::string title;               // the window's title; empty: the lobby's default
  std::optional<DemoProxy> proxy;  // the demo's client goes through it; nothing: direct
};

using ParsedOptions = posix::ParsedArguments<Options>;

// `args` without the program name.
ParsedOptions ParseOptions(const std::vector<std::string>& args);

const char* Usage();

}  // namespace tlj::lobby_tool
