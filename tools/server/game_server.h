#pragma once
// The game server apart from its sockets: connections come and go by a number the caller
// gives, bytes arrive, frames go out through the sender each connection was opened with.

#include <cstdint>
#include <iosfwd>
#include <map>
#include <memory>
#include <span>
#include <string>

#include "server/accounts.h"
#include "server/seat_table.h"
#include "server/session.h"

namespace tlj::server {

class GameServer {
 public:
  // `log`, when given, gets one line per frame and per connection event.
  explicit GameServer(AccountBook accounts, std::ostream* log = nullptr);

  // A new connection from `peer`, under a number no open connection has.
  void Open(int connection, const std::string& peer, Session::Send send);
  void Receive(int connection, std::span<const std::uint8_t> bytes);
  // The connection has ended; its seat is free again.
  void Close(int connection, const std::string& reason);

  const ServerStats& Stats() const { return stats_; }
  const SeatTable& Seats() const { return seats_; }

 private:
  void Log(const std::string& line) const;

  AccountBook accounts_;
  SeatTable seats_;
  ServerStats stats_;
  std::ostream* log_;
  std::map<int, std::unique_ptr<Session>> sessions_;
};

}  // namespace tlj::server
