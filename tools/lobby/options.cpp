#include "tools/lobby/options.h"

#include <limits>

#include "tools/common/whole_number.h"

namespace tlj::lobby_tool {
namespace {

constexpr int kMostGames = 1000;

// The options of the demo, which the window would silently ignore.
bool DemoOnly(const std::string& arg) {
  for (const char* option :
       {"--games", "--seed", "--server", "--verbose", "--headless", "--proxy"}) {
    if (arg == option) return true;
  }
  return false;
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  Options& o = parsed.options;
  std::string demo_only;  // the first option that only the demo takes
  for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    const std::string& arg = args[i];
    if (demo_only.empty() && DemoOnly(arg)) demo_only = arg;
    const bool takes_value = arg == "--games" || arg == "--seed" || arg == "--client" ||
                             arg == "--server" || arg == "--title" || arg == "--proxy";
    if (takes_value && i + 1 == args.size()) {
      parsed.error = "option '" + arg + "' needs a value";
    } else if (arg == "--games") {
      if (!tools::ParseWholeNumber(args[++i], 1, kMostGames, o.games)) {
        parsed.error = "the games must be a whole number from 1 to 1000, not '" + args[i] + "'";
      }
    } else if (arg == "--seed") {
      int seed = 0;
      if (!tools::ParseWholeNumber(args[++i], 0, std::numeric_limits<int>::max(), seed)) {
        parsed.error = "the seed must be a whole number, not '" + args[i] + "'";
      }
      o.seed = std::to_string(seed);
    } else if (arg == "--client") {
      o.client = args[++i];
    } else if (arg == "--server") {
      o.server = args[++i];
    } else if (arg == "--title") {
      o.title = args[++i];
      if (o.title.empty()) parsed.error = "the title must not be empty";
    } else if (arg == "--proxy") {
      o.proxy = ParseDemoProxy(args[++i], parsed.error);
    } else if (arg == "--demo") {
      o.demo = true;
    } else if (arg == "--verbose") {
      o.verbose = true;
    } else if (arg == "--headless") {
      o.headless = true;
    } else if (arg == "--help" || arg == "-h") {
      parsed.help = true;
    } else {
      parsed.error = "unknown option '" + arg + "'";
    }
  }
  if (parsed.error.empty() && !parsed.help) {
    if (!o.demo && !demo_only.empty()) parsed.error = "'" + demo_only + "' goes with --demo";
    if (o.demo && !o.title.empty()) parsed.error = "'--title' is for the window, not --demo";
  }
  return parsed;
}

const char* Usage() {
  return "Usage: tlj-lobby [--title TEXT] [--client PATH]\n"
         "       tlj-lobby --demo [--games N] [--seed N] [--client PATH] [--server PATH]\n"
         "                        [--verbose] [--headless] [--proxy [USER:PASSWORD@]HOST:PORT]\n"
         "Plays the lobby's part for the table client.\n"
         "\n"
         "Without --demo it opens the lobby's window (a display is needed): start the client\n"
         "with a seat's command line by hand, send the table window the lobby's messages and\n"
         "see the client's messages and diagnostics.\n"
         "\n"
         "With --demo it starts the server and a client at a table with three bots, plays the\n"
         "user's turns with a simple policy and prints what happens at the table.\n"
         "\n"
         "  --title TEXT     the lobby window's title (default 星湖山庄); a seat's command line\n"
         "                   then carries it for the client\n"
         "  --client PATH    the client program (default: tlj beside tlj-lobby)\n"
         "  --demo           start the server and a client, play whole games, then leave\n"
         "  --games N        how many games the client plays before it leaves (default 1)\n"
         "  --seed N         the server's seed, for a game that plays the same every time\n"
         "  --server PATH    the server program (default: tlj-server beside tlj-lobby)\n"
         "  --verbose        pass the server's and the client's diagnostics through\n"
         "  --headless       the client without its window, even where a display is\n"
         "  --proxy [USER:PASSWORD@]HOST:PORT\n"
         "                   the client reaches the server through this SOCKS5 proxy\n"
         "\n"
         "Exits with 0 when everything went as expected, 1 when something did not, 2 when the\n"
         "options cannot be used or, without --demo, there is no display.\n";
}

}  // namespace tlj::lobby_tool
