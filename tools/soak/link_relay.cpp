#include "tools/soak/link_relay.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <span>

#include "posix/send_all.h"

namespace tlj::soak {
namespace {

// Writes wait: on loopback the few bytes of a game never fill a socket's buffer for long.
void MakeBlocking(int fd) {
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
}

int ConnectTo(const std::string& host, int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  if (::inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) return -1;
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

LinkRelay::LinkRelay(posix::PollBackend& poll, std::string server_host, int server_port)
    : poll_(poll), server_host_(std::move(server_host)), server_port_(server_port) {
  listener_ =
      std::make_unique<posix::TcpListener>(poll_, "127.0.0.1", posix::kCommandLinePorts,
                                           [this](int fd, const std::string&) { Accept(fd); });
}

LinkRelay::~LinkRelay() {
  Cut();
}

bool LinkRelay::Cut() {
  if (client_fd_ < 0) return false;
  for (int* fd : {&client_fd_, &server_fd_}) {
    poll_.Unwatch(*fd);
    ::close(*fd);
    *fd = -1;
  }
  return true;
}

void LinkRelay::Accept(int client_fd) {
  Cut();  // a client that connects again has given up its old link
  const int server_fd = ConnectTo(server_host_, server_port_);
  if (server_fd < 0) {
    ::close(client_fd);
    return;
  }
  MakeBlocking(client_fd);
  client_fd_ = client_fd;
  server_fd_ = server_fd;
  poll_.Watch(client_fd_, POLLIN, [this](short) {
    if (!Carry(client_fd_, server_fd_)) Cut();
  });
  poll_.Watch(server_fd_, POLLIN, [this](short) {
    if (!Carry(server_fd_, client_fd_)) Cut();
  });
}

bool LinkRelay::Carry(int from, int to) {
  std::array<std::uint8_t, 16384> buffer{};
  const ssize_t n = ::recv(from, buffer.data(), buffer.size(), MSG_DONTWAIT);
  if (n < 0) return errno == EAGAIN || errno == EINTR;
  return n > 0 && posix::SendAll(to, std::span(buffer).first(static_cast<std::size_t>(n)));
}

}  // namespace tlj::soak
