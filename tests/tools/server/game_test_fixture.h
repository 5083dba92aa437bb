#pragma once
// The game server on a virtual clock, with people played by scripts: each person keeps the
// frames it was sent, echoes the token as the client does, and answers through the loop, so a
// whole game of minutes plays in milliseconds. A referee follows the frames one person receives
// and checks every amount, card and bound against the rules of the table.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/platform/event_loop.h"
#include "sim/virtual_clock.h"
#include "tools/server/game_server.h"

namespace tlj::server::testing {

// Frames as the client builds them.
Frame LoginFor(const std::string& account, const std::string& password = "pw");
Frame ReconnectFor(const std::string& account, std::uint16_t token, std::uint32_t hand_id,
                   const std::string& password = "pw");
Frame ClientFrame(std::uint8_t type, std::uint8_t seat_code, std::uint8_t status = 0);
Frame BetFrom(std::uint8_t seat_code, std::uint64_t amount, std::uint8_t hot_pot = 0);

// Fields of a received frame.
Coins Amount(const Frame& frame, std::size_t first);
int SeatOfBit(std::uint8_t bits);  // the seat of a one-hot bit; -1 otherwise
Card CardAt(const Frame& frame, std::size_t first);
std::string GbkText(const Frame& frame, std::size_t first, std::size_t size);

struct Person {
  int connection = 0;
  std::string account;
  std::vector<Frame> frames;   // received, in order
  std::uint8_t seat_code = 0;  // from the first arrival frame, as the client learns it
  std::uint16_t token = 0;     // of the last frame received
  std::uint32_t hand_id = 0;   // of the last new hand
  // The stake to answer a turn with; nothing: stays silent.
  std::function<std::optional<Coins>(const Frame& turn)> on_turn;
  bool ready_after_game = true;  // ready again once a game is over, as the client's countdown

  std::vector<Frame> OfType(std::uint8_t type) const;
  // The received types as "18 20 20 ...".
  std::string Types() const;
  std::size_t Count(std::uint8_t type) const { return OfType(type).size(); }
};

// Turn answers.
std::optional<Coins> GiveUp(const Frame& turn);
std::optional<Coins> BetMin(const Frame& turn);
std::optional<Coins> StaySilent(const Frame& turn);

// Checks a table's frames as one person receives them.
class Referee {
 public:
  explicit Referee(Coins ante) : ante_(ante) {}
  void See(const Frame& frame);

  int hands = 0;
  int games = 0;
  int turns = 0;
  std::array<Coins, 4> coins{};
  Coins pot = 0;

 private:
  void NewHand(const Frame& frame);
  void Turn(const Frame& frame);
  void Bet(const Frame& frame);
  void Result(const Frame& frame);
  void Refill(const Frame& frame);
  void EndOfHand(const Frame& frame);
  void GameOver(const Frame& frame);
  void ShareOutPot();
  std::string Where() const;

  Coins ante_;
  Coins initial_ = 0;
  bool in_game_ = false;
  bool in_hand_ = false;
  int hand_in_game_ = 0;
  int turns_in_hand_ = 0;
  int first_seat_ = -1;
  int previous_first_seat_ = -1;
  int active_ = -1;
  bool bet_seen_ = false;
  Card gate0_;
  Card gate1_;
  Card third_;
  Coins min_ = 0;
  Coins max_ = 0;
  int phase_ = 0;
  Coins stake_ = 0;
  std::set<std::uint32_t> dealt_;
  std::array<Coins, 4> start_{};
  std::array<Coins, 4> returned_{};
};

GameConfig TestConfig();

// A server, its clock and its people.
class GameWorld {
 public:
  GameWorld() = default;
  GameWorld(const GameWorld&) = delete;
  GameWorld& operator=(const GameWorld&) = delete;
  ~GameWorld();

  void StartServer(GameConfig config = TestConfig(), AccountBook accounts = {});
  // Connects and logs in.
  Person& Join(const std::string& account,
               std::function<std::optional<Coins>(const Frame&)> on_turn = GiveUp);
  Person& Connect(const std::string& account);
  // Delivers a frame from the person now, stamped with the token it last received (but for
  // the login and reconnect requests).
  void Send(Person& person, Frame frame);
  void Ready(Person& person) { Send(person, ClientFrame(16, person.seat_code, 1)); }
  void Disconnect(Person& person);
  // Lets `ms` pass, handling what falls due up to and including its last moment.
  void Advance(platform::TimeMs ms) {
    loop.ProcessEventsUntil(loop.Now() + ms);
    loop.ProcessReadyEvents();
  }
  // Runs until `done` holds; false if it did not within `limit` of virtual time.
  bool RunUntil(const std::function<bool()>& done, platform::TimeMs limit = 3'600'000);
  TableView Table(int table = 0) const { return server->ViewTable(table); }
  // Coins of everybody seated or settled, pot and fees: constant while nobody leaves.
  Coins MoneyOnTable(int table = 0) const;

  // Sees every frame any person receives, right when it is sent.
  std::function<void(const Person& to, const Frame& frame)> watch;

  sim::VirtualClock clock{0};
  platform::EventLoop loop{clock};
  std::ostringstream log;
  std::ostringstream transcript;
  std::unique_ptr<GameServer> server;
  std::map<int, std::unique_ptr<Person>> people;
  int next_connection = 1;

 private:
  void Deliver(int connection, const Frame& frame);
};

class GameFixture : public ::testing::Test, public GameWorld {};

}  // namespace tlj::server::testing
