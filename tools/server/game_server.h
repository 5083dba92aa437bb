#pragma once
// The game server apart from its sockets: connections come and go by a number the caller
// gives, bytes arrive, frames go out through the sender each connection was opened with. The
// tables' timers run on the event loop it is given, so a test can run it in virtual time next
// to a client. A sender must not call back into the server; it may deliver later.

#include <cstdint>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/platform/event_loop.h"
#include "tools/server/accounts.h"
#include "tools/server/game_config.h"
#include "tools/server/house.h"
#include "tools/server/session.h"
#include "tools/server/table.h"

namespace tlj::server {

class GameServer {
 public:
  // `log`, when given, gets one line per frame and per connection event; `transcript` one
  // line per table event.
  GameServer(platform::EventLoop& loop, GameConfig config, AccountBook accounts,
             std::ostream* log = nullptr, std::ostream* transcript = nullptr);
  GameServer(const GameServer&) = delete;
  GameServer& operator=(const GameServer&) = delete;

  // A new connection from `peer`, under a number no open connection has.
  void Open(int connection, const std::string& peer, Session::Send send);
  void Receive(int connection, std::span<const std::uint8_t> bytes);
  // The connection has ended; outside a game its seat is free again.
  void Close(int connection, const std::string& reason);

  const ServerStats& Stats() const { return house_.stats; }
  // The coins that came to the tables, went, were kept as fees and are there now.
  CoinAudit AuditCoins() const;
  const GameConfig& Config() const { return house_.config; }
  int TableCount() const { return static_cast<int>(tables_.size()); }
  TableView ViewTable(int table) const {
    return tables_.at(static_cast<std::size_t>(table))->View();
  }

  struct Place {
    int table = 0;  // 0-based
    int seat = 0;   // 0..3
  };
  std::optional<Place> PlaceOf(int connection) const;

 private:
  void Handle(Session& session, const Frame& frame);
  void Login(Session& session, const Frame& frame);
  void Reconnect(Session& session, const Frame& frame);
  void KeepAlive(Session& session, const Frame& frame);
  void ReadyOrLeave(Session& session, const Frame& frame);
  void Bet(Session& session, const Frame& frame);
  void Chat(Session& session, const Frame& frame);
  // Whether byte 6 names the sender's seat (or is 0, where `zero_allowed`).
  bool OwnSeatCode(const Session& session, const Frame& frame, bool zero_allowed);
  Table* ChooseTable();
  bool AccountSeated(const std::string& account, Session& session);
  void SendTo(int connection, const Frame& frame);
  void Reply(Session& session, const Frame& frame);
  void Judge(const Session& session, const Verdict& verdict);
  void CountIgnored(const Session& session, const std::string& why);
  void CountInvalid(const Session& session, const std::string& why);
  std::string Who(int connection) const;
  void Log(const std::string& line) const;
  void WriteTranscript(const std::string& line) const;

  platform::EventLoop& loop_;
  House house_;
  AccountBook accounts_;
  std::ostream* log_;
  std::ostream* transcript_;
  std::map<int, std::unique_ptr<Session>> sessions_;
  std::vector<std::unique_ptr<Table>> tables_;  // last: their timers call into the rest
};

}  // namespace tlj::server
