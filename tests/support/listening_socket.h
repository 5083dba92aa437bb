#pragma once
// A Unix socket that takes connections, as a sound server's does: what the client probes for
// before it loads its sound library.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace tlj::testing {

class ListeningSocket {
 public:
  explicit ListeningSocket(const std::string& path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    ::listen(fd_, 4);
  }
  ~ListeningSocket() { ::close(fd_); }
  ListeningSocket(const ListeningSocket&) = delete;
  ListeningSocket& operator=(const ListeningSocket&) = delete;

 private:
  int fd_;
};

}  // namespace tlj::testing
