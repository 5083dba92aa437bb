// Seats held for people whose connection broke during a game, and their way back.

#include "tools/server/table.h"

#include "tools/server/game_frames.h"

namespace tlj::server {

std::optional<int> Table::HeldSeat(const std::string& account, std::uint16_t token,
                                   std::uint32_t hand_id) const {
  if (!GameRunning()) return std::nullopt;
  const auto seat = SeatOfAccount(account);
  if (!seat) return std::nullopt;
  const Player& p = *At(*seat);
  const bool known_hand = hand_id == hand_id_ || hand_id == previous_hand_id_;
  if (!p.held || p.token != token || !known_hand || hand_id == 0) return std::nullopt;
  return seat;
}

void Table::Disconnect(int connection) {
  const auto seat = SeatOf(connection);
  if (!seat) return;
  if (!GameRunning()) {
    Depart(*seat, "leaves (connection closed)");
    return;
  }
  Player& p = *seats_[static_cast<std::size_t>(*seat)];
  p.connection = kNoConnection;
  p.held = true;
  ++p.profile.drops;
  Say(Name(p) + " lost the connection; the seat is held");
  // During a hand the hold runs from the hand's end.
  if (stage_ == Stage::kBetweenHands) StartHold(*seat);
}

void Table::StartHold(int seat) {
  holds_[static_cast<std::size_t>(seat)].Start(config_.hold_ms,
                                               [this, seat] { HoldExpired(seat); });
}

void Table::HoldExpired(int seat) {
  Player* p = seats_[static_cast<std::size_t>(seat)].get();
  if (p == nullptr || !p->held) return;
  switch (stage_) {
    case Stage::kHand:
      p->hold_expired = true;
      break;
    case Stage::kBetweenHands:
      LeaveBetweenHands(seat);
      break;
    default:
      Depart(seat, "did not come back");
  }
}

void Table::Reconnect(int seat, int connection, std::uint16_t token) {
  Player& p = *seats_[static_cast<std::size_t>(seat)];
  p.connection = connection;
  p.token = token;
  p.held = false;
  p.hold_expired = false;
  holds_[static_cast<std::size_t>(seat)].Stop();
  Say(Name(p) + " is back");
  // The turn it missed while away.
  if (stage_ == Stage::kHand && awaiting_ && active_ == seat) {
    Send(seat, TurnFrame(seat, offer_, hand_in_game_));
  }
}

}  // namespace tlj::server
