#pragma once
// The game socket: a TCP client with the operations the transport uses.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace tlj::platform {

enum class SocketState : int { Closed = 0, Connecting = 6, Connected = 7 };

class GameSocket {
 public:
  using Bytes = std::vector<std::uint8_t>;
  virtual ~GameSocket() = default;

  virtual void SetRemote(const std::string& host, int port) = 0;
  // Starts connecting to the remote host and port; the outcome shows in State().
  virtual void Connect() = 0;
  virtual void Close() = 0;
  virtual SocketState State() const = 0;
  // Queues the whole array for sending; never partial from the caller's side.
  virtual void SendData(std::span<const std::uint8_t> bytes) = 0;

  // Events, delivered through the event loop, one at a time.
  std::function<void(const Bytes&)> on_data_arrival;  // every byte once, in order
  std::function<void()> on_close;                     // the peer closed the connection
};

}  // namespace tlj::platform
