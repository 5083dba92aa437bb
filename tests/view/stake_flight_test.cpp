#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/view/animation_fixture.h"

namespace tlj::view::testing {
namespace {

using sim::SoundCall;
using sim::SoundOp;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

struct Layout {
  bool reduced;
  const char* name;
};
constexpr Layout kLayouts[] = {{false, "full"}, {true, "reduced"}};

class StakeFlightTest : public AnimationTest {};

TEST_F(StakeFlightTest, CoinsStartAtTheirPlayersAnchor) {
  // By screen position: design anchor, then scaled by 0.78125 with halves to even.
  const Point full[] = {{499, 488}, {192, 344}, {499, 208}, {784, 344}};
  const Point reduced[] = {{390, 381}, {150, 269}, {390, 162}, {612, 269}};
  for (const Layout& layout : kLayouts) {
    for (int pos = 0; pos < 4; ++pos) {
      SCOPED_TRACE(std::string(layout.name) + " position " + std::to_string(pos));
      UseLayout(layout.reduced);
      // The newest coin moves first, so at the first pause the older one has not moved yet.
      std::optional<Point> first_coin;
      clock.on_pause = [&](platform::TimeMs) {
        if (!first_coin) first_coin = At(Coin(1));
      };
      StakeFlight(pos, 2);
      ASSERT_TRUE(first_coin);
      EXPECT_EQ(*first_coin, layout.reduced ? reduced[pos] : full[pos]);
    }
  }
}

// The flight blocks between its steps; a front end draws at each of those waits, and each time
// the tree says something changed and the coin stands somewhere new.
TEST_F(StakeFlightTest, EveryStepIsDrawnAtTheWaitBetweenSteps) {
  std::vector<std::uint64_t> revisions;
  std::vector<Point> places;
  loop.SetRenderHook([&] {
    revisions.push_back(tree.Revision());
    places.push_back(At(Coin(1)));
  });
  StakeFlight(0, 1);
  loop.SetRenderHook({});
  ASSERT_GT(places.size(), 5u);
  for (std::size_t k = 1; k < places.size(); ++k) {
    EXPECT_GT(revisions[k], revisions[k - 1]) << k;
    EXPECT_NE(places[k], places[k - 1]) << k;
  }
}

TEST_F(StakeFlightTest, TargetsLieInTheSpreadAroundThePot) {
  struct Case {
    bool reduced;
    int pos;
    int (*source)(int, int);
    CoinTarget target;
  };
  const Case cases[] = {
      {false, 0, Lowest, {436, 298}},      {false, 0, Highest, {539, 374}},
      {false, 2, Lowest, {436, 298}},      {false, 2, Highest, {539, 374}},
      {false, 1, Lowest, {450, 298}},      {false, 3, Highest, {526, 374}},
      {false, 0, NearestZero, {488, 336}}, {true, 0, Lowest, {349, 240}},
      {true, 0, Highest, {412, 285}},      {true, 1, Lowest, {359, 240}},
      {true, 3, Highest, {404, 285}},      {true, 2, NearestZero, {381, 262}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.pos) + (c.reduced ? " reduced" : " full"));
    UseLayout(c.reduced);
    SetRandomSource(c.source);
    StakeFlight(c.pos, 1);
    ASSERT_EQ(CoinTargets.size(), 2u);
    EXPECT_EQ(CoinTargets[1].x, c.target.x);
    EXPECT_EQ(CoinTargets[1].y, c.target.y);
  }
}

TEST_F(StakeFlightTest, DrawnTargetsFromTheBottomStayInTheirRange) {
  for (int stake = 0; stake < 40; ++stake) StakeFlight(0, 999);
  ASSERT_EQ(CoinTargets.size(), static_cast<std::size_t>(CoinsOnTable) + 1);
  for (int index = 1; index <= CoinsOnTable; ++index) {
    EXPECT_GE(CoinTargets[index].x, 436) << index;
    EXPECT_LE(CoinTargets[index].x, 539) << index;
    EXPECT_GE(CoinTargets[index].y, 298) << index;
    EXPECT_LE(CoinTargets[index].y, 374) << index;
  }
}

// Sums 1 + 2 + ... + j: how far a coin has gone along its main axis after j passes.
int Travelled(int passes) {
  return passes * (passes + 1) / 2;
}

TEST_F(StakeFlightTest, EachPositionFliesInGrowingStepsUntilItReachesItsTarget) {
  struct Case {
    int pos;
    bool vertical;
    int anchor;   // main axis
    int towards;  // towards the pot
    int passes;   // passes with a move; one more pass settles the coin
    double settle;
  };
  // Every draw is 0 or the nearest to it: the target is the pot's centre (488, 336) and the
  // settle offset is -5 for the bottom player and 0 for the others.
  const Case cases[] = {
      {0, true, 488, -1, 17, -5},
      {1, false, 192, +1, 24, 0},
      {2, true, 208, +1, 16, 0},
      {3, false, 784, -1, 24, 0},
  };
  SetRandomSource(NearestZero);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pos);
    UseLayout(false);
    std::vector<double> along;
    clock.on_pause = [&](platform::TimeMs) {
      along.push_back(c.vertical ? Coin(1).top : Coin(1).left);
    };
    const platform::TimeMs took = Duration([&] { StakeFlight(c.pos, 1); });
    std::vector<double> expected;
    for (int j = 1; j <= c.passes; ++j) expected.push_back(c.anchor + c.towards * Travelled(j));
    EXPECT_THAT(along, ElementsAreArray(expected));
    EXPECT_EQ(took, 10 * c.passes);

