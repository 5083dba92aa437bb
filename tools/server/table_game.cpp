// The games at a table: hands, turns, their results, and the end of a game.

#include "tools/server/table.h"

#include <algorithm>
#include <utility>

#include "tools/server/bot_player.h"
#include "tools/server/game_frames.h"

namespace tlj::server {
namespace {

constexpr const char* kRemovalText = "您多次超时未操作，已被请出牌桌！";
constexpr const char* kResultText = "恭喜发财";

std::string ResultText(GameResult result) {
  switch (result) {
    case GameResult::kWon:
      return "won";
    case GameResult::kLost:
      return "lost";
    default:
      return "even";
  }
}

}  // namespace

Player* Table::Participant(int seat) {
  const auto index = static_cast<std::size_t>(seat);
  return seats_[index] ? seats_[index].get() : gone_[index].get();
}

std::array<Coins, kSeatCount> Table::SeatCoins() {
  std::array<Coins, kSeatCount> coins{};
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (const Player* p = Participant(seat))
      coins[static_cast<std::size_t>(seat)] = p->profile.coins;
  }
  return coins;
}

Card Table::Deal() {
  if (next_card_ >= deck_.size()) {
    deck_ = ShuffledDeck(house_.random);
    next_card_ = 0;
  }
  return deck_[next_card_++];
}

void Table::StartGame() {
  const bool all_ready =
      std::all_of(seats_.begin(), seats_.end(), [](const auto& p) { return p && p->ready; });
  if (!all_ready) {
    stage_ = Stage::kWaiting;
    return;
  }
  for (auto& p : seats_) {
    p->ready = false;
    p->game_start_coins = p->profile.coins;
    p->returned = 0;
  }
  SeeOffGone();
  hand_in_game_ = 0;
  Say("a game of " + std::to_string(config_.hands) + (config_.hands == 1 ? " hand" : " hands") +
      " starts");
  StartHand();
}

void Table::StartHand() {
  stage_ = Stage::kHand;
  ++hand_in_game_;
  ++hands_dealt_;
  ++house_.stats.hands;
  previous_hand_id_ = hand_id_;
  hand_id_ = house_.NextHandId();
  deck_ = ShuffledDeck(house_.random);
  next_card_ = 0;
  initial_pot_ = 4 * config_.ante;
  pot_ = 0;
  for (auto& p : seats_) {
    const Coins paid = std::clamp<Coins>(config_.ante, 0, std::max<Coins>(p->profile.coins, 0));
    p->profile.coins -= paid;
    pot_ += paid;
  }
  Broadcast(NewHandFrame(SeatCoins(), config_.ante, hand_id_));
  Say("hand " + std::to_string(hand_in_game_) + " of " + std::to_string(config_.hands) + " (id " +
      std::to_string(hand_id_) + "): ante " + std::to_string(config_.ante) + ", pot " +
      std::to_string(pot_));
  turn_index_ = 0;
  ArmBotChat();
  StartTurn();
}

void Table::StartTurn() {
  active_ = (turn_offset_ + turn_index_) % kSeatCount;
  const Player& p = *At(active_);
  offer_.gate0 = Deal();
  offer_.gate1 = Deal();
  offer_.min_bet = MinBet(initial_pot_);
  offer_.max_bet = MaxBet(pot_, p.profile.coins);
  offer_.hot_pot = HotPotAmount(pot_, initial_pot_, offer_.min_bet);
  offer_.phase = Phase(pot_, initial_pot_, offer_.min_bet, offer_.max_bet);
  awaiting_ = true;
  Broadcast(TurnFrame(active_, offer_, hand_in_game_));
  Say("turn of " + Name(p) + " at seat " + std::to_string(active_ + 1) + ": " +
      CardText(offer_.gate0) + " " + CardText(offer_.gate1) + ", bets " +
      std::to_string(offer_.min_bet) + ".." + std::to_string(offer_.max_bet) + ", phase " +
      std::to_string(offer_.phase));
  if (p.Bot()) {
    turn_.Start(config_.bot_think_ms, [this] { BotTurn(); });
  } else {
    turn_.Start(config_.TurnTimeoutMs(), [this] { TimeOut(); });
  }
}

void Table::BotTurn() {
  const Player& p = *At(active_);
  const auto& leave = config_.bot_leaves;
  if (leave && leave->bot == p.bot_number && leave->hand == hands_dealt_) {
    AbandonHand(active_);
    return;
  }
  const BetChoice choice = ChooseBet(offer_, house_.random);
  Resolve(choice.stake, choice.hot_pot, false);
}

