#pragma once
// One table of four seats: who sits where, the games played there, and the timers that pace
// them. Frames go out through the outlet by connection number; nothing here knows sockets, and
// all time comes from the event loop.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/event_loop.h"
#include "tools/server/alarm.h"
#include "tools/server/cards.h"
#include "tools/server/house.h"
#include "tools/server/profile.h"
#include "tools/server/rules.h"
#include "tools/server/wire.h"

namespace tlj::server {

inline constexpr int kSeatCount = 4;
inline constexpr int kNoConnection = -1;

struct Player {
  Profile profile;
  int bot_number = 0;  // 0 for a person
  int connection = kNoConnection;
  std::uint16_t token = 0;  // of the person's connection; names the seat on a reconnect
  bool ready = false;
  bool held = false;          // lost its connection during a game; the seat waits
  bool hold_expired = false;  // did not come back in time: leaves at the end of the hand
  bool removing = false;      // too many time-outs: removed at the end of the hand
  int timeouts = 0;           // consecutive turns the server gave up for it
  Coins game_start_coins = 0;
  Coins returned = 0;  // pot shares of the running game

  bool Bot() const { return bot_number > 0; }
  bool Connected() const { return connection != kNoConnection; }
};

// What became of a frame from a player.
struct Verdict {
  enum class Kind { kTaken, kIgnored, kInvalid };
  Kind kind = Kind::kTaken;
  std::string why;
};

// A table as tests and diagnostics see it.
struct SeatView {
  std::string account;
  bool bot = false;
  bool ready = false;
  bool held = false;
  Coins coins = 0;
  int connection = kNoConnection;
};
struct TableView {
  std::array<std::optional<SeatView>, kSeatCount> seats;
  Coins pot = 0;
  bool game_running = false;
  bool hand_running = false;
  std::uint32_t hand_id = 0;
};

class Table {
 public:
  struct Outlet {
    std::function<void(int connection, const Frame& frame)> send;
    std::function<void(const std::string& line)> transcript;
  };

  Table(int number, platform::EventLoop& loop, House& house, Outlet outlet);
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  int Number() const { return number_; }
  bool HasFreeSeat() const;
  // A bot's seat that a person may have: no game is under way.
  bool CanMakeRoom() const;
  bool GameRunning() const { return stage_ == Stage::kHand || stage_ == Stage::kBetweenHands; }
  std::optional<int> SeatOf(int connection) const;
  std::optional<int> SeatOfAccount(const std::string& account) const;
  const Player* At(int seat) const;
  // The seat held for `account` that a reconnect with this token and hand id may take.
  std::optional<int> HeldSeat(const std::string& account, std::uint16_t token,
                              std::uint32_t hand_id) const;
  TableView View() const;
  // Every coin here: the players seated, those who left the running game, and the pot.
  Coins CoinsHere() const;

  // A person logged in: it takes a free seat, or a bot's (Seat), and once it has its login reply,
  // hears who sits here while the others hear of it (Welcome).
  int Seat(int connection, std::uint16_t token, Profile profile);
  void Welcome(int seat);
  // Frees a held seat while no game is under way.
  void Release(int seat);
  Verdict Ready(int connection);
  void Leave(int connection);
  void Disconnect(int connection);
  Verdict Answer(int connection, Coins amount, bool hot_pot);
  // The held seat goes to the new connection.
  void Reconnect(int seat, int connection, std::uint16_t token);
  // A chat line from the player at `seat` (a bot's too), said from that seat: a public line to
  // every connection at the table, a private one to the speaker and the player it names.
  Verdict Chat(int seat, const Frame& frame);

 private:
  enum class Stage { kWaiting, kStarting, kHand, kBetweenHands };

  // Seating (table.cpp).
  void Send(int seat, const Frame& frame);
  void Broadcast(const Frame& frame);
  void Say(const std::string& line) const;
  std::string Name(const Player& player) const;
  int PeopleSeated() const;
  void SendArrivals(int seat);
  void AnnounceArrival(int seat);
  // The only ways coins come to a table and leave it.
  void SitDown(int seat, std::unique_ptr<Player> player);
  void SeeOff(std::unique_ptr<Player> player);
  void SeeOffGone();
  // The player leaves its seat for those gone, still counted here, and the others hear of it.
  void Unseat(int seat);
  void Depart(int seat, const std::string& how);
  void AfterDeparture();
  void ClearTable();
  void ArmBotFill();
  void FillWithBots();
  void MarkReady(int seat);
  void ArmBotReadiness();
  void BotsReady();
  void CheckStart();
  void StartHold(int seat);
  // Seat changes between games (table_shuffle.cpp).
  bool ShuffleDue() const;
  void ShuffleBots();
  void SendOwedArrivals();
  void HoldExpired(int seat);

  // Chat (table_chat.cpp).
  void ArmBotChat();
  void BotSays(int seat, int bot_number, bool voice, std::size_t phrase);

  // Games (table_game.cpp).
  void StartGame();
  void StartHand();
  void StartTurn();
  void BotTurn();
  void TimeOut();
  void Resolve(Coins stake, bool hot_pot, bool timed_out);
  void Refill();
  void EndHand();
  void EndGame();
  void AbandonHand(int seat);
  void LeaveBetweenHands(int seat);
  std::string ReturnPot();
  Card Deal();
  Player* Participant(int seat);
  std::array<Coins, kSeatCount> SeatCoins();

  int number_;
  House& house_;
  const GameConfig& config_;
  Outlet outlet_;

  std::array<std::unique_ptr<Player>, kSeatCount> seats_;
  // Players who left their seats, kept (and their coins counted here) until the running game is
  // settled, or between games until they are seen off.
  std::array<std::unique_ptr<Player>, kSeatCount> gone_;
  Stage stage_ = Stage::kWaiting;

  int games_played_ = 0;  // at this table
  // The last hand's end announced a seat change; then, after the game, the players hear of
  // the new seating only once all are ready (or when somebody comes or goes).
  bool shuffle_announced_ = false;
  bool arrivals_owed_ = false;
  int hand_in_game_ = 0;  // 1..hands
  int hands_dealt_ = 0;   // at this table
  int turn_offset_ = 0;   // the first seat to play; moves on every hand
  int turn_index_ = 0;    // 0..3 within the hand
  int active_ = 0;
  bool awaiting_ = false;  // the active player's answer
  std::uint32_t hand_id_ = 0;
  std::uint32_t previous_hand_id_ = 0;
  std::vector<Card> deck_;
  std::size_t next_card_ = 0;
  Coins pot_ = 0;
  Coins initial_pot_ = 0;
  TurnOffer offer_;

  Alarm bot_fill_;
  Alarm bot_ready_;
  Alarm stage_alarm_;
  Alarm turn_;
  std::array<Alarm, kSeatCount> holds_;
  std::array<Alarm, kSeatCount> bot_chat_;
};

}  // namespace tlj::server
