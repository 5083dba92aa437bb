// Who sits at a table: people leaving or losing the connection outside and during a hand,
// reconnecting to a held seat, bots going out for lack of coins or leaving in the middle of a
// hand, and a second table.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <vector>

#include "core/net/frame.h"
#include "tests/tools/server/game_test_fixture.h"

namespace tlj::server::testing {
namespace {

std::string NameIn(const Frame& frame) {
  return net::ReadByteText(frame, 16, 16);
}

// The frames received from index `from` on, as types.
std::string TypesFrom(const Person& person, std::size_t from) {
  std::string text;
  for (std::size_t i = from; i < person.frames.size(); ++i) {
    text += (text.empty() ? "" : " ") + std::to_string(person.frames[i][3]);
  }
  return text;
}

class GameSeatTest : public GameFixture {
 protected:
  // Two people and two bots, seated and ready; the first hand's first turn (the first
  // person's) is open.
  void TwoPeopleInAHand(GameConfig config = TestConfig()) {
    StartServer(std::move(config));
    first = &Join("abc", StaySilent);
    second = &Join("def", GiveUp);
    Advance(server->Config().bot_delay_ms);
    Ready(*first);
    Ready(*second);
    ASSERT_TRUE(RunUntil([&] { return first->Count(2) == 1; }));
  }

