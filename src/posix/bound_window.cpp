#include "posix/bound_window.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace tlj::posix {

BoundWindow::BoundWindow(WindowDirectory directory, std::string title)
    : directory_(std::move(directory)), title_(std::move(title)), fd_(directory_.Bind(title_)) {
  struct stat info {};
  if (::stat(directory_.FileOf(title_).c_str(), &info) == 0) {
    device_ = info.st_dev;
    inode_ = info.st_ino;
  }
}

BoundWindow::~BoundWindow() {
  ::close(fd_);
  // The file may already belong to a successor that found ours stale: leave that one alone.
  const auto file = directory_.FileOf(title_);
  struct stat info {};
  if (::stat(file.c_str(), &info) == 0 && info.st_dev == device_ && info.st_ino == inode_) {
    ::unlink(file.c_str());
  }
}

std::optional<WindowMessage> BoundWindow::ReadOne() {
  char datagram[128];
  for (;;) {
    const ssize_t n = ::recv(fd_, datagram, sizeof datagram, MSG_DONTWAIT | MSG_TRUNC);
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (static_cast<std::size_t>(n) > sizeof datagram) continue;  // far too long for a message
    if (auto message = ParseWindowMessage(std::string_view(datagram, n))) return message;
  }
}

std::vector<WindowMessage> BoundWindow::TakePending() {
  std::vector<WindowMessage> messages;
  while (auto message = ReadOne()) messages.push_back(*message);
  return messages;
}

std::optional<WindowMessage> BoundWindow::WaitForMessage(std::chrono::milliseconds timeout) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    if (auto message = ReadOne()) return message;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return std::nullopt;
    pollfd watched{fd_, POLLIN, 0};
    ::poll(&watched, 1, static_cast<int>(left));
  }
}

}  // namespace tlj::posix
