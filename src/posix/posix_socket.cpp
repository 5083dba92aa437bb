#include "posix/posix_socket.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tlj::posix {

using platform::SocketState;

PosixSocket::~PosixSocket() {
  Close();
}

void PosixSocket::SetRemote(const std::string& host, int port) {
  host_ = host;
  port_ = port;
}

void PosixSocket::Connect() {
  Close();
  state_ = SocketState::Connecting;
  if (port_ > 0 && port_ <= 65535) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (getaddrinfo(host_.c_str(), std::to_string(port_).c_str(), &hints, &found) == 0) {
      for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
        Address address;
        std::memcpy(&address.storage, a->ai_addr, a->ai_addrlen);
        address.size = a->ai_addrlen;
        candidates_.push_back(address);
      }
      freeaddrinfo(found);
    }
  }
  TryNextAddress();
}

// Starts a connection to the first address left; a failure moves on to the next one, and
// running out of addresses leaves the socket closed without telling the logic.
void PosixSocket::TryNextAddress() {
  while (!candidates_.empty()) {
    const Address address = candidates_.front();
    candidates_.erase(candidates_.begin());
    const int fd =
        ::socket(address.storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) continue;
    // Frames are small and each one matters at once: no waiting to coalesce them.
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    const int rc = ::connect(fd, reinterpret_cast<const sockaddr*>(&address.storage), address.size);
    if (rc == 0 || errno == EINPROGRESS) {
      fd_ = fd;
      watcher_.Watch(fd_, rc == 0 ? POLLIN : POLLOUT, [this](short revents) { OnReady(revents); });
      if (rc == 0) {
        state_ = SocketState::Connected;
        candidates_.clear();
      }
      return;
    }
    ::close(fd);
  }
  state_ = SocketState::Closed;
}

void PosixSocket::OnReady(short revents) {
  if (state_ == SocketState::Connecting) {
    FinishConnect();
    return;
  }
  if (state_ != SocketState::Connected) return;
  if ((revents & (POLLIN | POLLHUP | POLLERR)) != 0) ReadAvailable();
  if (state_ == SocketState::Connected && (revents & POLLOUT) != 0) Flush();
}

void PosixSocket::FinishConnect() {
  int error = 0;
  socklen_t size = sizeof error;
  if (getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size) != 0) error = errno;
  if (error == 0) {
    sockaddr_storage peer{};
    socklen_t peer_size = sizeof peer;
    // A wake-up that was meant for an earlier descriptor with the same number.
    if (getpeername(fd_, reinterpret_cast<sockaddr*>(&peer), &peer_size) != 0) return;
    state_ = SocketState::Connected;
    candidates_.clear();
    WatchFor(POLLIN);
    return;
  }
  watcher_.Unwatch(fd_);
  ::close(fd_);
  fd_ = -1;
  TryNextAddress();
}

void PosixSocket::ReadAvailable() {
  Bytes arrived;
  bool ended = false;
  std::uint8_t chunk[65536];
  for (;;) {
    const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
    if (n > 0) {
      arrived.insert(arrived.end(), chunk, chunk + n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      ended = n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
      break;
    }
  }
  if (!arrived.empty()) {
    loop_.Post([this, session = std::weak_ptr<int>(session_), bytes = std::move(arrived)] {
      if (!session.expired() && on_data_arrival) on_data_arrival(bytes);
    });
  }
  if (ended) Drop(false);
}

void PosixSocket::SendData(std::span<const std::uint8_t> bytes) {
  if (state_ != SocketState::Connected || bytes.empty()) return;
  outgoing_.insert(outgoing_.end(), bytes.begin(), bytes.end());
  Flush();
}

// Writes what the kernel takes now; the rest waits for the socket to become writable.
void PosixSocket::Flush() {
  while (outgoing_sent_ < outgoing_.size()) {
    const ssize_t n = ::send(fd_, outgoing_.data() + outgoing_sent_,
                             outgoing_.size() - outgoing_sent_, MSG_NOSIGNAL);
    if (n > 0) {
      outgoing_sent_ += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      WatchFor(POLLIN | POLLOUT);
      return;
    } else {
      Drop(false);
      return;
    }
  }
  outgoing_.clear();
  outgoing_sent_ = 0;
  WatchFor(POLLIN);
}

void PosixSocket::WatchFor(short events) {
  watcher_.SetEvents(fd_, events);
}

void PosixSocket::Close() {
  // Whatever the kernel takes now still reaches the peer after close(); the rest is lost.
  if (state_ == SocketState::Connected && outgoing_sent_ < outgoing_.size()) Flush();
  session_ = std::make_shared<int>(0);
  Drop(true);
}

void PosixSocket::Drop(bool quiet) {
  if (fd_ >= 0) {
    watcher_.Unwatch(fd_);
    ::close(fd_);
    fd_ = -1;
  }
  outgoing_.clear();
  outgoing_sent_ = 0;
  candidates_.clear();
  state_ = SocketState::Closed;
  if (!quiet) PostClose();
}

void PosixSocket::PostClose() {
  loop_.Post([this, session = std::weak_ptr<int>(session_)] {
    if (!session.expired() && on_close) on_close();
  });
}

}  // namespace tlj::posix
