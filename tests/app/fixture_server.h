#pragma once
// A game server stand-in on a loopback port below 32768: takes one connection, splits what
// arrives into 272-byte frames, answers the login request with a successful login reply, and
// sends what a test gives it.

#include <cstdint>
#include <string>
#include <vector>

#include "core/net/frame.h"
#include "posix/poll_backend.h"
#include "posix/tcp_listener.h"

namespace tlj::e2e {

using net::Frame;

class FixtureServer {
 public:
  explicit FixtureServer(posix::PollBackend& poll);
  ~FixtureServer();
  FixtureServer(const FixtureServer&) = delete;
  FixtureServer& operator=(const FixtureServer&) = delete;

  int Port() const { return listener_.Port(); }
  bool Connected() const { return connection_ >= 0; }
  // Every whole frame received, in order.
  const std::vector<Frame>& Frames() const { return frames_; }
  int CountOfType(std::uint8_t type) const;
  // Sends a frame on the connection, as the game server would.
  void Send(const Frame& frame);
  // Ends the connection from the server's side.
  void Disconnect();

 private:
  void Accept(int fd);
  void Receive();

  posix::PollBackend& poll_;
  posix::TcpListener listener_;
  int connection_ = -1;
  std::vector<std::uint8_t> pending_;
  std::vector<Frame> frames_;
};

}  // namespace tlj::e2e
