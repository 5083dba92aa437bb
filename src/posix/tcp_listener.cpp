#include "posix/tcp_listener.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>
#include <utility>

namespace tlj::posix {
namespace {

constexpr int kBacklog = 16;

std::string Where(const std::string& host, int port) {
  return host + ":" + std::to_string(port);
}

std::string PeerName(const sockaddr_storage& address) {
  char text[INET6_ADDRSTRLEN] = "?";
  int port = 0;
  if (address.ss_family == AF_INET) {
    const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
    ::inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
    port = ntohs(v4.sin_port);
  } else if (address.ss_family == AF_INET6) {
    const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
    ::inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
    port = ntohs(v6.sin6_port);
  }
  return Where(text, port);
}

}  // namespace

TcpListener::TcpListener(PollBackend& poll, const std::string& host, int port,
                         AcceptHandler on_accept)
    : poll_(poll), host_(host) {
  if (port < 0 || port > 65535) {
    throw std::system_error(EINVAL, std::generic_category(),
                            "port " + std::to_string(port) + " is out of range");
  }
  if (!TryListen(port)) {
    throw std::system_error(errno, std::generic_category(),
                            "cannot listen on " + Where(host, port));
  }
  Watch(std::move(on_accept));
}

TcpListener::TcpListener(PollBackend& poll, const std::string& host, PortRange range,
                         AcceptHandler on_accept)
    : poll_(poll), host_(host) {
  const int count = range.highest - range.lowest + 1;
  const int start = static_cast<int>(std::random_device()() % static_cast<unsigned>(count));
  for (int attempt = 0; attempt < count; ++attempt) {
    const int port = range.lowest + (start + attempt) % count;
    if (TryListen(port)) {
      Watch(std::move(on_accept));
      return;
    }
    // Only a taken port is worth trying the next one for.
    if (errno != EADDRINUSE) break;
  }
  throw std::system_error(errno, std::generic_category(),
                          "no free port on " + host + " in " + std::to_string(range.lowest) + ".." +
                              std::to_string(range.highest));
}

TcpListener::~TcpListener() {
  poll_.Unwatch(fd_);
  ::close(fd_);
}

bool TcpListener::TryListen(int port) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
  addrinfo* found = nullptr;
  const int rc = ::getaddrinfo(host_.c_str(), std::to_string(port).c_str(), &hints, &found);
  if (rc != 0) {
    errno = EADDRNOTAVAIL;
    return false;
  }
  int error = EADDRNOTAVAIL;
  for (const addrinfo* a = found; a != nullptr && fd_ < 0; a = a->ai_next) {
    const int fd = ::socket(a->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
      error = errno;
      continue;
    }
    // A port left in TIME_WAIT by an earlier run can be listened on again at once.
    const int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (::bind(fd, a->ai_addr, a->ai_addrlen) == 0 && ::listen(fd, kBacklog) == 0) {
      fd_ = fd;
      port_ = port;
    } else {
      error = errno;
      ::close(fd);
    }
  }
  ::freeaddrinfo(found);
  errno = error;
  return fd_ >= 0;
}

void TcpListener::Watch(AcceptHandler on_accept) {
  on_accept_ = std::move(on_accept);
  poll_.Watch(fd_, POLLIN, [this](short) { AcceptAll(); });
}

void TcpListener::AcceptAll() {
  for (;;) {
    sockaddr_storage peer{};
    socklen_t size = sizeof peer;
    const int fd =
        ::accept4(fd_, reinterpret_cast<sockaddr*>(&peer), &size, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      return;  // nothing more waiting, or out of descriptors until one is closed
    }
    // Frames are small and each one matters at once: no waiting to coalesce them.
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    on_accept_(fd, PeerName(peer));
  }
}

TcpListener ListenOnPortOrFree(PollBackend& poll, const std::string& host, int port,
                               TcpListener::AcceptHandler on_accept) {
  if (port == 0) return TcpListener(poll, host, kCommandLinePorts, std::move(on_accept));
  return TcpListener(poll, host, port, std::move(on_accept));
}

}  // namespace tlj::posix
