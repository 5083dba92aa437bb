#include "tools/lobby/server_process.h"

#include <charconv>

namespace tlj::lobby_tool {
namespace {

constexpr std::string_view kListening = "tlj-server: listening on ";

}  // namespace

std::optional<ListenAddress> ParseListeningLine(std::string_view line) {
  if (!line.starts_with(kListening)) return std::nullopt;
  line.remove_prefix(kListening.size());
  const auto colon = line.rfind(':');
  if (colon == std::string_view::npos || colon == 0) return std::nullopt;
  ListenAddress address{std::string(line.substr(0, colon)), 0};
  const std::string_view port = line.substr(colon + 1);
  const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), address.port);
  if (error != std::errc() || end != port.data() + port.size() || address.port <= 0 ||
      address.port > 65535) {
    return std::nullopt;
  }
  return address;
}

ServerProcess::ServerProcess(platform::EventLoop& loop, posix::PollBackend& poll,
                             const std::string& program, std::vector<std::string> args,
                             bool verbose, LineHandler on_stdout_line, LineHandler on_stderr_line) {
  posix::ChildProcess::Options options;
  options.pipe_stdin = false;
  options.args = std::move(args);
  if (verbose) options.args.push_back("--verbose");
  options.on_stdout_line = [this, on_line = std::move(on_stdout_line)](const std::string& line) {
    if (!address_) {
      address_ = ParseListeningLine(line);
    } else if (on_line) {
      on_line(line);
    }
  };
  options.on_stderr_line = std::move(on_stderr_line);
  process_ = std::make_unique<posix::ChildProcess>(loop, poll, program, std::move(options));
}

}  // namespace tlj::lobby_tool
