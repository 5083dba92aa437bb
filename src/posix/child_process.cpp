#include "posix/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace tlj::posix {
namespace {

struct Pipe {
  int read = -1;
  int write = -1;
};

Pipe MakePipe() {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) {
    throw std::runtime_error("cannot create a pipe: " + std::string(std::strerror(errno)));
  }
  return {fds[0], fds[1]};
}

void CloseIfOpen(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

std::vector<std::string> Environment(const std::map<std::string, std::string>& extra) {
  std::vector<std::string> entries;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    if (!extra.contains(entry.substr(0, entry.find('=')))) entries.push_back(entry);
  }
  for (const auto& [name, value] : extra) entries.push_back(name + "=" + value);
  return entries;
}

std::vector<char*> NullTerminated(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (auto& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// The child starts with the signal handling a fresh program expects, whatever this process
// ignores or blocks.
struct SpawnAttributes {
  posix_spawnattr_t attr;
  SpawnAttributes() {
    posix_spawnattr_init(&attr);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (const int s : {SIGPIPE, SIGINT, SIGTERM, SIGCHLD}) sigaddset(&defaults, s);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
  }
  ~SpawnAttributes() { posix_spawnattr_destroy(&attr); }
};

struct FileActions {
  posix_spawn_file_actions_t actions;
  FileActions() { posix_spawn_file_actions_init(&actions); }
  ~FileActions() { posix_spawn_file_actions_destroy(&actions); }
};

int DecodeStatus(int status) {
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

ChildProcess::ChildProcess(platform::EventLoop& loop, PollBackend& poll, const std::string& program,
                           Options options)
    : loop_(loop), poll_(poll) {
  // Writing to a child that has gone must fail, not end this process.
  ::signal(SIGPIPE, SIG_IGN);
  stdout_.on_line = std::move(options.on_stdout_line);
  stderr_.on_line = std::move(options.on_stderr_line);

  Pipe in;
  Pipe out;
  Pipe err;
  FileActions files;
  try {
    if (options.pipe_stdin) {
      in = MakePipe();
      posix_spawn_file_actions_adddup2(&files.actions, in.read, STDIN_FILENO);
    } else {
      posix_spawn_file_actions_addopen(&files.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    out = MakePipe();
    posix_spawn_file_actions_adddup2(&files.actions, out.write, STDOUT_FILENO);
    err = MakePipe();
    posix_spawn_file_actions_adddup2(&files.actions, err.write, STDERR_FILENO);
  } catch (...) {
    for (int* fd : {&in.read, &in.write, &out.read, &out.write, &err.read, &err.write}) {
      CloseIfOpen(*fd);
    }
    throw;
  }

  std::vector<std::string> argv_text = {program};
  argv_text.insert(argv_text.end(), options.args.begin(), options.args.end());
  std::vector<std::string> env_text = Environment(options.env);
  const auto argv = NullTerminated(argv_text);
  const auto envp = NullTerminated(env_text);

  SpawnAttributes attributes;
  const int rc = posix_spawn(&pid_, program.c_str(), &files.actions, &attributes.attr, argv.data(),
                             envp.data());
  CloseIfOpen(in.read);
  CloseIfOpen(out.write);
  CloseIfOpen(err.write);
  stdin_ = in.write;
  stdout_.fd = out.read;
  stderr_.fd = err.read;
  if (rc != 0) {
    Release(stdout_);
    Release(stderr_);
    CloseIfOpen(stdin_);
    throw std::runtime_error("cannot start " + program + ": " + std::strerror(rc));
  }
  for (Stream* stream : {&stdout_, &stderr_}) {
    if (stream->fd < 0) continue;
    ::fcntl(stream->fd, F_SETFL, O_NONBLOCK);
    poll_.Watch(stream->fd, POLLIN, [this, stream](short) { Read(*stream); });
  }
}

ChildProcess::~ChildProcess() {
  if (!ExitCode()) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  Release(stdout_);
  Release(stderr_);
  CloseIfOpen(stdin_);
}

void ChildProcess::WriteLine(const std::string& line) {
  if (stdin_ < 0) throw std::runtime_error("the child's input is not a pipe");
  const std::string text = line + "\n";
  if (::write(stdin_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
    throw std::runtime_error("cannot write to the child: " + std::string(std::strerror(errno)));
  }
}

void ChildProcess::Read(Stream& stream) {
  if (stream.fd < 0) return;
  char chunk[4096];
  ssize_t n;
  while ((n = ::read(stream.fd, chunk, sizeof chunk)) > 0) stream.text.append(chunk, n);
  const bool at_end = n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR);
  HandleLines(stream, at_end);
  if (at_end) Release(stream);
}

void ChildProcess::HandleLines(Stream& stream, bool at_end) {
  if (!stream.on_line) return;
  for (;;) {
    const auto newline = stream.text.find('\n', stream.handled);
    std::string line;
    if (newline != std::string::npos) {
      line = stream.text.substr(stream.handled, newline - stream.handled);
      stream.handled = newline + 1;
    } else if (at_end && stream.handled < stream.text.size()) {
      line = stream.text.substr(stream.handled);
      stream.handled = stream.text.size();
    } else {
      return;
    }
    loop_.Post([alive = std::weak_ptr<int>(alive_), handler = stream.on_line, line] {
      if (!alive.expired()) handler(line);
    });
  }
}

void ChildProcess::Release(Stream& stream) {
  if (stream.fd < 0) return;
  poll_.Unwatch(stream.fd);
  CloseIfOpen(stream.fd);
}

std::optional<int> ChildProcess::ExitCode() {
  if (exit_code_) return exit_code_;
  int status = 0;
  if (::waitpid(pid_, &status, WNOHANG) != pid_) return std::nullopt;
  exit_code_ = DecodeStatus(status);
  // What the child wrote just before it ended is still in the pipes.
  Read(stdout_);
  Read(stderr_);
  return exit_code_;
}

int ChildProcess::Stop(std::chrono::milliseconds grace) {
  if (ExitCode()) return *exit_code_;
  ::kill(pid_, SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + grace;
  while (std::chrono::steady_clock::now() < deadline) {
    if (ExitCode()) return *exit_code_;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(pid_, SIGKILL);
  int status = 0;
  ::waitpid(pid_, &status, 0);
  exit_code_ = DecodeStatus(status);
  Read(stdout_);
  Read(stderr_);
  return *exit_code_;
}

}  // namespace tlj::posix
