#include "tests/app/fixture_server.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

#include "tests/support/frames.h"

namespace tlj::e2e {

FixtureServer::FixtureServer(posix::PollBackend& poll)
    : poll_(poll),
      listener_(poll, "127.0.0.1", posix::kCommandLinePorts,
                [this](int fd, const std::string&) { Accept(fd); }) {}

FixtureServer::~FixtureServer() {
  Disconnect();
}

void FixtureServer::Accept(int fd) {
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
    if (frame[net::kTypeAt] == net::kTypeLogin)
      Send(tlj::testing::LoginReplyFrame({.turn_seconds = 15}));
  }
  if (n == 0) Disconnect();
}

void FixtureServer::Send(const Frame& frame) {
  if (connection_ >= 0) ::send(connection_, frame.data(), frame.size(), MSG_NOSIGNAL);
}

int FixtureServer::CountOfType(std::uint8_t type) const {
  return static_cast<int>(std::count_if(
      frames_.begin(), frames_.end(), [type](const Frame& f) { return f[net::kTypeAt] == type; }));
}

void FixtureServer::Disconnect() {
  if (connection_ < 0) return;
  poll_.Unwatch(connection_);
  ::close(connection_);
  connection_ = -1;
  pending_.clear();
}

}  // namespace tlj::e2e
