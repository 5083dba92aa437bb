// A person's turn: answers outside the bounds are counted and the turn goes on, the hot-pot
// buy, and a silent person whose turns the server gives up until it removes the person.

#include <gtest/gtest.h>

#include <ostream>

#include "core/net/frame.h"
#include "tests/tools/server/game_test_fixture.h"

namespace tlj::server::testing {
namespace {

class GameTurnTest : public GameFixture {
 protected:
  // The person at seat 1 (seat code 1) with the first turn of the first hand open: min 20,
  // max 400, the free buy-in stage.
  Person& AtFirstTurn() {
    StartServer();
    Person& me = Join("abc", StaySilent);
    Advance(server->Config().bot_delay_ms);
    Ready(me);
    EXPECT_TRUE(RunUntil([&] { return me.Count(2) == 1; }));
    return me;
  }
  // The pot the table showed last before the latest frame.
  static Coins LastPot(const Person& person) {
    for (auto it = person.frames.rbegin(); it != person.frames.rend(); ++it) {
      if ((*it)[3] == 6) return Amount(*it, 24);
      if ((*it)[3] == 1) return 4 * Amount(*it, 52);
    }
    return 0;
  }
};

struct BadAnswer {
  const char* name;
  std::uint8_t seat_code;
  std::uint64_t amount;
  std::uint8_t hot_pot;
  friend void PrintTo(const BadAnswer& c, std::ostream* out) { *out << c.name; }
};

class BadAnswerTest : public GameTurnTest, public ::testing::WithParamInterface<BadAnswer> {};

TEST_P(BadAnswerTest, IsCountedAndTheTurnGoesOn) {
  Person& me = AtFirstTurn();
  const Frame turn = me.OfType(2).at(0);
  ASSERT_EQ(turn[6], 1);
  ASSERT_EQ(Amount(turn, 16), 20);
  ASSERT_EQ(Amount(turn, 24), 400);
  ASSERT_EQ(turn[33], 2);

  Send(me, BetFrom(GetParam().seat_code, GetParam().amount, GetParam().hot_pot));
  EXPECT_EQ(server->Stats().invalid, 1) << log.str();
  EXPECT_EQ(me.Count(3), 0u) << "no answer taken";

  Send(me, BetFrom(1, 400));
  ASSERT_EQ(me.Count(3), 1u);
  EXPECT_EQ(Amount(me.OfType(3)[0], 16), 400) << "the turn was still open";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, BadAnswerTest,
    ::testing::Values(BadAnswer{"BelowTheMinBet", 1, 19, 0}, BadAnswer{"AboveTheMaxBet", 1, 401, 0},
                      BadAnswer{"AboveAnyAmount", 1, std::uint64_t{1} << 63, 0},
                      BadAnswer{"AnotherPlayersSeat", 2, 20, 0}, BadAnswer{"NoSeatCode", 0, 20, 0},
                      BadAnswer{"HotPotInTheFreeStage", 1, 20, 1},
                      BadAnswer{"HotPotFlagTwo", 1, 20, 2}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(GameTurnTest, ABetOutOfTurnIsIgnoredAndCounted) {
  Person& me = AtFirstTurn();
  Send(me, BetFrom(1, 0));
  ASSERT_EQ(me.Count(3), 1u);
  ASSERT_EQ(me.frames.back()[3], 2) << "the next player's turn is open";
  Send(me, BetFrom(1, 20));
  EXPECT_EQ(server->Stats().ignored, 1);
  EXPECT_EQ(server->Stats().invalid, 0);
  EXPECT_EQ(me.Count(3), 1u);
}

TEST_F(GameTurnTest, AGiveUpIsStakeZeroAndTheThirdCardStillShows) {
  Person& me = AtFirstTurn();
  Send(me, BetFrom(1, 0));
  const Frame bet = me.OfType(3).at(0);
  EXPECT_EQ(Amount(bet, 16), 0);
  EXPECT_NE(net::ReadCardCode(bet, 12), 0u);
  EXPECT_EQ(me.Count(4), 0u) << "no result for a give-up";
  EXPECT_NE(transcript.str().find("abc gives up; third card "), std::string::npos);
}

TEST_F(GameTurnTest, AHotPotBuyIsTakenAtExactlyItsAmountInThePhaseThatAllowsIt) {
  StartServer();
  Person& me = Join("abc", StaySilent);
  Advance(server->Config().bot_delay_ms);
  Ready(me);
  // Plays the person's turns until one offers a hot-pot buy: give up on the others.
  bool bought = false;
  for (std::size_t turns = 1; turns < 200 && !bought; ++turns) {
    ASSERT_TRUE(RunUntil([&] {
      const auto mine = me.OfType(2);
      return std::count_if(mine.begin(), mine.end(), [&](const Frame& f) {
               return f[6] == me.seat_code;
             }) == static_cast<long>(turns);
    }));
    const Frame turn = me.frames.back();
    if (turn[33] != 1) {
      Send(me, BetFrom(me.seat_code, 0));
      continue;
    }
    const Coins min = Amount(turn, 16);
    const Coins hot = std::max(LastPot(me) - 400 + 1, min);
    ASSERT_LE(hot, Amount(turn, 24));
    const int invalid = server->Stats().invalid;
    Send(me, BetFrom(me.seat_code, static_cast<std::uint64_t>(hot + 1), 1));
    EXPECT_EQ(server->Stats().invalid, invalid + 1) << "flagged, but not the hot-pot amount";
    Send(me, BetFrom(me.seat_code, static_cast<std::uint64_t>(hot), 1));
    EXPECT_EQ(server->Stats().invalid, invalid + 1);
    const Frame bet = me.OfType(3).back();
    EXPECT_EQ(bet[6], me.seat_code);
    EXPECT_EQ(Amount(bet, 16), hot);
    EXPECT_NE(transcript.str().find("abc hot-pot buy " + std::to_string(hot)), std::string::npos)
        << transcript.str();
    bought = true;
  }
  EXPECT_TRUE(bought);
}

TEST_F(GameTurnTest, ASilentPersonGivesUpWhenTheTurnTimesOut) {
  Person& me = AtFirstTurn();
  const platform::TimeMs timeout = server->Config().TurnTimeoutMs();
  EXPECT_EQ(timeout, 25'000) << "15 s shown, 10 s for the client's animations";
  Advance(timeout - 1);
  EXPECT_EQ(me.Count(3), 0u);
  Advance(1);
  ASSERT_EQ(me.Count(3), 1u);
  EXPECT_EQ(me.OfType(3)[0][6], 1);
  EXPECT_EQ(Amount(me.OfType(3)[0], 16), 0);
  EXPECT_EQ(server->Stats().timeouts, 1);
  EXPECT_NE(transcript.str().find("abc gives up (time-out)"), std::string::npos);
}

TEST_F(GameTurnTest, TheTurnLengthGoesOutAtLoginAndTheServerWaitsItPlusTheGrace) {
  GameConfig config = TestConfig();
  config.turn_seconds = 20;
  config.turn_grace_ms = 0;
  StartServer(config);
  Person& me = Join("abc", StaySilent);
  EXPECT_EQ(me.frames.at(0)[11], 20);
  Advance(config.bot_delay_ms);
  Ready(me);
  ASSERT_TRUE(RunUntil([&] { return me.Count(2) == 1; }));
  Advance(19'999);
  EXPECT_EQ(me.Count(3), 0u);
  Advance(1);
  EXPECT_EQ(me.Count(3), 1u);
}

TEST_F(GameTurnTest, ThreeTimeOutsInARowRemoveThePersonAtTheEndOfTheHand) {
  StartServer();
  Person& silent = Join("abc", StaySilent);
  Person& other = Join("def", GiveUp);
  Advance(server->Config().bot_delay_ms);
  Ready(silent);
  Ready(other);
  ASSERT_TRUE(RunUntil([&] { return silent.Count(22) == 1; }));
  EXPECT_EQ(server->Stats().timeouts, 3);
  EXPECT_EQ(silent.Count(16), 3u) << "removed after the third hand";
  EXPECT_EQ(GbkText(silent.frames.back(), 16, 200), "您多次超时未操作，已被请出牌桌！");
  EXPECT_EQ(silent.frames.back()[3], 22);
  EXPECT_FALSE(server->PlaceOf(silent.connection));

  // The others hear of the departure, and the game ends with that hand.
  const std::string types = other.Types();
  EXPECT_NE(types.find("16 21 9 20 20 20"), std::string::npos) << types;
  EXPECT_EQ(silent.Count(9), 0u);

  // The client then leaves as it is told to: nothing more to do, nothing counted.
  const int invalid = server->Stats().invalid;
  Send(silent, ClientFrame(16, silent.seat_code, 0));
  EXPECT_EQ(server->Stats().invalid + server->Stats().ignored, invalid);
}

TEST_F(GameTurnTest, TimeOutsCountOnlyInARow) {
  StartServer();
  int my_turns = 0;
  // Silent in every turn but the third.
  Person& me = Join("abc", [&](const Frame&) -> std::optional<Coins> {
    return ++my_turns == 3 ? std::optional<Coins>(0) : std::nullopt;
  });
  Advance(server->Config().bot_delay_ms);
  Ready(me);
  ASSERT_TRUE(RunUntil([&] { return me.Count(9) == 1; }));
  EXPECT_EQ(server->Stats().timeouts, 3);
  EXPECT_EQ(me.Count(22), 0u);
}

}  // namespace
}  // namespace tlj::server::testing
