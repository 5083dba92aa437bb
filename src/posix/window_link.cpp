#include "posix/window_link.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace tlj::posix {

WindowLink::WindowLink(platform::EventLoop& loop, DescriptorWatcher& watcher,
                       WindowDirectory directory)
    : loop_(loop),
      watcher_(watcher),
      directory_(std::move(directory)),
      outbox_(watcher, directory_) {}

WindowLink::~WindowLink() {
  // The table window and the lock go first: the outbox may still wait for a slow lobby, and
  // meanwhile a new instance may take over.
  if (window_) watcher_.Unwatch(window_->Fd());
  window_.reset();
  if (lock_fd_ >= 0) ::close(lock_fd_);
}

bool WindowLink::FindWindow(const std::string& title) {
  return directory_.Find(title);
}

bool WindowLink::PostMessage(const std::string& title, int msg, long wparam, long lparam) {
  return outbox_.Post(title, {msg, wparam, lparam});
}

void WindowLink::ListenAs(const std::string& title, MessageHandler handler) {
  handler_ = std::move(handler);
  if (window_ && window_->Title() == title) return;
  // Bind the new title before giving up the old one, so a failure leaves the window reachable.
  auto renamed = std::make_unique<BoundWindow>(directory_, title);
  if (window_) watcher_.Unwatch(window_->Fd());
  window_ = std::move(renamed);
  watcher_.Watch(window_->Fd(), POLLIN, [this](short) { OnReadable(); });
}

void WindowLink::OnReadable() {
  for (const WindowMessage& m : window_->TakePending()) {
    if (!handler_) continue;
    loop_.Post([handler = handler_, m] { handler(m.msg, m.wparam, m.lparam); });
  }
}

bool WindowLink::AcquireSingleInstance() {
  if (lock_fd_ >= 0) return true;
  const auto path = directory_.Path() / "tlj.lock";
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    throw std::system_error(errno, std::generic_category(), "cannot open " + path.string());
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    lock_fd_ = fd;
    return true;
  }
  const int error = errno;
  ::close(fd);
  if (error == EWOULDBLOCK) return false;
  throw std::system_error(error, std::generic_category(), "cannot lock " + path.string());
}

}  // namespace tlj::posix
