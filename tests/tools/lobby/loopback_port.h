#pragma once
// A free port on loopback for the proxies the demo's client goes through.

#include <sys/socket.h>
#include <unistd.h>

#include "tests/posix/loopback.h"

namespace tlj::tools::testing {

using posix::testing::Loopback;

// A port nothing listens on now, for a proxy to take: below 32768, as the lobby's command
// line holds the proxy's port in a signed 16-bit field.
inline int FreePort() {
  constexpr int kLowest = 20000;
  constexpr int kSpan = 12768;
  const int start = kLowest + static_cast<int>(::getpid() % kSpan);
  for (int k = 0; k < kSpan; ++k) {
    const int port = kLowest + (start - kLowest + k) % kSpan;
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = Loopback(port);
    const bool free = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    if (free) return port;
  }
  return 0;
}

}  // namespace tlj::tools::testing
