#pragma once
// The game server on TCP: a listening socket, and a connection object for each client that
// the server's sessions talk through.

#include <map>
#include <memory>
#include <string>

#include "core/platform/event_loop.h"
#include "posix/poll_backend.h"
#include "posix/tcp_listener.h"
#include "tools/server/connection.h"
#include "tools/server/game_server.h"

namespace tlj::server {

class TcpFront {
 public:
  // Listens on `host` and `port`; port 0 picks a free port the client's command line can carry.
  // Throws std::system_error when it cannot listen.
  TcpFront(platform::EventLoop& loop, posix::PollBackend& poll, GameServer& server,
           const std::string& host, int port);

  const std::string& Host() const { return listener_.Host(); }
  int Port() const { return listener_.Port(); }

 private:
  void Accept(int fd, const std::string& peer);

  platform::EventLoop& loop_;
  posix::PollBackend& poll_;
  GameServer& server_;
  std::map<int, std::unique_ptr<Connection>> connections_;
  int next_id_ = 1;
  posix::TcpListener listener_;  // last: it may accept only once the rest exists
};

}  // namespace tlj::server
