#include "lobby/options.h"

#include "common/whole_number.h"

namespace tlj::lobby_tool {
namespace {

// A day is far more than any run needs, and keeps the deadlines' arithmetic small.
constexpr int kMostSeconds = 86'400;

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  Options& o = parsed.options;
  for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    const std::string& arg = args[i];
    const bool takes_value = arg == "--seconds" || arg == "--client" || arg == "--server";
    if (takes_value && i + 1 == args.size()) {
      parsed.error = "option '" + arg + "' needs a value";
    } else if (arg == "--seconds") {
      if (!tools::ParseWholeNumber(args[++i], 0, kMostSeconds, o.seconds)) {
        parsed.error = "the seconds must be a whole number from 0 to 86400, not '" + args[i] + "'";
      }
    } else if (arg == "--client") {
      o.client = args[++i];
    } else if (arg == "--server") {
      o.server = args[++i];
    } else if (arg == "--demo") {
      o.demo = true;
    } else if (arg == "--verbose") {
      o.verbose = true;
    } else if (arg == "--help" || arg == "-h") {
      o.help = true;
    } else {
      parsed.error = "unknown option '" + arg + "'";
    }
  }
  if (parsed.error.empty() && !o.help && !o.demo) parsed.error = "nothing to do: use --demo";
  return parsed;
}

const char* Usage() {
  return "Usage: tlj-lobby --demo [--seconds N] [--client PATH] [--server PATH] [--verbose]\n"
         "Plays the lobby's part for one client at one table and prints what happens.\n"
         "\n"
         "  --demo           start the server and a client, stay at the table, then leave\n"
         "  --seconds N      how long the client stays at the table (default 6)\n"
         "  --client PATH    the client program (default: tlj beside tlj-lobby)\n"
         "  --server PATH    the server program (default: tlj-server beside tlj-lobby)\n"
         "  --verbose        pass the server's and the client's diagnostics through\n"
         "\n"
         "Exits with 0 when everything went as expected, 1 when something did not.\n";
}

}  // namespace tlj::lobby_tool
