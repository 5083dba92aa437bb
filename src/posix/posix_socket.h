#pragma once
// The game socket over a non-blocking TCP socket watched for the loop. Everything the socket
// hears is read when the watcher reports it ready and handed to the logic as posted loop events.

#include <sys/socket.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/event_loop.h"
#include "core/platform/game_socket.h"
#include "posix/descriptor_watcher.h"

namespace tlj::posix {

class PosixSocket : public platform::GameSocket {
 public:
  PosixSocket(platform::EventLoop& loop, DescriptorWatcher& watcher)
      : loop_(loop), watcher_(watcher) {}
  ~PosixSocket() override;
  PosixSocket(const PosixSocket&) = delete;
  PosixSocket& operator=(const PosixSocket&) = delete;

  void SetRemote(const std::string& host, int port) override;
  // Resolves the remote host here; a name that does not resolve leaves the socket closed.
  void Connect() override;
  void Close() override;
  platform::SocketState State() const override { return state_; }
  // Dropped unless connected, as the logic only sends after seeing State() connected.
  void SendData(std::span<const std::uint8_t> bytes) override;

 private:
  struct Address {
    sockaddr_storage storage{};
    socklen_t size = 0;
  };

  void TryNextAddress();
  void OnReady(short revents);
  void FinishConnect();
  void ReadAvailable();
  void Flush();
  void WatchFor(short events);
  // Releases the descriptor; `quiet` is false when the peer ended the connection.
  void Drop(bool quiet);
  void PostClose();

  platform::EventLoop& loop_;
  DescriptorWatcher& watcher_;
  std::string host_;
  int port_ = 0;
  platform::SocketState state_ = platform::SocketState::Closed;
  int fd_ = -1;
  std::vector<Address> candidates_;  // addresses not yet tried for the pending connection
  std::vector<std::uint8_t> outgoing_;
  std::size_t outgoing_sent_ = 0;
  // Posted events hold a weak reference; replacing it when the logic closes or reconnects
  // drops every event of the earlier connection that has not been handled yet.
  std::shared_ptr<int> session_ = std::make_shared<int>(0);
};

}  // namespace tlj::posix
