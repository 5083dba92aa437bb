#include "tests/tools/server/game_test_fixture.h"

#include <algorithm>
#include <cmath>

#include "core/net/frame.h"

namespace tlj::server::testing {

Frame LoginFor(const std::string& account, const std::string& password) {
  Frame frame{};
  frame[3] = 18;
  std::copy(account.begin(), account.end(), frame.begin() + 16);
  std::copy(password.begin(), password.end(), frame.begin() + 32);
  return frame;
}

Frame ReconnectFor(const std::string& account, std::uint16_t token, std::uint32_t hand_id,
                   const std::string& password) {
  Frame frame = LoginFor(account, password);
  frame[3] = 28;
  frame[260] = static_cast<std::uint8_t>(token >> 8);
  frame[261] = static_cast<std::uint8_t>(token);
  for (std::size_t k = 0; k < 4; ++k)
    frame[268 + k] = static_cast<std::uint8_t>(hand_id >> (8 * k));
  return frame;
}

Frame ClientFrame(std::uint8_t type, std::uint8_t seat_code, std::uint8_t status) {
  Frame frame{};
  frame[3] = type;
  frame[6] = seat_code;
  frame[15] = status;
  return frame;
}

Frame BetFrom(std::uint8_t seat_code, std::uint64_t amount, std::uint8_t hot_pot) {
  Frame frame = ClientFrame(3, seat_code);
  for (std::size_t k = 0; k < 8; ++k) frame[23 - k] = static_cast<std::uint8_t>(amount >> (8 * k));
  frame[32] = hot_pot;
  return frame;
}

Coins Amount(const Frame& frame, std::size_t first) {
  return static_cast<Coins>(net::ReadAmount(frame, first));
}

int SeatOfBit(std::uint8_t bits) {
  for (int seat = 0; seat < 4; ++seat) {
    if (bits == (1 << seat)) return seat;
  }
  return -1;
}

Card CardAt(const Frame& frame, std::size_t first) {
  const std::uint32_t code = net::ReadCardCode(frame, first);
  return Card{static_cast<int>(code >> 8), static_cast<std::uint8_t>(code & 0xFF)};
}

std::string GbkText(const Frame& frame, std::size_t first, std::size_t size) {
  return net::ReadAnsiText(frame, first, size);
}

std::vector<Frame> Person::OfType(std::uint8_t type) const {
  std::vector<Frame> found;
  std::copy_if(frames.begin(), frames.end(), std::back_inserter(found),
               [type](const Frame& f) { return f[3] == type; });
  return found;
}

std::string Person::Types() const {
  std::string text;
  for (const Frame& f : frames) text += (text.empty() ? "" : " ") + std::to_string(f[3]);
  return text;
}

std::optional<Coins> GiveUp(const Frame&) {
  return 0;
}

std::optional<Coins> BetMin(const Frame& turn) {
  const Coins min = Amount(turn, 16);
  return Amount(turn, 24) >= min ? min : 0;
}

std::optional<Coins> StaySilent(const Frame&) {
  return std::nullopt;
}

// ---- Referee ----

std::string Referee::Where() const {
  return "game " + std::to_string(games + 1) + ", hand " + std::to_string(hand_in_game_) +
         ", turn " + std::to_string(turns_in_hand_ + 1);
}

void Referee::See(const Frame& frame) {
  switch (frame[3]) {
    case 1:
      NewHand(frame);
      break;
    case 2:
      Turn(frame);
      break;
    case 3:
      Bet(frame);
      break;
    case 4:
      Result(frame);
      break;
    case 5:
      Refill(frame);
      break;
    case 6:
      EXPECT_EQ(frame[11], 1) << Where();
      EXPECT_EQ(Amount(frame, 24), pot) << Where();
      break;
    case 9:
      GameOver(frame);
      break;
    case 16:
      EndOfHand(frame);
      break;
    case 20:
      // Between games the arrivals tell everybody's coins.
      if (!in_game_) coins[static_cast<std::size_t>(SeatOfBit(frame[226]))] = Amount(frame, 96);
      break;
    case 21:
      // A departure during a hand abandons the game; its pot is shared out.
      if (in_hand_) {
        ShareOutPot();
        in_hand_ = false;
        in_game_ = false;
        hand_in_game_ = 0;
      }
      break;
    default:
      break;
  }
}

void Referee::NewHand(const Frame& frame) {
  EXPECT_FALSE(in_hand_) << Where();
  if (!in_game_) {
    in_game_ = true;
    start_ = coins;
    returned_ = {};
  }
  in_hand_ = true;
  ++hand_in_game_;
  ++hands;
  turns_in_hand_ = 0;
  dealt_.clear();
  EXPECT_EQ(Amount(frame, 52), ante_);
  EXPECT_LT(frame[271], 0x80) << "hand id below 2^31";
  EXPECT_NE(net::ReadLe32(frame, 268), 0u);
  pot = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(frame[48 + i], 1 << i) << Where();
    const Coins paid = std::min(ante_, coins[i]);
    EXPECT_EQ(Amount(frame, 16 + 8 * i), coins[i] - paid) << Where() << " seat " << i;
    coins[i] -= paid;
    pot += paid;
  }
  initial_ = 4 * ante_;
  previous_first_seat_ = first_seat_;
}

