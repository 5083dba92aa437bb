#pragma once
// An accepted TCP connection watched by the poll loop. What arrives is handed to the logic as
// loop events; what the logic sends goes out at once, or as soon as the socket takes it.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/platform/event_loop.h"
#include "posix/poll_backend.h"

namespace tlj::server {

class Connection {
 public:
  using DataHandler = std::function<void(std::span<const std::uint8_t> bytes)>;
  // Called once, when the peer has closed the connection or it failed.
  using CloseHandler = std::function<void(const std::string& reason)>;

  // Takes over the non-blocking descriptor `fd`.
  Connection(platform::EventLoop& loop, posix::PollBackend& poll, int fd, DataHandler on_data,
             CloseHandler on_close);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Dropped once the connection has ended.
  void Send(std::span<const std::uint8_t> bytes);

 private:
  void OnReady(short revents);
  void ReadAvailable();
  void Flush();
  void End(const std::string& reason);

  platform::EventLoop& loop_;
  posix::PollBackend& poll_;
  int fd_;
  DataHandler on_data_;
  CloseHandler on_close_;
  bool ended_ = false;
  std::vector<std::uint8_t> outgoing_;
  // Posted events hold a weak reference, so none runs after the object has gone.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace tlj::server
