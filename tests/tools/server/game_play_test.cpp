// Whole games against the server's bots, in virtual time: the order of the frames, every
// amount checked by a referee, the layouts of the frames a client reads, money that neither
// appears nor vanishes, and the same games again from the same seed.

#include <gtest/gtest.h>

#include <array>
#include <regex>

#include "core/net/frame.h"
#include "tests/tools/server/game_test_fixture.h"

namespace tlj::server::testing {
namespace {

// One game of four hands as the person sees it: its login and arrival, three bots arriving,
// four ready notices, four hands of four turns each, the end of the game, and the table
// presented afresh for the next game.
const std::regex kOneGame(
    "18 20 20 20 20 23 23 23 23 "
    "(1 (2 3 (4 (5 )?)?6 ){4}16 ){4}"
    "9 20 20 20 20");

class GamePlayTest : public GameFixture {
 protected:
  // One person at the table, the bots filled in, everybody ready: plays one whole game.
  Person& PlayOneGame(GameConfig config = TestConfig()) {
    StartServer(std::move(config));
    Person& me = Join("abc", BetMin);
    Advance(server->Config().bot_delay_ms);
    Ready(me);
    EXPECT_TRUE(RunUntil([&] { return me.Count(9) == 1; }));
    return me;
  }
};

TEST_F(GamePlayTest, AGameIsFourHandsOfFourTurnsInTheOrderTheClientExpects) {
  Person& me = PlayOneGame();
  EXPECT_TRUE(std::regex_match(me.Types(), kOneGame)) << me.Types();
  EXPECT_EQ(server->Stats().hands, 4);
  EXPECT_EQ(server->Stats().games, 1);
  EXPECT_EQ(server->Stats().ignored + server->Stats().invalid, 0) << log.str();
}

TEST_F(GamePlayTest, EveryAmountCardAndBoundFollowsTheRules) {
  // Several games, so that wins, losses, posts, refills and hot-pot phases all come up.
  StartServer();
  Person& me = Join("abc", BetMin);
  Advance(server->Config().bot_delay_ms);
  Ready(me);
  ASSERT_TRUE(RunUntil([&] { return me.Count(9) == 6; }));

  Referee referee(server->Config().ante);
  for (const Frame& frame : me.frames) referee.See(frame);
  EXPECT_EQ(referee.games, 6);
  EXPECT_EQ(referee.hands, 24);
  EXPECT_EQ(referee.turns, 96);
  // The games are long enough to have shown each kind of event at least once.
  EXPECT_GT(me.Count(4), 0u);
  EXPECT_GT(me.Count(5), 0u);
  const auto turns = me.OfType(2);
  EXPECT_TRUE(std::any_of(turns.begin(), turns.end(), [](const Frame& f) { return f[33] == 1; }))
      << "no turn offered a hot-pot buy";
}

TEST_F(GamePlayTest, MoneyOnlyMovesExceptForTheTableFee) {
  std::optional<Coins> before;
  int checked = 0;
  watch = [&](const Person&, const Frame&) {
    if (!before) return;
    EXPECT_EQ(MoneyOnTable(), *before);
    ++checked;
  };
  StartServer();
  Person& me = Join("abc", BetMin);
  Advance(server->Config().bot_delay_ms);
  before = MoneyOnTable();
  Ready(me);
  ASSERT_TRUE(RunUntil([&] { return me.Count(9) == 3; }));
  EXPECT_GT(checked, 100);
  EXPECT_GT(server->Stats().fees, 0) << "somebody wins a game and pays the fee";
}

TEST_F(GamePlayTest, TheNewHandAndTurnFramesCarryTheirFieldsWhereTheClientReadsThem) {
  Person& me = PlayOneGame();
  const Frame hand = me.OfType(1).at(0);
  EXPECT_EQ(Amount(hand, 16), 50'000 - 100) << "the person's coins after the ante";
  EXPECT_EQ(Amount(hand, 52), 100);
  EXPECT_EQ(std::vector<int>(hand.begin() + 48, hand.begin() + 52), (std::vector<int>{1, 2, 4, 8}));
  EXPECT_EQ(net::ReadLe32(hand, 268), 1u);

  // The first turn of the first hand is the person's, at seat 1: nothing in the pot yet.
  const Frame turn = me.OfType(2).at(0);
  EXPECT_EQ(turn[6], 1);
  EXPECT_EQ(Amount(turn, 16), 20) << "5 % of the initial pot of 400";
  EXPECT_EQ(Amount(turn, 24), 400) << "the pot, below the person's coins";
  EXPECT_EQ(turn[32], 1);
  EXPECT_EQ(turn[33], 2) << "the pot has not grown: the free buy-in stage";
  for (const std::size_t at : {std::size_t{8}, std::size_t{12}}) {
    EXPECT_EQ(turn[at] | turn[at + 1], 0) << "card code high bytes";
  }

  const Frame bet = me.OfType(3).at(0);
  EXPECT_EQ(bet[6], 1);
  EXPECT_EQ(Amount(bet, 16), 20) << "the person's min bet";
  EXPECT_EQ(Amount(bet, 24), 400);
  const Frame result = me.OfType(4).at(0);
  EXPECT_EQ(Amount(result, 20), 20);
}

TEST_F(GamePlayTest, ArrivalsDescribeEachPlayerAndTheReceiversOwnSeat) {
  StartServer();
  Person& me = Join("abc");
  Advance(server->Config().bot_delay_ms);
  const auto arrivals = me.OfType(20);
  ASSERT_EQ(arrivals.size(), 4u);

  const Frame& self = arrivals[0];
  EXPECT_EQ(self[6], 1) << "the receiver's own seat";
  EXPECT_EQ(self[226], 1);
  EXPECT_EQ(net::ReadByteText(self, 168, 16), "abc");
  EXPECT_EQ(GbkText(self, 16, 32), "abc");
  EXPECT_EQ(net::ReadDoubleByteText(self, 184, 24), "玩家");
  EXPECT_EQ(Amount(self, 96), 50'000);
  EXPECT_EQ(net::ReadDoubleByteText(self, 112, 16), "第六级");
  EXPECT_EQ(self[208], 0);

  const Frame& bot = arrivals[1];
  EXPECT_EQ(bot[6], 1) << "still the receiver's seat";
  EXPECT_EQ(bot[226], 2) << "the bot's seat";
  EXPECT_EQ(net::ReadByteText(bot, 168, 16), "bot1");
  EXPECT_EQ(GbkText(bot, 16, 32), "李白");
  EXPECT_EQ(net::ReadByteText(bot, 48, 16), "m1");
  EXPECT_EQ(bot[64], 1);
  EXPECT_EQ(net::ReadDoubleByteText(bot, 72, 8), "长安");
  EXPECT_EQ(net::ReadDoubleByteText(bot, 184, 24), "电脑");
  const Coins coins = Amount(bot, 96);
  EXPECT_GE(coins, 20'000);
  EXPECT_LE(coins, 80'000);
  EXPECT_EQ(net::ReadDoubleByteText(bot, 112, 16), LevelTitle(LevelOf(coins)));
  EXPECT_EQ(net::ReadByteText(bot, 210, 8), "00");
  EXPECT_EQ(net::ReadByteText(bot, 218, 8), "01");
  EXPECT_EQ(net::ReadByteText(arrivals[2], 48, 16), "w1") << "faces alternate";

  Ready(me);
  ASSERT_TRUE(RunUntil([&] { return me.Count(23) == 4; }));
  const Frame ready = me.OfType(23).at(0);
  EXPECT_EQ(ready[15], 1);
  EXPECT_EQ(net::ReadByteText(ready, 16, 16), "abc") << "the person hears its own ready first";
}

// What the player card shows comes with each arrival: home town, points, credit and the counts.
TEST_F(GamePlayTest, ArrivalsCarryEachPlayersRecord) {
  StartServer();
  Person& me = Join("abc");
  Advance(server->Config().bot_delay_ms);
  const auto arrivals = me.OfType(20);
  ASSERT_EQ(arrivals.size(), 4u);
  const std::uint32_t seed = server->Config().seed;
  Profile self = PersonProfile("abc", 0, seed);
  ++self.logins;  // this visit
  const std::array<Profile, 4> expected = {self, BotProfile(1, 0, seed), BotProfile(2, 0, seed),
                                           BotProfile(3, 0, seed)};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Frame& frame = arrivals[i];
    const Profile& p = expected[i];
    SCOPED_TRACE(p.account);
    EXPECT_EQ(net::ReadByteText(frame, 168, 16), p.account);
    EXPECT_EQ(frame[64], p.male ? 1 : 0);
    EXPECT_EQ(net::ReadDoubleByteText(frame, 72, 8), p.area);
    EXPECT_EQ(Amount(frame, 80), p.points);
    EXPECT_EQ(Amount(frame, 88), p.credit);
    EXPECT_EQ(net::ReadLe32(frame, 152), p.logins);
    EXPECT_EQ(net::ReadLe32(frame, 156), p.drops);
    EXPECT_EQ(net::ReadLe32(frame, 160), p.wins);
    EXPECT_EQ(net::ReadLe32(frame, 164), p.losses);
  }
}

TEST_F(GamePlayTest, BotsGetReadyOnlyAfterAPersonIs) {
  StartServer();
  Person& me = Join("abc");
  Advance(60'000);
  EXPECT_EQ(me.Count(23), 0u) << "the bots wait for the person";
  Ready(me);
  Advance(server->Config().bot_think_ms - 1);
  EXPECT_EQ(me.Count(23), 1u);
  Advance(1);
  EXPECT_EQ(me.Count(23), 4u);
  EXPECT_EQ(me.Count(1), 0u);
  Advance(server->Config().start_delay_ms);
  EXPECT_EQ(me.Count(1), 1u) << "the game starts a second after all are ready";
}

TEST_F(GamePlayTest, TheEndOfAGameSettlesEveryoneAndPresentsTheTableAgain) {
  Person& me = PlayOneGame();
  const auto arrivals = me.OfType(20);
  ASSERT_EQ(arrivals.size(), 8u);
  const Frame over = me.OfType(9).at(0);
  for (std::size_t i = 0; i < 4; ++i) {
    const Frame& again = arrivals[4 + i];
    EXPECT_EQ(again[208], 0) << "nobody is ready for the next game yet";
    EXPECT_EQ(again[6], 1);
  }
  EXPECT_EQ(arrivals[4][226], 1) << "the person hears of itself first";
  // Whoever won paid the fee; the arrivals carry the coins after it.
  Coins fees = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    const std::size_t b = 16 + 30 * i;
    const Coins total = Amount(over, b + 9);
    if (over[b + 26] == 1) fees += total - net::ReadLe32(over, b + 17);
  }
  EXPECT_EQ(fees, server->Stats().fees);
  EXPECT_NE(transcript.str().find("game over"), std::string::npos);
}

TEST_F(GamePlayTest, TheSameSeedPlaysTheSameGamesAndAnotherSeedOthers) {
  auto play = [](std::uint32_t seed) {
    GameWorld world;
    GameConfig config = TestConfig();
    config.seed = seed;
    world.StartServer(config);
    Person& me = world.Join("abc", BetMin);
    world.Advance(config.bot_delay_ms);
    world.Ready(me);
    world.RunUntil([&] { return me.Count(9) == 2; });
    return me.frames;
  };
  const auto first = play(11);
  EXPECT_EQ(first, play(11));
  EXPECT_NE(first, play(12));
}

}  // namespace
}  // namespace tlj::server::testing