void Table::TimeOut() {
  Player& p = *seats_[static_cast<std::size_t>(active_)];
  ++house_.stats.timeouts;
  if (++p.timeouts >= config_.timeout_limit) p.removing = true;
  Resolve(0, false, true);
}

Verdict Table::Answer(int connection, Coins amount, bool hot_pot) {
  const auto seat = SeatOf(connection);
  if (!seat) return {Verdict::Kind::kInvalid, "a bet without a seat"};
  // Out of its moment rather than wrong: a player back from a lost link may answer the turn it
  // saw before the link went and then the same turn offered again.
  if (stage_ != Stage::kHand || !awaiting_) {
    return {Verdict::Kind::kIgnored, "a bet while no turn is open"};
  }
  if (*seat != active_) return {Verdict::Kind::kIgnored, "a bet out of turn"};
  const std::string bounds = std::to_string(offer_.min_bet) + ".." + std::to_string(offer_.max_bet);
  if (amount != 0 && (amount < offer_.min_bet || amount > offer_.max_bet)) {
    return {Verdict::Kind::kInvalid, "stake " + std::to_string(amount) + " outside " + bounds};
  }
  if (hot_pot && (offer_.phase != kPhaseHotPot || amount != offer_.hot_pot)) {
    return {Verdict::Kind::kInvalid, "hot-pot flag on stake " + std::to_string(amount) +
                                         " (phase " + std::to_string(offer_.phase) + ", hot pot " +
                                         std::to_string(offer_.hot_pot) + ")"};
  }
  seats_[static_cast<std::size_t>(*seat)]->timeouts = 0;
  Resolve(amount, hot_pot, false);
  return {};
}

void Table::Resolve(Coins stake, bool hot_pot, bool timed_out) {
  awaiting_ = false;
  turn_.Stop();
  Player& p = *seats_[static_cast<std::size_t>(active_)];
  const Card third = Deal();
  Broadcast(BetFrame(active_, third, stake, pot_));
  std::string line = p.profile.nick;
  if (stake == 0) {
    line += timed_out ? " gives up (time-out)" : " gives up";
  } else {
    line += (hot_pot ? " hot-pot buy " : " bets ") + std::to_string(stake);
  }
  line += "; third card " + CardText(third);
  if (stake > 0) {
    const Outcome outcome = Judge(offer_.gate0, offer_.gate1, third);
    Coins paid = 0;
    if (outcome == Outcome::kWon) {
      p.profile.coins += stake;
      pot_ -= stake;
    } else {
      paid = LossPayment(outcome, stake, p.profile.coins);
      p.profile.coins -= paid;
      pot_ += paid;
    }
    Broadcast(ResultFrame(active_, outcome == Outcome::kWon, stake, p.profile.coins, paid, pot_));
    line += outcome == Outcome::kWon    ? ": won"
            : outcome == Outcome::kPost ? ": post, pays " + std::to_string(paid)
                                        : ": lost";
  }
  Say(line + "; coins " + std::to_string(p.profile.coins) + ", pot " + std::to_string(pot_));
  if (pot_ < 2 * config_.ante) Refill();
  Broadcast(PotFrame(pot_));
  if (++turn_index_ < kSeatCount) {
    StartTurn();
  } else {
    EndHand();
  }
}

void Table::Refill() {
  std::uint8_t payers = 0;
  std::string names;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    Player& p = *seats_[static_cast<std::size_t>(seat)];
    if (p.profile.coins < config_.ante) continue;
    p.profile.coins -= config_.ante;
    pot_ += config_.ante;
    payers = static_cast<std::uint8_t>(payers | SeatBit(seat));
    names += (names.empty() ? "" : ", ") + p.profile.nick;
  }
  if (payers == 0) return;
  Broadcast(RefillFrame(payers, config_.ante, pot_, SeatCoins()));
  Say("pot refill: " + names + " pay " + std::to_string(config_.ante) + " each; pot " +
      std::to_string(pot_));
}

std::string Table::ReturnPot() {
  const Coins pot = pot_;
  const auto shares = SharePot(pot_);
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (Player* p = Participant(seat)) {
      p->profile.coins += shares[static_cast<std::size_t>(seat)];
      p->returned += shares[static_cast<std::size_t>(seat)];
    }
  }
  pot_ = 0;
  return "pot " + std::to_string(pot) + " shared out, " + std::to_string(shares[1]) + " each";
}

