#include "server/options.h"

#include "common/whole_number.h"

namespace tlj::server {

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  Options& o = parsed.options;
  for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    const std::string& arg = args[i];
    const bool takes_value = arg == "--host" || arg == "--port" || arg == "--accounts";
    if (takes_value && i + 1 == args.size()) {
      parsed.error = "option '" + arg + "' needs a value";
    } else if (arg == "--host") {
      o.host = args[++i];
      if (o.host.empty()) parsed.error = "the host must not be empty";
    } else if (arg == "--port") {
      if (!tools::ParseWholeNumber(args[++i], 0, 65535, o.port)) {
        parsed.error = "the port must be a number from 0 to 65535, not '" + args[i] + "'";
      }
    } else if (arg == "--accounts") {
      o.accounts = args[++i];
      if (o.accounts.empty()) parsed.error = "the accounts file must not be empty";
    } else if (arg == "--verbose") {
      o.verbose = true;
    } else if (arg == "--help" || arg == "-h") {
      o.help = true;
    } else {
      parsed.error = "unknown option '" + arg + "'";
    }
  }
  return parsed;
}

const char* Usage() {
  return "Usage: tlj-server [--host HOST] [--port PORT] [--verbose] [--accounts FILE]\n"
         "The game server for one table of four seats.\n"
         "\n"
         "  --host HOST      address to listen on (default 127.0.0.1)\n"
         "  --port PORT      port to listen on; 0 or none: a free one in 20000..32767\n"
         "  --verbose        one line per frame and connection on standard error\n"
         "                   (seats counted from 1; passwords shown as ***)\n"
         "  --accounts FILE  lines 'account:password' ('#' starts a comment); only these\n"
         "                   may log in (default: everyone)\n"
         "\n"
         "Prints 'tlj-server: listening on HOST:PORT' on standard output once it listens.\n"
         "SIGINT or SIGTERM stops it.\n";
}

}  // namespace tlj::server
