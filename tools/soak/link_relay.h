#pragma once
// A relay on loopback between one client and the game server: the client is told to connect
// here, each connection it makes is carried on to the server, and the soak can cut the link
// at any moment, as a network would.

#include <memory>
#include <string>

#include "posix/poll_backend.h"
#include "posix/tcp_listener.h"

namespace tlj::soak {

class LinkRelay {
 public:
  // Throws std::system_error when no port is free.
  LinkRelay(posix::PollBackend& poll, std::string server_host, int server_port);
  ~LinkRelay();
  LinkRelay(const LinkRelay&) = delete;
  LinkRelay& operator=(const LinkRelay&) = delete;

  int Port() const { return listener_->Port(); }
  // Closes both ends of the link that is up, if any; true when there was one.
  bool Cut();

 private:
  void Accept(int client_fd);
  // Carries what `from` has to `to`; false when either end has closed.
  static bool Carry(int from, int to);

  posix::PollBackend& poll_;
  std::string server_host_;
  int server_port_;
  int client_fd_ = -1;
  int server_fd_ = -1;
  std::unique_ptr<posix::TcpListener> listener_;
};

}  // namespace tlj::soak
