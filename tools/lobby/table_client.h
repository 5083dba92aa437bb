#pragma once
// The table client run as a child in the run's private folders, driven through its automation
// channel on standard input; in its window where a display is, unless told to run headless.

#include <filesystem>
#include <memory>
#include <string>

#include "core/platform/event_loop.h"
#include "posix/child_process.h"
#include "posix/poll_backend.h"
#include "tools/lobby/private_folders.h"
#include "tools/lobby/seat_command_line.h"

namespace tlj::lobby_tool {

class TableClient {
 public:
  using LineHandler = posix::ChildProcess::LineHandler;

  // Throws std::runtime_error when `program` cannot be started.
  TableClient(platform::EventLoop& loop, posix::PollBackend& poll, const std::string& program,
              const SeatCommandLine& line, const PrivateFolders& folders, bool headless,
              LineHandler on_stderr_line);

  posix::ChildProcess& Process() { return *process_; }
  // Asks for a dump of everything the client shows; `file` appears, whole, once written.
  void RequestDump(const std::filesystem::path& file);

 private:
  std::unique_ptr<posix::ChildProcess> process_;
};

}  // namespace tlj::lobby_tool