void Referee::Turn(const Frame& frame) {
  ASSERT_TRUE(in_hand_) << Where();
  const int seat = SeatOfBit(frame[6]);
  ASSERT_GE(seat, 0) << Where();
  if (turns_in_hand_ == 0) {
    first_seat_ = seat;
    if (previous_first_seat_ >= 0) {
      EXPECT_EQ(seat, (previous_first_seat_ + 1) % 4) << Where();
    }
  } else {
    EXPECT_EQ(seat, (first_seat_ + turns_in_hand_) % 4) << Where();
  }
  active_ = seat;
  bet_seen_ = false;
  gate0_ = CardAt(frame, 8);
  gate1_ = CardAt(frame, 12);
  for (const Card card : {gate0_, gate1_}) {
    EXPECT_GE(card.rank, 1);
    EXPECT_LE(card.rank, 13);
    EXPECT_TRUE(card.suit == 1 || card.suit == 2 || card.suit == 4 || card.suit == 8);
    EXPECT_TRUE(dealt_.insert(WireCode(card)).second) << "dealt twice in one hand: " << Where();
  }
  min_ = Amount(frame, 16);
  max_ = Amount(frame, 24);
  EXPECT_EQ(min_, (initial_ * 5 + 99) / 100) << Where();
  EXPECT_EQ(max_, std::min(pot, coins[static_cast<std::size_t>(seat)])) << Where();
  EXPECT_EQ(frame[32], hand_in_game_) << Where();
  phase_ = frame[33];
  const Coins hot = std::max(pot - initial_ + 1, min_);
  EXPECT_EQ(phase_, pot > initial_ && hot <= max_ ? 1 : 2) << Where();
}

void Referee::Bet(const Frame& frame) {
  ASSERT_EQ(SeatOfBit(frame[6]), active_) << Where();
  ASSERT_FALSE(bet_seen_) << Where();
  bet_seen_ = true;
  third_ = CardAt(frame, 12);
  EXPECT_TRUE(dealt_.insert(WireCode(third_)).second) << "dealt twice in one hand: " << Where();
  stake_ = Amount(frame, 16);
  if (stake_ != 0) {
    EXPECT_GE(stake_, min_) << Where();
    EXPECT_LE(stake_, max_) << Where();
  }
  EXPECT_EQ(Amount(frame, 24), pot) << "the pot before the stake moves, " << Where();
  if (stake_ == 0) ++turns_in_hand_, ++turns;
}

void Referee::Result(const Frame& frame) {
  ASSERT_EQ(SeatOfBit(frame[6]), active_) << Where();
  ASSERT_GT(stake_, 0) << "a result without a stake, " << Where();
  const auto seat = static_cast<std::size_t>(active_);
  const int low = std::min(gate0_.rank, gate1_.rank);
  const int high = std::max(gate0_.rank, gate1_.rank);
  const bool post = third_.rank == low || third_.rank == high;
  const bool won = !post && third_.rank > low && third_.rank < high;
  EXPECT_EQ(frame[16], won ? 1 : 2) << Where();
  EXPECT_EQ(Amount(frame, 20), stake_) << Where();
  if (won) {
    coins[seat] += stake_;
    pot -= stake_;
    EXPECT_EQ(Amount(frame, 36), 0) << Where();
  } else {
    const Coins paid = std::min(post ? 2 * stake_ : stake_, coins[seat]);
    EXPECT_EQ(Amount(frame, 36), paid) << Where();
    coins[seat] -= paid;
    pot += paid;
  }
  EXPECT_EQ(Amount(frame, 28), coins[seat]) << Where();
  EXPECT_EQ(Amount(frame, 44), pot) << Where();
  EXPECT_GE(pot, 0);
  EXPECT_GE(coins[seat], 0);
  ++turns_in_hand_;
  ++turns;
}

void Referee::Refill(const Frame& frame) {
  EXPECT_LT(pot, 2 * ante_) << "a refill of a pot that was not low, " << Where();
  EXPECT_EQ(Amount(frame, 16), ante_);
  std::uint8_t payers = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    if (coins[i] >= ante_) {
      payers = static_cast<std::uint8_t>(payers | (1 << i));
      coins[i] -= ante_;
      pot += ante_;
    }
    EXPECT_EQ(frame[64 + i], 1 << i);
    EXPECT_EQ(Amount(frame, 32 + 8 * i), coins[i]) << Where() << " seat " << i;
  }
  EXPECT_EQ(frame[6], payers) << Where();
  EXPECT_EQ(Amount(frame, 24), pot) << Where();
}

void Referee::ShareOutPot() {
  const Coins share = pot / 4;
  for (std::size_t i = 0; i < 4; ++i) {
    const Coins mine = share + (i == 0 ? pot - 4 * share : 0);
    coins[i] += mine;
    returned_[i] += mine;
  }
  pot = 0;
}

