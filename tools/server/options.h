#pragma once
// tlj-server's command line.

#include <string>
#include <vector>

#include "posix/program_shell.h"
#include "tools/server/game_config.h"

namespace tlj::server {

struct Options {
  std::string host = "127.0.0.1";
  int port = 0;  // 0: a free port the client's command line can carry
  bool verbose = false;
  bool transcript = false;
  bool summary = false;  // the counts at the stop, without the frames
  std::string accounts;  // the accounts file; empty: everyone may log in
  std::string phrases;   // the bots' phrases; empty: chat.txt beside the program
  bool web = true;       // serve the advertisement pages over HTTP
  int web_port = 0;      // 0: a free port, chosen as the game port is
  std::string ad_page;   // named in the login reply instead of the server's own page
  GameConfig game;
};

using ParsedOptions = posix::ParsedArguments<Options>;

// `args` without the program name.
ParsedOptions ParseOptions(const std::vector<std::string>& args);

const char* Usage();

}  // namespace tlj::server
