#pragma once
// The game server run as a child: started on a free port, which it reports on its standard
// output.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/event_loop.h"
#include "posix/child_process.h"
#include "posix/poll_backend.h"

namespace tlj::lobby_tool {

struct ListenAddress {
  std::string host;
  int port = 0;
};

// Reads "tlj-server: listening on HOST:PORT".
std::optional<ListenAddress> ParseListeningLine(std::string_view line);

class ServerProcess {
 public:
  using LineHandler = posix::ChildProcess::LineHandler;

  // Starts `program` with `args`, and --verbose when `verbose`. What it writes on standard
  // output after the line that says where it listens goes to `on_stdout_line`, its
  // diagnostics to `on_stderr_line`. Throws std::runtime_error when it cannot be started.
  ServerProcess(platform::EventLoop& loop, posix::PollBackend& poll, const std::string& program,
                std::vector<std::string> args, bool verbose, LineHandler on_stdout_line,
                LineHandler on_stderr_line);
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;

  // Where it listens, once it has said so.
  const std::optional<ListenAddress>& Address() const { return address_; }
  posix::ChildProcess& Process() { return *process_; }

 private:
  std::optional<ListenAddress> address_;
  std::unique_ptr<posix::ChildProcess> process_;
};

}  // namespace tlj::lobby_tool
