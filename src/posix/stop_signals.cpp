#include "posix/stop_signals.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <string>

namespace tlj::posix {
namespace {

// The handler may only write to a pipe; the loop reads the signal numbers from the other end.
int g_write_end = -1;
int g_read_end = -1;

extern "C" void WriteSignal(int signal) {
  const int saved = errno;
  const unsigned char number = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t n = ::write(g_write_end, &number, 1);
  errno = saved;
}

void SetHandler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int s : {SIGINT, SIGTERM}) ::sigaction(s, &action, nullptr);
}

}  // namespace

StopSignals::StopSignals(platform::EventLoop& loop, PollBackend& poll,
                         std::function<void(int signal)> on_stop)
    : loop_(loop), poll_(poll), on_stop_(std::move(on_stop)) {
  if (g_read_end >= 0) throw std::logic_error("signals are already being watched");
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
    throw std::runtime_error("cannot create a pipe: " + std::string(std::strerror(errno)));
  }
  g_read_end = fds[0];
  g_write_end = fds[1];
  SetHandler(WriteSignal);
  poll_.Watch(g_read_end, POLLIN, [this](short) { Drain(); });
}

StopSignals::~StopSignals() {
  SetHandler(SIG_DFL);
  poll_.Unwatch(g_read_end);
  ::close(g_read_end);
  ::close(g_write_end);
  g_read_end = g_write_end = -1;
}

void StopSignals::Drain() {
  unsigned char number = 0;
  while (::read(g_read_end, &number, 1) == 1) {
    loop_.Post([on_stop = on_stop_, signal = static_cast<int>(number)] { on_stop(signal); });
  }
}

}  // namespace tlj::posix
