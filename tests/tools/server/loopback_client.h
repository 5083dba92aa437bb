#pragma once
// A client end of a loopback TCP connection for tests that run the server's loop on the same
// thread: writes go out at once, reads take what has arrived without waiting.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tlj::server::testing {

class LoopbackClient {
 public:
  explicit LoopbackClient(int port) : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  }
  ~LoopbackClient() { Close(); }
  LoopbackClient(const LoopbackClient&) = delete;
  LoopbackClient& operator=(const LoopbackClient&) = delete;

  bool Connected() const { return connected_; }
  void Write(std::span<const std::uint8_t> bytes) {
    ASSERT_EQ(::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(bytes.size()));
  }
  void Write(std::string_view text) {
    Write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  }
  // Says that nothing more will be sent, as a request cut off by its sender.
  void EndWriting() { ::shutdown(fd_, SHUT_WR); }
  // Takes what has arrived without waiting.
  const std::vector<std::uint8_t>& Received() {
    std::uint8_t chunk[4096];
    ssize_t n;
    while ((n = ::recv(fd_, chunk, sizeof chunk, MSG_DONTWAIT)) > 0) {
      received_.insert(received_.end(), chunk, chunk + n);
    }
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
      ended_ = true;
    }
    return received_;
  }
  std::string Text() {
    Received();
    return std::string(received_.begin(), received_.end());
  }
  // Whether the server has ended the connection (after what it sent was read).
  bool Ended() {
    Received();
    return ended_;
  }
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
  bool connected_ = false;
  bool ended_ = false;
  std::vector<std::uint8_t> received_;
};

}  // namespace tlj::server::testing
