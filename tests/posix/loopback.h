#pragma once
// Loopback TCP helpers for the socket tests: a listener on a free port and plain blocking
// reads and writes on the accepted end.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "posix/send_all.h"

namespace tlj::posix::testing {

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { Reset(); }
  Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  Descriptor& operator=(Descriptor&& other) noexcept {
    Reset();
    fd_ = other.fd_;
    other.fd_ = -1;
    return *this;
  }
  int get() const { return fd_; }
  void Reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

inline sockaddr_in Loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  return address;
}

// A socket bound to a free loopback port; listening when `backlog` is given.
class LoopbackPort {
 public:
  explicit LoopbackPort(int backlog = -1) : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in address = Loopback(0);
    if (::bind(fd_.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        (backlog >= 0 && ::listen(fd_.get(), backlog) != 0)) {
      throw std::runtime_error("cannot open a loopback port");
    }
    socklen_t size = sizeof address;
    ::getsockname(fd_.get(), reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
  }
  int port() const { return port_; }
  int fd() const { return fd_.get(); }
  // The next connection waiting in the queue.
  Descriptor Accept() const {
    return Descriptor(::accept4(fd_.get(), nullptr, nullptr, SOCK_CLOEXEC));
  }

 private:
  Descriptor fd_;
  int port_ = 0;
};

inline void WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
  if (!posix::SendAll(fd, bytes)) throw std::runtime_error("loopback write failed");
}

inline std::vector<std::uint8_t> Pattern(std::size_t size, std::uint8_t seed) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<std::uint8_t>(seed + i * 7 + i / 251);
  return bytes;
}

}  // namespace tlj::posix::testing
