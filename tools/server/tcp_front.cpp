#include "tools/server/tcp_front.h"

namespace tlj::server {

TcpFront::TcpFront(platform::EventLoop& loop, posix::PollBackend& poll, GameServer& server,
                   const std::string& host, int port)
    : loop_(loop),
      poll_(poll),
      server_(server),
      listener_(posix::ListenOnPortOrFree(
          poll, host, port, [this](int fd, const std::string& peer) { Accept(fd, peer); })) {}

void TcpFront::Accept(int fd, const std::string& peer) {
  const int id = next_id_++;
  connections_[id] = std::make_unique<Connection>(
      loop_, poll_, fd,
      [this, id](std::span<const std::uint8_t> bytes) { server_.Receive(id, bytes); },
      [this, id](const std::string& reason) {
        server_.Close(id, reason);
        connections_.erase(id);
      });
  server_.Open(id, peer, [this, id](const Frame& frame) {
    if (const auto it = connections_.find(id); it != connections_.end()) it->second->Send(frame);
  });
}

}  // namespace tlj::server
