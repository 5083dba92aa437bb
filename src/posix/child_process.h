#pragma once
// A program run as a child process. Its standard input can be a pipe to write commands to, and
// what it writes on standard output and standard error is collected while the loop runs.

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/event_loop.h"
#include "posix/poll_backend.h"

namespace tlj::posix {

class ChildProcess {
 public:
  using LineHandler = std::function<void(const std::string& line)>;

  struct Options {
    std::vector<std::string> args;           // without the program name
    std::map<std::string, std::string> env;  // set on top of this process's environment
    bool pipe_stdin = true;                  // otherwise the child reads /dev/null
    // Called from the loop with each whole line (without its newline) as it arrives.
    LineHandler on_stdout_line;
    LineHandler on_stderr_line;
  };

  // Starts `program`. Throws std::runtime_error when it cannot be started.
  ChildProcess(platform::EventLoop& loop, PollBackend& poll, const std::string& program,
               Options options);
  ~ChildProcess();  // kills the child if it still runs
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Throws std::runtime_error when the child no longer reads its input.
  void WriteLine(const std::string& line);
  // The child's process id, for reading what the system says of it (its memory, say).
  pid_t Pid() const { return pid_; }
  const std::string& Stdout() const { return stdout_.text; }
  const std::string& Stderr() const { return stderr_.text; }
  // The exit code once the child has ended (-1 when a signal ended it); nothing while it runs.
  std::optional<int> ExitCode();
  // Asks the child to end (SIGTERM), kills it when it has not ended within `grace`, and
  // returns how it ended.
  int Stop(std::chrono::milliseconds grace);

 private:
  struct Stream {
    int fd = -1;
    std::string text;
    std::size_t handled = 0;  // how much of `text` has gone to the line handler
    LineHandler on_line;
  };
  void Read(Stream& stream);
  void HandleLines(Stream& stream, bool at_end);
  void Release(Stream& stream);

  platform::EventLoop& loop_;
  PollBackend& poll_;
  pid_t pid_ = -1;
  int stdin_ = -1;
  Stream stdout_;
  Stream stderr_;
  std::optional<int> exit_code_;
  // Posted line events hold a weak reference, so none runs after the object has gone.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace tlj::posix
