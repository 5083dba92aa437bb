#pragma once
// The client binary run as a child process: its standard input is a pipe the test writes
// commands to, and its standard error is collected while the test's loop runs.

#include <sys/types.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "posix/poll_backend.h"

namespace tlj::e2e {

class ChildProcess {
 public:
  // Starts `program` with `args`, the test's environment plus `env`. Throws when it cannot.
  ChildProcess(posix::PollBackend& poll, const std::string& program,
               const std::vector<std::string>& args, const std::map<std::string, std::string>& env);
  ~ChildProcess();  // kills the child if it still runs
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  void WriteLine(const std::string& line);
  const std::string& Stderr() const { return stderr_; }
  // The exit code once the child has ended (-1 when a signal ended it); nothing while it runs.
  std::optional<int> ExitCode();

 private:
  void ReadStderr();

  posix::PollBackend& poll_;
  pid_t pid_ = -1;
  int stdin_ = -1;
  int stderr_fd_ = -1;
  std::string stderr_;
  std::optional<int> exit_code_;
};

}  // namespace tlj::e2e
