#pragma once
// An in-memory network: listeners by host and port, byte streams between two ends, and the
// game socket on top of it. Every delivery goes through the event loop, as real sockets do.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/platform/event_loop.h"
#include "core/platform/game_socket.h"

namespace tlj::sim {

class SimEnd {
 public:
  using Bytes = std::vector<std::uint8_t>;
  explicit SimEnd(platform::EventLoop& loop) : loop_(loop) {}

  // Delivers the bytes to the other end as one arrival.
  void Send(std::span<const std::uint8_t> bytes);
  // Closes both directions; the other end hears of it.
  void Close();
  bool Open() const { return open_; }

  std::function<void(const Bytes&)> on_data;
  std::function<void()> on_close;

 private:
  friend class SimNetwork;
  platform::EventLoop& loop_;
  std::weak_ptr<SimEnd> peer_;
  bool open_ = true;
};

class SimNetwork {
 public:
  using Accept = std::function<void(std::shared_ptr<SimEnd>)>;
  explicit SimNetwork(platform::EventLoop& loop) : loop_(loop) {}

  void Listen(const std::string& host, int port, Accept accept);
  void StopListening(const std::string& host, int port);
  // The client's end of a new connection, or null when nobody listens there.
  std::shared_ptr<SimEnd> Connect(const std::string& host, int port);
  platform::EventLoop& Loop() { return loop_; }

 private:
  platform::EventLoop& loop_;
  std::map<std::pair<std::string, int>, Accept> listeners_;
};

// The game socket on the in-memory network. Connecting completes (or fails) one loop event later.
class SimSocket : public platform::GameSocket {
 public:
  explicit SimSocket(SimNetwork& net) : net_(net) {}
  void SetRemote(const std::string& host, int port) override;
  void Connect() override;
  void Close() override;
  platform::SocketState State() const override { return state_; }
  void SendData(std::span<const std::uint8_t> bytes) override;

  const std::string& RemoteHost() const { return host_; }
  int RemotePort() const { return port_; }
  int ConnectCount() const { return connects_; }

 private:
  SimNetwork& net_;
  std::string host_;
  int port_ = 0;
  int connects_ = 0;
  platform::SocketState state_ = platform::SocketState::Closed;
  std::shared_ptr<SimEnd> end_;
};

}  // namespace tlj::sim
