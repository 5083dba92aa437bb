#include "tools/server/table.h"

#include <algorithm>

#include "tools/server/game_frames.h"

namespace tlj::server {

Table::Table(int number, platform::EventLoop& loop, House& house, Outlet outlet)
    : number_(number),
      house_(house),
      config_(house.config),
      outlet_(std::move(outlet)),
      bot_fill_(loop),
      bot_ready_(loop),
      stage_alarm_(loop),
      turn_(loop),
      holds_{{Alarm(loop), Alarm(loop), Alarm(loop), Alarm(loop)}},
      bot_chat_{{Alarm(loop), Alarm(loop), Alarm(loop), Alarm(loop)}} {}

bool Table::HasFreeSeat() const {
  return std::any_of(seats_.begin(), seats_.end(), [](const auto& p) { return p == nullptr; });
}

bool Table::CanMakeRoom() const {
  return (stage_ == Stage::kWaiting || stage_ == Stage::kStarting) &&
         std::any_of(seats_.begin(), seats_.end(), [](const auto& p) { return p && p->Bot(); });
}

std::optional<int> Table::SeatOf(int connection) const {
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const Player* p = At(seat);
    if (p != nullptr && p->Connected() && p->connection == connection) return seat;
  }
  return std::nullopt;
}

std::optional<int> Table::SeatOfAccount(const std::string& account) const {
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (const Player* p = At(seat); p != nullptr && p->profile.account == account) return seat;
  }
  return std::nullopt;
}

const Player* Table::At(int seat) const {
  return seat >= 0 && seat < kSeatCount ? seats_[static_cast<std::size_t>(seat)].get() : nullptr;
}

TableView Table::View() const {
  TableView view;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (const Player* p = At(seat)) {
      view.seats[static_cast<std::size_t>(seat)] = SeatView{
          p->profile.account, p->Bot(), p->ready, p->held, p->profile.coins, p->connection};
    }
  }
  view.pot = pot_;
  view.game_running = GameRunning();
  view.hand_running = stage_ == Stage::kHand;
  view.hand_id = hand_id_;
  return view;
}

Coins Table::CoinsHere() const {
  Coins coins = pot_;
  for (const auto* players : {&seats_, &gone_}) {
    for (const auto& p : *players) {
      if (p) coins += p->profile.coins;
    }
  }
  return coins;
}

void Table::Send(int seat, const Frame& frame) {
  const Player* p = At(seat);
  if (p != nullptr && p->Connected()) outlet_.send(p->connection, frame);
}

void Table::Broadcast(const Frame& frame) {
  for (int seat = 0; seat < kSeatCount; ++seat) Send(seat, frame);
}

void Table::Say(const std::string& line) const {
  outlet_.transcript("table " + std::to_string(number_) + ": " + line);
}

std::string Table::Name(const Player& player) const {
  return player.profile.nick + " (" + player.profile.account + ")";
}

int Table::PeopleSeated() const {
  return static_cast<int>(
      std::count_if(seats_.begin(), seats_.end(), [](const auto& p) { return p && !p->Bot(); }));
}

void Table::SendArrivals(int seat) {
  Send(seat, ArrivalFrame(seat, seat, At(seat)->profile, At(seat)->ready));
  for (int other = 0; other < kSeatCount; ++other) {
    if (const Player* p = At(other); p != nullptr && other != seat) {
      Send(seat, ArrivalFrame(seat, other, p->profile, p->ready));
    }
  }
}

void Table::AnnounceArrival(int seat) {
  const Player& newcomer = *At(seat);
  for (int other = 0; other < kSeatCount; ++other) {
    if (other != seat && At(other) != nullptr) {
      Send(other, ArrivalFrame(other, seat, newcomer.profile, newcomer.ready));
    }
  }
}

int Table::Seat(int connection, std::uint16_t token, Profile profile) {
  SendOwedArrivals();  // those seated see the table before the newcomer
  auto free = std::find(seats_.begin(), seats_.end(), nullptr);
  if (free == seats_.end()) {
    // A bot gives way to a person between games.
    const auto bot =
        std::find_if(seats_.begin(), seats_.end(), [](const auto& p) { return p && p->Bot(); });
    Depart(static_cast<int>(bot - seats_.begin()), "gives the seat to a person");
    free = std::find(seats_.begin(), seats_.end(), nullptr);
  }
  const int seat = static_cast<int>(free - seats_.begin());
  auto player = std::make_unique<Player>();
  player->profile = std::move(profile);
  player->connection = connection;
  player->token = token;
  SitDown(seat, std::move(player));
  return seat;
}

void Table::SitDown(int seat, std::unique_ptr<Player> player) {
  house_.stats.coins_in += player->profile.coins;
  auto& place = seats_[static_cast<std::size_t>(seat)];
  place = std::move(player);
  Say(Name(*place) + " sits down at seat " + std::to_string(seat + 1) + " with " +
      std::to_string(place->profile.coins) + " coins");
}

// The coins leave with the player; a person's record keeps them for the next visit.
void Table::SeeOff(std::unique_ptr<Player> player) {
  house_.stats.coins_out += player->profile.coins;
  if (!player->Bot()) house_.members[player->profile.account] = player->profile;
}

void Table::SeeOffGone() {
  for (auto& p : gone_) {
    if (p) SeeOff(std::move(p));
  }
}

void Table::Welcome(int seat) {
  SendArrivals(seat);
  AnnounceArrival(seat);
  ArmBotFill();
}

void Table::Release(int seat) {
  if (At(seat) != nullptr && !GameRunning()) Depart(seat, "did not come back");
}

void Table::Unseat(int seat) {
  SendOwedArrivals();  // those who stay see who leaves
  const auto index = static_cast<std::size_t>(seat);
  holds_[index].Stop();
  bot_chat_[index].Stop();
  gone_[index] = std::move(seats_[index]);
  Broadcast(LeftFrame(gone_[index]->profile.account));
}

void Table::Depart(int seat, const std::string& how) {
  if (stage_ == Stage::kStarting) {
    stage_ = Stage::kWaiting;
    stage_alarm_.Stop();
  }
  Unseat(seat);
  auto& player = gone_[static_cast<std::size_t>(seat)];
  Say(Name(*player) + " " + how);
  SeeOff(std::move(player));
  AfterDeparture();
}

void Table::AfterDeparture() {
  if (PeopleSeated() == 0) {
    ClearTable();
  } else {
    ArmBotFill();
  }
}

void Table::ClearTable() {
  bot_fill_.Stop();
  bot_ready_.Stop();
  stage_alarm_.Stop();
  turn_.Stop();
  for (Alarm& chat : bot_chat_) chat.Stop();
  awaiting_ = false;
  arrivals_owed_ = false;
  shuffle_announced_ = false;
  stage_ = Stage::kWaiting;
  const bool bots =
      std::any_of(seats_.begin(), seats_.end(), [](const auto& p) { return p != nullptr; });
  for (auto& p : seats_) {
    if (p) SeeOff(std::move(p));
  }
  SeeOffGone();
  if (bots) Say("nobody plays here any more; the bots leave");
}

void Table::Leave(int connection) {
  const auto seat = SeatOf(connection);
  if (!seat) return;
  switch (stage_) {
    case Stage::kHand:
      AbandonHand(*seat);
      break;
    case Stage::kBetweenHands:
      LeaveBetweenHands(*seat);
      break;
    default:
      Depart(*seat, "leaves");
  }
}

}  // namespace tlj::server