  Person* first = nullptr;
  Person* second = nullptr;
};

struct Departure {
  const char* name;
  bool by_frame;  // the leave frame, or the connection closing
  friend void PrintTo(const Departure& c, std::ostream* out) { *out << c.name; }
};

class DepartureTest : public GameSeatTest, public ::testing::WithParamInterface<Departure> {
 protected:
  void Go(Person& person) {
    if (GetParam().by_frame) {
      Send(person, ClientFrame(16, 0, 0));  // the leave frame may carry no seat code
    } else {
      Disconnect(person);
    }
  }
};

TEST_P(DepartureTest, OutsideAHandFreesTheSeatForABot) {
  StartServer();
  Person& me = Join("abc");
  Person& other = Join("def");
  Advance(server->Config().bot_delay_ms);
  Go(me);

  ASSERT_EQ(other.Count(21), 1u);
  const Frame left = other.OfType(21)[0];
  EXPECT_EQ(NameIn(left), "abc");
  EXPECT_EQ(left[8], 0);
  EXPECT_EQ(left[11], 0);
  EXPECT_FALSE(Table().seats[0]);
  EXPECT_EQ(me.Count(21), 0u) << "a client told of its own departure would end";

  const std::size_t arrivals = other.Count(20);
  Advance(server->Config().bot_delay_ms);
  EXPECT_EQ(other.Count(20), arrivals + 1);
  EXPECT_TRUE(Table().seats[0] && Table().seats[0]->bot);
}

TEST_P(DepartureTest, LeavingTheTableLastSendsTheBotsAway) {
  StartServer();
  Person& me = Join("abc");
  Advance(server->Config().bot_delay_ms);
  Go(me);
  for (const auto& seat : Table().seats) EXPECT_FALSE(seat);
  Person& again = Join("abc");
  EXPECT_EQ(server->PlaceOf(again.connection)->seat, 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, DepartureTest,
                         ::testing::Values(Departure{"LeaveFrame", true},
                                           Departure{"ConnectionClosed", false}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(GameSeatTest, LeavingDuringAHandAbandonsTheGame) {
  TwoPeopleInAHand();
  const std::size_t mark = second->frames.size();
  Send(*first, ClientFrame(16, first->seat_code, 0));

  EXPECT_EQ(TypesFrom(*second, mark), "21") << "told at once, and the hand stops";
  EXPECT_FALSE(Table().game_running);
  Advance(60'000);
  EXPECT_EQ(TypesFrom(*second, mark), "21 20") << "only a bot arrives";

  // The clients count down and get ready again; a new game starts.
  Ready(*second);
  ASSERT_TRUE(RunUntil([&] { return second->Count(1) == 2; }));
  EXPECT_GT(second->hand_id, 1u);
}

TEST_F(GameSeatTest, LeavingBetweenHandsEndsTheGameWithItsResults) {
  TwoPeopleInAHand();
  Send(*first, BetFrom(first->seat_code, 0));
  ASSERT_TRUE(RunUntil([&] { return second->Count(16) == 1; }));
  const std::size_t mark = second->frames.size();
  Send(*first, ClientFrame(16, first->seat_code, 0));
  EXPECT_EQ(TypesFrom(*second, mark), "21 9 20 20 20");
  const Frame over = second->OfType(9).at(0);
  EXPECT_EQ(over[16], 1) << "the departed player's results are in the sheet too";
}

TEST_F(GameSeatTest, ALostConnectionDuringAHandHoldsTheSeatUntilTheReconnect) {
  TwoPeopleInAHand();
  const std::uint16_t token = first->token;
  const std::uint32_t hand = first->hand_id;
  Disconnect(*first);
  EXPECT_EQ(second->Count(21), 0u);
  EXPECT_TRUE(Table().seats[0]->held);

  // Its turn is given up for it when the time runs out.
  Advance(server->Config().TurnTimeoutMs());
  ASSERT_GE(second->Count(3), 1u);
  EXPECT_EQ(second->OfType(3)[0][6], 1);

  Person& back = Connect("abc");
  Send(back, ReconnectFor("abc", token, hand));
  ASSERT_EQ(back.frames.size(), 1u);
  EXPECT_EQ(back.frames[0][3], 29);
  EXPECT_EQ(back.frames[0][15], 1);
  EXPECT_EQ(server->PlaceOf(back.connection)->seat, 0);
  EXPECT_FALSE(Table().seats[0]->held);

  back.seat_code = 1;
  back.on_turn = GiveUp;
  ASSERT_TRUE(RunUntil([&] { return back.Count(16) >= 1; }));
  EXPECT_EQ(second->Count(21), 0u);
  EXPECT_NE(transcript.str().find("abc (abc) is back"), std::string::npos);
}

TEST_F(GameSeatTest, AReconnectingPlayerWhoseTurnIsOpenHearsTheTurnAgain) {
  TwoPeopleInAHand();
  const std::uint16_t token = first->token;
  Disconnect(*first);
  Person& back = Connect("abc");
  Send(back, ReconnectFor("abc", token, first->hand_id));
  EXPECT_EQ(TypesFrom(back, 0), "29 2");
  Frame again = back.frames.at(1);
  Frame before = first->frames.back();
  EXPECT_NE(again[260] << 8 | again[261], before[260] << 8 | before[261]) << "a new connection";
  again[260] = again[261] = before[260] = before[261] = 0;
  EXPECT_EQ(again, before) << "the same turn";
}

struct BadReconnect {
  const char* name;
  const char* account;
  const char* password;
  int token_change;
  int hand_change;
  friend void PrintTo(const BadReconnect& c, std::ostream* out) { *out << c.name; }
};

class BadReconnectTest : public GameSeatTest, public ::testing::WithParamInterface<BadReconnect> {};

TEST_P(BadReconnectTest, IsRefusedAndTheSeatStaysHeld) {
  TwoPeopleInAHand();
  const auto token = static_cast<std::uint16_t>(first->token + GetParam().token_change);
  const auto hand = static_cast<std::uint32_t>(first->hand_id + GetParam().hand_change);
  Disconnect(*first);
  Person& back = Connect(GetParam().account);
  Send(back, ReconnectFor(GetParam().account, token, hand, GetParam().password));
  ASSERT_EQ(back.frames.size(), 1u);
  EXPECT_EQ(back.frames[0][3], 29);
  EXPECT_EQ(back.frames[0][15], 0);
  EXPECT_TRUE(Table().seats[0]->held);
  EXPECT_FALSE(server->PlaceOf(back.connection));
}

INSTANTIATE_TEST_SUITE_P(Requests, BadReconnectTest,
                         ::testing::Values(BadReconnect{"AnotherToken", "abc", "pw", 1, 0},
                                           BadReconnect{"ALaterHand", "abc", "pw", 0, 1},
                                           BadReconnect{"AnEarlierHand", "abc", "pw", 0, -1},
                                           BadReconnect{"AnotherAccount", "xyz", "pw", 0, 0},
                                           BadReconnect{"AnAccountThatIsNotAway", "def", "pw", 0,
                                                        0}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(GameSeatTest, AReconnectWithTheWrongPasswordIsRefused) {
  StartServer(TestConfig(), AccountBook({{"abc", "pw"}, {"def", "pw"}}));
  Person& me = Join("abc", StaySilent);
  Person& other = Join("def", GiveUp);
  Advance(server->Config().bot_delay_ms);
  Ready(me);
  Ready(other);
  ASSERT_TRUE(RunUntil([&] { return me.Count(2) == 1; }));
  Disconnect(me);
  Person& back = Connect("abc");
  Send(back, ReconnectFor("abc", me.token, me.hand_id, "guess"));
  EXPECT_EQ(back.frames.at(0)[15], 0);
}

TEST_F(GameSeatTest, ASeatNobodyComesBackToIsFreedAfterItsHandAndAMinute) {
  TwoPeopleInAHand();
  const std::uint16_t token = first->token;
  const std::uint32_t hand = first->hand_id;
  Disconnect(*first);
  // The game runs on without the absent player; its seat goes a minute after a hand ends.
  ASSERT_TRUE(RunUntil([&] { return second->Count(21) == 1; }));
  EXPECT_EQ(NameIn(second->OfType(21)[0]), "abc");
  EXPECT_FALSE(Table().seats[0] && !Table().seats[0]->bot);

  Person& late = Connect("abc");
  Send(late, ReconnectFor("abc", token, hand));
  EXPECT_EQ(late.frames.at(0)[15], 0);
}

TEST_F(GameSeatTest, AFreshLoginAfterTheGameTakesOverAHeldSeat) {
  GameConfig config = TestConfig();
  config.hands = 1;
  TwoPeopleInAHand(config);
  Disconnect(*first);
  ASSERT_TRUE(RunUntil([&] { return second->Count(9) == 1; }));
  Person& again = Join("abc");
  EXPECT_EQ(again.frames.at(0)[15], kLoginAccepted);
  EXPECT_EQ(NameIn(second->OfType(21).at(0)), "abc") << "the held seat was given up first";
}

TEST_F(GameSeatTest, ABotWithoutCoinsGoesOutAndAnotherTakesItsSeat) {
  GameConfig config = TestConfig();
  config.bot_coins = {0};
  StartServer(config);
  Person& me = Join("abc", GiveUp);
  Advance(config.bot_delay_ms);
  Ready(me);
  ASSERT_TRUE(RunUntil([&] { return me.Count(9) == 1; }));

  const std::string types = me.Types();
  EXPECT_NE(types.find("16 16 21 9 20 20 20"), std::string::npos) << types;
  const Frame out = me.OfType(16).at(1);
  EXPECT_EQ(out[15], 3);
  EXPECT_EQ(out[6], 2) << "bot1 at seat 2";
  EXPECT_EQ(out[11], 0) << "only people are told to change rooms";
  EXPECT_EQ(NameIn(me.OfType(21).at(0)), "bot1");
  EXPECT_EQ(me.Count(1), 1u) << "the game ends after the hand";

  Advance(config.bot_delay_ms);
  const Frame newcomer = me.frames.back();
  EXPECT_EQ(newcomer[3], 20);
  EXPECT_EQ(newcomer[226], 2);
  EXPECT_EQ(net::ReadByteText(newcomer, 168, 16), "bot4");
}

TEST_F(GameSeatTest, APersonWithoutCoinsIsToldToChangeRooms) {
  GameConfig config = TestConfig();
  config.coins = 0;
  StartServer(config);
  Person& me = Join("abc", GiveUp);
  Advance(config.bot_delay_ms);
  Ready(me);
  ASSERT_TRUE(RunUntil([&] { return me.Count(16) == 2; }));
  const Frame out = me.OfType(16).at(1);
  EXPECT_EQ(out[6] & 1, 1);
  EXPECT_EQ(out[11], 1);
  // Its client closes the connection, and the table empties.
  Disconnect(me);
  for (const auto& seat : Table().seats) EXPECT_FALSE(seat);
}

TEST_F(GameSeatTest, ABotLeavingDuringAHandAbandonsItAndTheTableFillsAgain) {
  GameConfig config = TestConfig();
  config.bot_leaves = BotLeave{2, 2};  // bot2, at seat 3, in the second hand
  StartServer(config);
  Person& me = Join("abc", GiveUp);
  Advance(config.bot_delay_ms);
  Ready(me);
  ASSERT_TRUE(RunUntil([&] { return me.Count(21) == 1; }));
  EXPECT_EQ(NameIn(me.OfType(21)[0]), "bot2");
  EXPECT_EQ(me.Count(1), 2u);
  EXPECT_EQ(me.frames.back()[3], 21) << "nothing more of that hand";
  Advance(60'000);
  EXPECT_EQ(me.Count(16), 1u);
  EXPECT_EQ(me.Count(9), 0u);
  EXPECT_EQ(me.frames.back()[3], 20) << "a new bot";

  Ready(me);
  ASSERT_TRUE(RunUntil([&] { return me.Count(1) == 3; }));
}

TEST_F(GameSeatTest, APersonGoesToTheNextTableWhileAGameRunsAtTheFirst) {
  GameConfig config = TestConfig();
  config.tables = 2;
  StartServer(config);
  Person& me = Join("abc");
  Advance(config.bot_delay_ms);
  Ready(me);
  ASSERT_TRUE(RunUntil([&] { return me.Count(1) == 1; }));
  Person& other = Join("def");
  ASSERT_EQ(other.frames.at(0)[15], kLoginAccepted);
  EXPECT_EQ(server->PlaceOf(other.connection)->table, 1);
  EXPECT_NE(log.str().find("conn=2 seat=2.1"), std::string::npos);
  EXPECT_NE(transcript.str().find("table 2: def (def) sits down at seat 1"), std::string::npos);
}

// The seats after a game, as the server shows them: who sits where, by account.
std::array<std::string, 4> Seating(const TableView& table) {
  std::array<std::string, 4> accounts;
  for (std::size_t seat = 0; seat < accounts.size(); ++seat)
    if (table.seats[seat]) accounts[seat] = table.seats[seat]->account;
  return accounts;
}

struct SeatChange {
  const char* name;
  int shuffle_every;
};

class SeatChangeTest : public GameSeatTest, public ::testing::WithParamInterface<SeatChange> {
 protected:
  // One game of one hand with `people` seated; they do not get ready after it by themselves.
  void PlayOneGame(const std::vector<std::string>& accounts, GameConfig config = TestConfig()) {
    config.hands = 1;
    config.shuffle_every = GetParam().shuffle_every;
    StartServer(std::move(config));
    for (const std::string& account : accounts) {
      Person& person = Join(account, GiveUp);
      person.ready_after_game = false;
      players.push_back(&person);
    }
    Advance(server->Config().bot_delay_ms);
    before = Seating(Table());
    for (Person* person : players) Ready(*person);
    ASSERT_TRUE(RunUntil([&] { return players[0]->Count(9) == 1; }));
  }

  static std::size_t GameOverAt(const Person& person) {
    const auto over = std::find_if(person.frames.begin(), person.frames.end(),
                                   [](const Frame& frame) { return frame[3] == 9; });
    return static_cast<std::size_t>(over - person.frames.begin());
  }

  std::vector<Person*> players;
  std::array<std::string, 4> before;
};

TEST_P(SeatChangeTest, TheLastHandSaysWhetherTheSeatsChange) {
  PlayOneGame({"abc"});
  const Frame end = players[0]->OfType(16).at(0);
  EXPECT_EQ(end[8], 0) << "status 0";
  EXPECT_EQ(end[11], GetParam().shuffle_every == 1 ? 1 : 0);
}

TEST_P(SeatChangeTest, BotsMoveAndThePlayersHearOfItOnlyWhenAllAreReady) {
  PlayOneGame({"abc"});
  Person& me = *players[0];
  const std::size_t over = GameOverAt(me);
  if (GetParam().shuffle_every == 0) {
    EXPECT_EQ(TypesFrom(me, over), "9 20 20 20 20") << "the table at once, as it was";
    EXPECT_EQ(Seating(Table()), before);
    return;
  }
  EXPECT_EQ(TypesFrom(me, over), "9") << "the seat-change notice stays up meanwhile";
  const std::size_t mark = me.frames.size();
  const std::array<std::string, 4> after = Seating(Table());
  EXPECT_EQ(after[0], "abc") << "a person keeps his seat";
  EXPECT_NE(after, before);
  EXPECT_TRUE(std::is_permutation(after.begin(), after.end(), before.begin()));

  Ready(me);
  const platform::TimeMs bots_ready = server->Config().bot_think_ms;
  Advance(bots_ready + server->Config().shuffle_ms - 1);
  EXPECT_EQ(TypesFrom(me, mark), "23 23 23 23") << "everybody ready, nobody arrived yet";
  Advance(1);
  EXPECT_EQ(TypesFrom(me, mark), "23 23 23 23 20 20 20 20");
  EXPECT_EQ(NameIn(me.frames[mark + 4]), "abc");
  ASSERT_TRUE(RunUntil([&] { return me.Count(1) == 2; })) << "and the next game starts";
}

TEST_P(SeatChangeTest, SomebodyLeavingMeanwhileShowsTheNewSeatingFirst) {
  PlayOneGame({"abc", "def"});
  Person& stays = *players[0];
  const std::size_t mark = stays.frames.size();
  Send(*players[1], ClientFrame(16, players[1]->seat_code, 0));
  EXPECT_EQ(TypesFrom(stays, mark), GetParam().shuffle_every == 1 ? "20 20 20 20 21" : "21");
  EXPECT_EQ(NameIn(stays.frames.back()), "def");
}

TEST_P(SeatChangeTest, ABotTakingAFreedSeatShowsTheTableOnce) {
  GameConfig config = TestConfig();
  config.bot_coins = {0};  // bot1 goes out after the hand
  PlayOneGame({"abc"}, config);
  Person& me = *players[0];
  const std::size_t over = GameOverAt(me);
  Advance(server->Config().bot_delay_ms);
  EXPECT_EQ(TypesFrom(me, over), "9 20 20 20 20") << "the table as it is, then the newcomer";
  Ready(me);
  ASSERT_TRUE(RunUntil([&] { return me.Count(1) == 2; }));
  EXPECT_EQ(me.Count(20), 8u) << "nobody arrives twice";
}

INSTANTIATE_TEST_SUITE_P(Every, SeatChangeTest,
                         ::testing::Values(SeatChange{"Never", 0}, SeatChange{"EveryGame", 1}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tlj::server::testing
