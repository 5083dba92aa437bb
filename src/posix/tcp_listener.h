#pragma once
// A listening TCP socket watched by the poll loop. Each connection it accepts is handed over as
// a non-blocking descriptor that the receiver then owns.

#include <functional>
#include <string>

#include "posix/poll_backend.h"

namespace tlj::posix {

struct PortRange {
  int lowest = 0;
  int highest = 0;
};

// The client's command line carries ports as 16-bit signed numbers, so a port the kernel picks
// (usually above 32767) could not be handed to it.
inline constexpr PortRange kCommandLinePorts{20000, 32767};

class TcpListener {
 public:
  // Called from inside the loop's wait with the accepted descriptor and the peer's address.
  using AcceptHandler = std::function<void(int fd, const std::string& peer)>;

  // Listens on `host` (a name or a numeric address) and `port`. Throws std::system_error
  // when it cannot.
  TcpListener(PollBackend& poll, const std::string& host, int port, AcceptHandler on_accept);
  // Listens on the first free port of `range`, trying them from a random start.
  TcpListener(PollBackend& poll, const std::string& host, PortRange range, AcceptHandler on_accept);
  ~TcpListener();
  TcpListener(const TcpListener&) = delete;
  TcpListener& operator=(const TcpListener&) = delete;

  const std::string& Host() const { return host_; }
  int Port() const { return port_; }

 private:
  // True when listening; false when the port is taken, with errno set.
  bool TryListen(int port);
  void Watch(AcceptHandler on_accept);
  void AcceptAll();

  PollBackend& poll_;
  std::string host_;
  int fd_ = -1;
  int port_ = 0;
  AcceptHandler on_accept_;
};

// Listens on `port`, or with port 0 on a free port of kCommandLinePorts: what the servers'
// fronts take from their command line.
TcpListener ListenOnPortOrFree(PollBackend& poll, const std::string& host, int port,
                               TcpListener::AcceptHandler on_accept);

}  // namespace tlj::posix