void Referee::EndOfHand(const Frame& frame) {
  if (frame[15] == 0) {
    EXPECT_TRUE(in_hand_);
    EXPECT_EQ(turns_in_hand_, 4) << Where();
    EXPECT_EQ(frame[11], 0);
    EXPECT_EQ(frame[13], 0);
    ShareOutPot();
    in_hand_ = false;
    return;
  }
  EXPECT_EQ(frame[15], 3);
  std::uint8_t out = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    if (coins[i] < 2 * ante_) out = static_cast<std::uint8_t>(out | (1 << i));
  }
  EXPECT_EQ(frame[6], out) << Where();
  EXPECT_EQ(frame[11] & ~frame[6], 0) << "told to change rooms without being out";
}

void Referee::GameOver(const Frame& frame) {
  EXPECT_FALSE(in_hand_);
  EXPECT_EQ(net::ReadCardCode(frame, 8), 0u) << "room bars";
  EXPECT_EQ(frame[15], 1);
  for (std::size_t i = 0; i < 4; ++i) {
    const std::size_t b = 16 + 30 * i;
    EXPECT_EQ(frame[b], 1 << i);
    EXPECT_EQ(Amount(frame, b + 1), returned_[i]) << "seat " << i;
    const Coins net = coins[i] - start_[i];
    const Coins total = std::abs(net);
    EXPECT_EQ(Amount(frame, b + 9), total) << "seat " << i;
    const Coins fee = net > 0 ? total * 5 / 100 : 0;
    EXPECT_EQ(net::ReadLe32(frame, b + 17), static_cast<std::uint32_t>(total - fee));
    EXPECT_EQ(frame[b + 21], 1) << "level marker";
    EXPECT_EQ(frame[b + 22] | frame[b + 23] | frame[b + 24], 0);
    EXPECT_EQ(frame[b + 26], net > 0 ? 1 : net < 0 ? 2 : 0) << "seat " << i;
    coins[i] -= fee;
    EXPECT_EQ(frame[b + 25], std::min<Coins>(40, 1 + coins[i] / 10000)) << "seat " << i;
  }
  EXPECT_EQ(GbkText(frame, 196, 20), "恭喜发财");
  ++games;
  in_game_ = false;
  hand_in_game_ = 0;
}

// ---- Fixture ----

GameConfig TestConfig() {
  GameConfig config;
  config.seed = 7;
  return config;
}

GameWorld::~GameWorld() {
  server.reset();
}

void GameWorld::StartServer(GameConfig config, AccountBook accounts) {
  server =
      std::make_unique<GameServer>(loop, std::move(config), std::move(accounts), &log, &transcript);
}

Person& GameWorld::Connect(const std::string& account) {
  const int id = next_connection++;
  auto& person = people[id];
  person = std::make_unique<Person>();
  person->connection = id;
  person->account = account;
  server->Open(id, "test", [this, id](const Frame& frame) { Deliver(id, frame); });
  return *person;
}

Person& GameWorld::Join(const std::string& account,
                        std::function<std::optional<Coins>(const Frame&)> on_turn) {
  Person& person = Connect(account);
  person.on_turn = std::move(on_turn);
  Send(person, LoginFor(account));
  return person;
}

void GameWorld::Send(Person& person, Frame frame) {
  // The login and reconnect requests carry what the client built into them.
  if (frame[3] != 18 && frame[3] != 28) {
    frame[260] = static_cast<std::uint8_t>(person.token >> 8);
    frame[261] = static_cast<std::uint8_t>(person.token);
  }
  server->Receive(person.connection, frame);
}

void GameWorld::Disconnect(Person& person) {
  server->Close(person.connection, "peer closed");
}

bool GameWorld::RunUntil(const std::function<bool()>& done, platform::TimeMs limit) {
  loop.ProcessEventsUntil(loop.Now() + limit, done);
  return done();
}

Coins GameWorld::MoneyOnTable(int table) const {
  const TableView view = Table(table);
  Coins money = view.pot + server->Stats().fees;
  for (const auto& seat : view.seats) {
    if (seat) money += seat->coins;
  }
  return money;
}

void GameWorld::Deliver(int connection, const Frame& frame) {
  Person& person = *people.at(connection);
  person.frames.push_back(frame);
  if (watch) watch(person, frame);
  if (frame[3] != 29) person.token = static_cast<std::uint16_t>(frame[260] << 8 | frame[261]);
  if (frame[3] == 20 && person.seat_code == 0) person.seat_code = frame[6] & 15;
  if (frame[3] == 1) person.hand_id = net::ReadLe32(frame, 268);
  // Answers go out as later loop events, as a client's would.
  if (frame[3] == 2 && frame[6] == person.seat_code && person.on_turn) {
    if (const auto stake = person.on_turn(frame)) {
      loop.Post([this, connection, stake = *stake] {
        Person& p = *people.at(connection);
        Send(p, BetFrom(p.seat_code, static_cast<std::uint64_t>(stake)));
      });
    }
  }
  if (frame[3] == 9 && person.ready_after_game) {
    loop.Post([this, connection] { Ready(*people.at(connection)); });
  }
}

}  // namespace tlj::server::testing