    const double main_end = expected.back() + c.settle;
    const Point end = At(Coin(1));
    EXPECT_EQ(c.vertical ? end.y : end.x, main_end);
    EXPECT_LE(std::abs((c.vertical ? end.x - 488 : end.y - 336) - c.settle), 1.0);
  }
}

TEST_F(StakeFlightTest, AStakeTakesTenMillisecondsForEveryCoinOnEveryPass) {
  struct Case {
    int pos;
    double amount;
    int coins;
    int passes;
  };
  const Case cases[] = {{0, 37, 5, 17}, {1, 5000, 6, 24}, {2, 0, 1, 16}, {3, 1000, 2, 24}};
  SetRandomSource(NearestZero);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pos);
    UseLayout(false);
    const auto pauses = Pauses([&] { StakeFlight(c.pos, c.amount); });
    EXPECT_THAT(pauses, Each(10));
    EXPECT_EQ(pauses.size(), static_cast<std::size_t>(c.coins * c.passes));
    EXPECT_EQ(CoinsOnTable, c.coins);
  }
}

TEST_F(StakeFlightTest, EveryCoinShowsItsOwnDenomination) {
  const int coins[] = {20, 10, 5, 1, 1};
  // While flying, and after the flight.
  std::vector<std::optional<int>> at_last_pause;
  clock.on_pause = [&](platform::TimeMs) {
    at_last_pause.clear();
    for (int index = 1; index <= 5; ++index) at_last_pause.push_back(Coin(index).picture);
  };
  StakeFlight(0, 37);
  for (int index = 1; index <= 5; ++index) {
    SCOPED_TRACE(index);
    EXPECT_TRUE(ShowsCoin(at_last_pause[index - 1], coins[index - 1]));
    EXPECT_TRUE(ShowsCoin(Coin(index).picture, coins[index - 1]));
    EXPECT_TRUE(Coin(index).visible);
  }
}

TEST_F(StakeFlightTest, StakesPastAHundredCoinsDropTheLastStakesCoinsFirst) {
  for (int stake = 0; stake < 49; ++stake) StakeFlight(stake % 4, 2);
  ASSERT_EQ(CoinsOnTable, 98);
  EXPECT_EQ(CoinOverflow, 0);

  StakeFlight(1, 5000);
  EXPECT_EQ(CoinsOnTable, 104);
  EXPECT_EQ(CoinOverflow, 6);
  EXPECT_EQ(CoinElements().back(), 104);

  // The next stake first deletes coins 101..104, then adds its own.
  StakeFlight(2, 2);
  EXPECT_EQ(CoinsOnTable, 102);
  EXPECT_EQ(CoinOverflow, 2);
  EXPECT_EQ(CoinElements().size(), 103u);
  EXPECT_EQ(CoinElements().back(), 102);
  EXPECT_EQ(CoinTargets.size(), 103u);

  // And so on: the table never holds more than a hundred coins and one stake.
  for (const double amount : {999.0, 0.0, 37.0}) {
    StakeFlight(3, amount);
    const int coins = static_cast<int>(SplitCoins(amount).size());
    EXPECT_EQ(CoinsOnTable, 100 + coins) << amount;
    EXPECT_EQ(CoinOverflow, coins) << amount;
    EXPECT_EQ(CoinElements().back(), 100 + coins) << amount;
  }
}

TEST_F(StakeFlightTest, EachNewCoinRestartsTheCoinSoundWhileSoundIsOn) {
  const std::string coin = "/snd/coin_move.wav";
  std::size_t calls_before_flight = 0;
  clock.on_pause = [&](platform::TimeMs) {
    if (calls_before_flight == 0) calls_before_flight = sound.Calls().size();
  };
  StakeFlight(0, 2);
  const std::vector<SoundCall> expected = {
      {.op = SoundOp::Open, .path = ""},      {.op = SoundOp::Load, .path = coin},
      {.op = SoundOp::Play, .path = coin},    {.op = SoundOp::Volume, .path = coin},
      {.op = SoundOp::Open, .path = ""},      {.op = SoundOp::Stop, .path = coin},
      {.op = SoundOp::Rewind, .path = coin},  {.op = SoundOp::Stop, .path = coin},
      {.op = SoundOp::Release, .path = coin}, {.op = SoundOp::Load, .path = coin},
      {.op = SoundOp::Play, .path = coin},    {.op = SoundOp::Volume, .path = coin},
  };
  EXPECT_EQ(sound.Calls(), expected);
  EXPECT_EQ(calls_before_flight, expected.size());

  sound.ClearCalls();
  g_bSound = false;
  StakeFlight(0, 37);
  EXPECT_TRUE(sound.Calls().empty());
}

TEST_F(StakeFlightTest, NoScreenPositionNoCoins) {
  for (const int pos : {-1, 4}) {
    EXPECT_EQ(Duration([&] { StakeFlight(pos, 37); }), 0) << pos;
    EXPECT_EQ(CoinsOnTable, 0) << pos;
    EXPECT_THAT(CoinElements(), ElementsAre(0)) << pos;
  }
}

}  // namespace
}  // namespace tlj::view::testing
