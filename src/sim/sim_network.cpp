#include "sim/sim_network.h"

namespace tlj::sim {

void SimEnd::Send(std::span<const std::uint8_t> bytes) {
  if (!open_ || bytes.empty()) return;
  Bytes copy(bytes.begin(), bytes.end());
  loop_.Post([peer = peer_, copy = std::move(copy)] {
    auto p = peer.lock();
    if (p && p->open_ && p->on_data) p->on_data(copy);
  });
}

void SimEnd::Close() {
  if (!open_) return;
  open_ = false;
  loop_.Post([peer = peer_] {
    auto p = peer.lock();
    if (p && p->open_) {
      p->open_ = false;
      if (p->on_close) p->on_close();
    }
  });
}

void SimNetwork::Listen(const std::string& host, int port, Accept accept) {
  listeners_[{host, port}] = std::move(accept);
}

void SimNetwork::StopListening(const std::string& host, int port) {
  listeners_.erase({host, port});
}

std::shared_ptr<SimEnd> SimNetwork::Connect(const std::string& host, int port) {
  auto it = listeners_.find({host, port});
  if (it == listeners_.end()) return nullptr;
  auto client = std::make_shared<SimEnd>(loop_);
  auto server = std::make_shared<SimEnd>(loop_);
  client->peer_ = server;
  server->peer_ = client;
  it->second(server);
  return client;
}

void SimSocket::SetRemote(const std::string& host, int port) {
  host_ = host;
  port_ = port;
}

void SimSocket::Connect() {
  Close();
  ++connects_;
  state_ = platform::SocketState::Connecting;
  const int attempt = connects_;
  net_.Loop().Post([this, attempt] {
    if (attempt != connects_ || state_ != platform::SocketState::Connecting) return;
    end_ = net_.Connect(host_, port_);
    if (!end_) {
      state_ = platform::SocketState::Closed;
      return;
    }
    state_ = platform::SocketState::Connected;
    end_->on_data = [this](const SimEnd::Bytes& bytes) {
      if (on_data_arrival) on_data_arrival(bytes);
    };
    end_->on_close = [this] {
      state_ = platform::SocketState::Closed;
      end_.reset();
      if (on_close) on_close();
    };
  });
}

void SimSocket::Close() {
  if (end_) {
    end_->on_data = nullptr;
    end_->on_close = nullptr;
    end_->Close();
    end_.reset();
  }
  state_ = platform::SocketState::Closed;
}

void SimSocket::SendData(std::span<const std::uint8_t> bytes) {
  if (end_ && state_ == platform::SocketState::Connected) end_->Send(bytes);
}

}  // namespace tlj::sim
