#include "e2e/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace tlj::e2e {

ChildProcess::ChildProcess(posix::PollBackend& poll, const std::string& program,
                           const std::vector<std::string>& args,
                           const std::map<std::string, std::string>& env)
    : poll_(poll) {
  // Writing to a child that has gone must fail, not end the test.
  ::signal(SIGPIPE, SIG_IGN);
  int in[2];
  int err[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
    throw std::runtime_error("cannot create pipes");
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);

  std::vector<std::string> argv_text = {program};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argv_text) argv.push_back(a.data());
  argv.push_back(nullptr);

  std::vector<std::string> env_text;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    if (!env.contains(entry.substr(0, entry.find('=')))) env_text.push_back(entry);
  }
  for (const auto& [name, value] : env) env_text.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (auto& e : env_text) envp.push_back(e.data());
  envp.push_back(nullptr);

  const int rc = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(in[0]);
  ::close(err[1]);
  stdin_ = in[1];
  stderr_fd_ = err[0];
  if (rc != 0) {
    ::close(stdin_);
    ::close(stderr_fd_);
    throw std::runtime_error("cannot start " + program + ": " + std::strerror(rc));
  }
  ::fcntl(stderr_fd_, F_SETFL, O_NONBLOCK);
  poll_.Watch(stderr_fd_, POLLIN, [this](short) { ReadStderr(); });
}

ChildProcess::~ChildProcess() {
  if (!ExitCode()) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  poll_.Unwatch(stderr_fd_);
  ::close(stderr_fd_);
  ::close(stdin_);
}

void ChildProcess::WriteLine(const std::string& line) {
  const std::string text = line + "\n";
  if (::write(stdin_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
    throw std::runtime_error("cannot write to the client: " + std::string(std::strerror(errno)));
  }
}

void ChildProcess::ReadStderr() {
  char chunk[4096];
  ssize_t n;
  while ((n = ::read(stderr_fd_, chunk, sizeof chunk)) > 0) stderr_.append(chunk, n);
  if (n == 0) poll_.Unwatch(stderr_fd_);
}

std::optional<int> ChildProcess::ExitCode() {
  if (exit_code_) return exit_code_;
  int status = 0;
  if (::waitpid(pid_, &status, WNOHANG) != pid_) return std::nullopt;
  ReadStderr();
  exit_code_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return exit_code_;
}

}  // namespace tlj::e2e
