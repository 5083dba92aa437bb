#pragma once
// One connection's conversation with the server: its frames, its seat and the answers.

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "server/accounts.h"
#include "server/frame_assembler.h"
#include "server/seat_table.h"
#include "server/wire.h"

namespace tlj::server {

struct ServerStats {
  int connections = 0;  // accepted so far
  int frames = 0;       // whole frames received
  int ignored = 0;      // of a type the server does not take
  int invalid = 0;      // breaking the rules of their type
};

// What every session of the table shares.
struct TableContext {
  SeatTable& seats;
  const AccountBook& accounts;
  ServerStats& stats;
  std::ostream* log;  // one line per event; null for none
};

class Session {
 public:
  using Send = std::function<void(const Frame&)>;

  Session(int id, TableContext context, Send send);
  ~Session();  // gives the seat up
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  void Receive(std::span<const std::uint8_t> bytes);
  std::optional<int> Seat() const { return context_.seats.SeatOf(id_); }
  std::size_t PendingBytes() const { return assembler_.Pending(); }
  // "conn=N seat=S", seats counted from 1; "seat=-" before the login.
  std::string Who() const;

 private:
  void Handle(const Frame& frame);
  void Login(const Frame& frame);
  void Reconnect(const Frame& frame);
  void KeepAlive();
  void Reply(const Frame& frame);
  void CountIgnored(std::string_view why);
  void CountInvalid(std::string_view why);
  void Log(std::string_view line) const;

  int id_;
  TableContext context_;
  Send send_;
  FrameAssembler assembler_;
};

}  // namespace tlj::server
