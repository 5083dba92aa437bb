#include "tools/soak/soak_options.h"

#include <cstdint>
#include <functional>
#include <map>

#include "tools/common/whole_number.h"

namespace tlj::soak {
namespace {

struct NumberOption {
  const char* what;
  int lo;
  int hi;
  std::function<void(SoakSettings&, int)> set;
};

const std::map<std::string, NumberOption>& NumberOptions() {
  static const std::map<std::string, NumberOption> options = {
      {"--tables", {"the tables", 1, 100, [](SoakSettings& s, int n) { s.tables = n; }}},
      {"--clients", {"the clients", 1, 400, [](SoakSettings& s, int n) { s.clients = n; }}},
      {"--seconds", {"the seconds", 1, 86'400, [](SoakSettings& s, int n) { s.seconds = n; }}},
      {"--seed",
       {"the seed", 0, 1'000'000'000,
        [](SoakSettings& s, int n) { s.seed = static_cast<std::uint32_t>(n); }}},
      {"--allowed-growth",
       {"the allowed growth in MiB", 0, 1024,
        [](SoakSettings& s, int n) { s.allowed_growth = std::int64_t{n} << 20; }}},
  };
  return options;
}

}  // namespace

ParsedSoakOptions ParseSoakOptions(const std::vector<std::string>& args) {
  ParsedSoakOptions parsed;
  SoakSettings& s = parsed.options;
  for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    const std::string& arg = args[i];
    const auto number = NumberOptions().find(arg);
    const bool takes_value =
        number != NumberOptions().end() || arg == "--client" || arg == "--server";
    if (takes_value && i + 1 == args.size()) {
      parsed.error = "option '" + arg + "' needs a value";
    } else if (number != NumberOptions().end()) {
      const NumberOption& o = number->second;
      int value = 0;
      if (tools::ParseWholeNumber(args[++i], o.lo, o.hi, value)) {
        o.set(s, value);
      } else {
        parsed.error = std::string(o.what) + " must be a whole number from " +
                       std::to_string(o.lo) + " to " + std::to_string(o.hi) + ", not '" + args[i] +
                       "'";
      }
    } else if (arg == "--client") {
      s.client_program = args[++i];
    } else if (arg == "--server") {
      s.server_program = args[++i];
    } else if (arg == "--help" || arg == "-h") {
      parsed.help = true;
    } else {
      parsed.error = "unknown option '" + arg + "'";
    }
  }
  return parsed;
}

const char* SoakUsage() {
  return "Usage: tlj-soak [--tables N] [--clients N] [--seconds N] [--seed N]\n"
         "                [--allowed-growth MIB] [--client PATH] [--server PATH]\n"
         "Runs the game server with N tables (default 2) and N headless clients (default 4)\n"
         "on loopback for N seconds (default 60). Each client plays, and now and then loses\n"
         "its link at its turn, leaves at its turn or leaves after a game, and comes back\n"
         "through the lobby. Fails when a client ends or stops going, a finished game is\n"
         "missing from a client's record file, the server finds an invalid frame or its coins\n"
         "do not add up, or a client's memory grows by more than MIB (default 4) after its\n"
         "first game. Prints tables, clients, games, reconnections and peak memory.\n"
         "\n"
         "  --client PATH    the client program (default: tlj beside tlj-soak)\n"
         "  --server PATH    the server program (default: tlj-server beside tlj-soak)\n"
         "\n"
         "Exit status: 0 when every check held, 1 when one failed, 2 for bad options.\n";
}

}  // namespace tlj::soak