void Table::EndHand() {
  awaiting_ = false;
  const std::string shares = ReturnPot();
  shuffle_announced_ = hand_in_game_ >= config_.hands && ShuffleDue();
  Broadcast(EndOfHandFrame(shuffle_announced_));
  Say("end of hand " + std::to_string(hand_in_game_) + ": " + shares +
      (shuffle_announced_ ? "; the seats change after this game" : ""));
  ++turn_offset_;
  std::uint8_t out = 0;
  std::uint8_t change_room = 0;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    Player& p = *seats_[static_cast<std::size_t>(seat)];
    if (p.held && !holds_[static_cast<std::size_t>(seat)].Running() && !p.hold_expired) {
      StartHold(seat);
    }
    if (p.profile.coins >= 2 * config_.ante) continue;
    out = static_cast<std::uint8_t>(out | SeatBit(seat));
    if (!p.Bot()) change_room = static_cast<std::uint8_t>(change_room | SeatBit(seat));
    Say(Name(p) + " is out with " + std::to_string(p.profile.coins) + " coins");
  }
  if (out != 0) Broadcast(CoinsLowFrame(out, change_room));
  bool departures = false;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const Player& p = *At(seat);
    std::string how;
    if (p.removing) {
      Send(seat, RemovedFrame(kRemovalText));
      how = "is removed after " + std::to_string(p.timeouts) + " time-outs";
    } else if (p.hold_expired) {
      how = "did not come back";
    } else if (p.Bot() && (out & SeatBit(seat)) != 0) {
      how = "leaves";
    } else {
      continue;
    }
    Unseat(seat);
    Say(Name(p) + " " + how);
    departures = true;
  }
  if (departures || out != 0 || hand_in_game_ >= config_.hands) {
    EndGame();
  } else {
    stage_ = Stage::kBetweenHands;
    stage_alarm_.Start(config_.between_hands_ms, [this] { StartHand(); });
  }
}

void Table::EndGame() {
  std::array<GameOverBlock, kSeatCount> blocks;
  std::vector<std::string> lines;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    GameOverBlock& block = blocks[static_cast<std::size_t>(seat)];
    block.seat = seat;
    Player* p = Participant(seat);
    if (p == nullptr) continue;
    block.settlement = Settle(p->game_start_coins, p->profile.coins, p->returned);
    const Settlement& s = block.settlement;
    p->profile.coins = s.coins_after;
    house_.stats.fees += s.fee;
    if (s.result == GameResult::kWon) ++p->profile.wins;
    if (s.result == GameResult::kLost) ++p->profile.losses;
    block.level = LevelOf(s.coins_after);
    lines.push_back(Name(*p) + ": " + ResultText(s.result) + ", total " + std::to_string(s.total) +
                    ", final " + std::to_string(s.final_amount) + ", pot returned " +
                    std::to_string(s.returned) + ", coins " + std::to_string(s.coins_after) + ", " +
                    LevelTitle(block.level));
  }
  Broadcast(GameOverFrame(blocks, kResultText));
  Say("game over");
  for (const std::string& line : lines) Say("  " + line);
  SeeOffGone();
  ++house_.stats.games;
  ++games_played_;
  stage_ = Stage::kWaiting;
  stage_alarm_.Stop();
  for (auto& p : seats_) {
    if (p) p->ready = false;
  }
  // Everybody hears the table afresh for the next game: at once, or after the seat change.
  if (shuffle_announced_) ShuffleBots();
  arrivals_owed_ = true;
  if (!std::exchange(shuffle_announced_, false)) SendOwedArrivals();
  AfterDeparture();
}

void Table::AbandonHand(int seat) {
  turn_.Stop();
  awaiting_ = false;
  Unseat(seat);
  const Player& leaver = *gone_[static_cast<std::size_t>(seat)];
  Say(Name(leaver) + " leaves during hand " + std::to_string(hand_in_game_) +
      "; the game is abandoned, " + ReturnPot());
  SeeOffGone();
  stage_ = Stage::kWaiting;
  stage_alarm_.Stop();
  for (int other = 0; other < kSeatCount; ++other) {
    Player* p = seats_[static_cast<std::size_t>(other)].get();
    if (p == nullptr) continue;
    p->ready = false;
    if (p->removing) {
      Send(other, RemovedFrame(kRemovalText));
      Depart(other, "is removed after " + std::to_string(p->timeouts) + " time-outs");
    } else if (p->hold_expired) {
      Depart(other, "did not come back");
    } else if (p->held && !holds_[static_cast<std::size_t>(other)].Running()) {
      StartHold(other);
    }
  }
  AfterDeparture();
}

void Table::LeaveBetweenHands(int seat) {
  stage_alarm_.Stop();
  Unseat(seat);
  Say(Name(*gone_[static_cast<std::size_t>(seat)]) + " leaves between hands; the game ends");
  EndGame();
}

}  // namespace tlj::server
