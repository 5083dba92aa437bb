#include "tools/server/connection.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tlj::server {

Connection::Connection(platform::EventLoop& loop, posix::PollBackend& poll, int fd,
                       DataHandler on_data, CloseHandler on_close)
    : loop_(loop),
      poll_(poll),
      fd_(fd),
      on_data_(std::move(on_data)),
      on_close_(std::move(on_close)) {
  poll_.Watch(fd_, POLLIN, [this](short revents) { OnReady(revents); });
}

Connection::~Connection() {
  poll_.Unwatch(fd_);
  ::close(fd_);
}

void Connection::OnReady(short revents) {
  if ((revents & POLLOUT) != 0) Flush();
  if (!ended_ && (revents & (POLLIN | POLLHUP | POLLERR)) != 0) ReadAvailable();
}

void Connection::ReadAvailable() {
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[4096];
  ssize_t n;
  while ((n = ::recv(fd_, chunk, sizeof chunk, 0)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
  const int error = errno;
  if (!bytes.empty()) {
    loop_.Post([alive = std::weak_ptr<int>(alive_), on_data = on_data_, bytes = std::move(bytes)] {
      if (!alive.expired()) on_data(bytes);
    });
  }
  if (n == 0) {
    End("peer closed");
  } else if (error != EAGAIN && error != EWOULDBLOCK && error != EINTR) {
    End(std::string("receive failed: ") + std::strerror(error));
  }
}

void Connection::Send(std::span<const std::uint8_t> bytes) {
  if (ended_) return;
  outgoing_.insert(outgoing_.end(), bytes.begin(), bytes.end());
  Flush();
}

void Connection::Flush() {
  while (!outgoing_.empty() && !ended_) {
    const ssize_t n = ::send(fd_, outgoing_.data(), outgoing_.size(), MSG_NOSIGNAL);
    if (n > 0) {
      outgoing_.erase(outgoing_.begin(), outgoing_.begin() + n);
    } else if (errno == EINTR) {
      continue;
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      break;
    } else {
      End(std::string("send failed: ") + std::strerror(errno));
    }
  }
  if (!ended_)
    poll_.SetEvents(fd_, static_cast<short>(outgoing_.empty() ? POLLIN : POLLIN | POLLOUT));
}

void Connection::End(const std::string& reason) {
  if (ended_) return;
  ended_ = true;
  outgoing_.clear();
  poll_.Unwatch(fd_);
  loop_.Post([alive = std::weak_ptr<int>(alive_), on_close = on_close_, reason] {
    if (!alive.expired()) on_close(reason);
  });
}

}  // namespace tlj::server
