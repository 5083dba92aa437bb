// Filling empty seats with bots, getting everybody ready, and the start of a game.

#include "tools/server/table.h"

#include <algorithm>

#include "tools/server/game_frames.h"

namespace tlj::server {

void Table::ArmBotFill() {
  if (stage_ == Stage::kWaiting && HasFreeSeat() && PeopleSeated() > 0 && !bot_fill_.Running()) {
    bot_fill_.Start(config_.bot_delay_ms, [this] { FillWithBots(); });
  }
}

void Table::FillWithBots() {
  if (stage_ != Stage::kWaiting || PeopleSeated() == 0) return;
  SendOwedArrivals();  // those seated see the table before the newcomers
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (At(seat) != nullptr) continue;
    auto bot = std::make_unique<Player>();
    bot->bot_number = house_.NextBotNumber();
    bot->profile = BotProfile(bot->bot_number, house_.BotCoins(bot->bot_number), config_.seed);
    SitDown(seat, std::move(bot));
    AnnounceArrival(seat);
  }
  ArmBotReadiness();
}

void Table::MarkReady(int seat) {
  Player& p = *seats_[static_cast<std::size_t>(seat)];
  p.ready = true;
  Broadcast(ReadyFrame(p.profile.account));
  Say(Name(p) + " is ready");
}

Verdict Table::Ready(int connection) {
  const auto seat = SeatOf(connection);
  if (!seat) return {Verdict::Kind::kIgnored, "ready without a seat"};
  if (stage_ != Stage::kWaiting) {
    return {Verdict::Kind::kIgnored, "ready while a game is under way"};
  }
  if (!At(*seat)->ready) {
    MarkReady(*seat);
    ArmBotReadiness();
    CheckStart();
  }
  return {};
}

void Table::ArmBotReadiness() {
  const bool person_ready = std::any_of(seats_.begin(), seats_.end(),
                                        [](const auto& p) { return p && !p->Bot() && p->ready; });
  const bool bot_waiting = std::any_of(seats_.begin(), seats_.end(),
                                       [](const auto& p) { return p && p->Bot() && !p->ready; });
  if (person_ready && bot_waiting && !bot_ready_.Running()) {
    bot_ready_.Start(config_.bot_think_ms, [this] { BotsReady(); });
  }
}

void Table::BotsReady() {
  if (stage_ != Stage::kWaiting) return;
  const bool person_ready = std::any_of(seats_.begin(), seats_.end(),
                                        [](const auto& p) { return p && !p->Bot() && p->ready; });
  if (!person_ready) return;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (const Player* p = At(seat); p != nullptr && p->Bot() && !p->ready) MarkReady(seat);
  }
  CheckStart();
}

void Table::CheckStart() {
  const bool all_ready =
      std::all_of(seats_.begin(), seats_.end(), [](const auto& p) { return p && p->ready; });
  if (stage_ != Stage::kWaiting || !all_ready) return;
  stage_ = Stage::kStarting;
  if (!arrivals_owed_) {
    stage_alarm_.Start(config_.start_delay_ms, [this] { StartGame(); });
    return;
  }
  Say("the seats are being changed");
  stage_alarm_.Start(config_.shuffle_ms, [this] {
    SendOwedArrivals();
    stage_alarm_.Start(config_.start_delay_ms, [this] { StartGame(); });
  });
}

}  // namespace tlj::server
