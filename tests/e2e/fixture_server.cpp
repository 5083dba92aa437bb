#include "e2e/fixture_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <random>
#include <stdexcept>

namespace tlj::e2e {
namespace {

constexpr std::uint8_t kLoginType = 18;
constexpr int kLowestPort = 20000;
constexpr int kHighestPort = 32767;
constexpr int kAttempts = 200;

Frame LoginReply() {
  Frame reply{};
  reply[3] = kLoginType;
  reply[11] = 15;  // the turn countdown in seconds
  reply[15] = 1;   // success
  return reply;
}

}  // namespace

FixtureServer::FixtureServer(posix::PollBackend& poll) : poll_(poll) {
  // The command line carries the port as a 16-bit signed number, so the kernel's pick (port 0
  // gives one above 32767) would not do: try free ports below that from a random start.
  std::random_device random;
  const int start = kLowestPort + static_cast<int>(random() % (kHighestPort - kLowestPort));
  for (int attempt = 0; attempt < kAttempts && port_ == 0; ++attempt) {
    const int port = kLowestPort + (start - kLowestPort + attempt) % (kHighestPort - kLowestPort);
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::listen(fd, 4) == 0) {
      listener_ = fd;
      port_ = port;
    } else {
      ::close(fd);
    }
  }
  if (port_ == 0) throw std::runtime_error("no free loopback port below 32768");
  poll_.Watch(listener_, POLLIN, [this](short) { Accept(); });
}

FixtureServer::~FixtureServer() {
  Disconnect();
  poll_.Unwatch(listener_);
  ::close(listener_);
}

void FixtureServer::Accept() {
  const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
  if (fd < 0) return;
  Disconnect();
  connection_ = fd;
  poll_.Watch(connection_, POLLIN, [this](short) { Receive(); });
}

void FixtureServer::Receive() {
  std::uint8_t chunk[4096];
  ssize_t n;
  while ((n = ::recv(connection_, chunk, sizeof chunk, 0)) > 0) {
    pending_.insert(pending_.end(), chunk, chunk + n);
  }
  while (pending_.size() >= Frame().size()) {
    Frame frame;
    std::copy_n(pending_.begin(), frame.size(), frame.begin());
    pending_.erase(pending_.begin(), pending_.begin() + frame.size());
    frames_.push_back(frame);
    if (frame[3] == kLoginType) {
      const Frame reply = LoginReply();
      ::send(connection_, reply.data(), reply.size(), MSG_NOSIGNAL);
    }
  }
  if (n == 0) Disconnect();
}

int FixtureServer::CountOfType(std::uint8_t type) const {
  return static_cast<int>(std::count_if(frames_.begin(), frames_.end(),
                                        [type](const Frame& f) { return f[3] == type; }));
}

void FixtureServer::Disconnect() {
  if (connection_ < 0) return;
  poll_.Unwatch(connection_);
  ::close(connection_);
  connection_ = -1;
  pending_.clear();
}

}  // namespace tlj::e2e
