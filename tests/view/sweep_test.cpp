#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/view/animation_fixture.h"

namespace tlj::view::testing {
namespace {

using ::testing::Each;
using ::testing::ElementsAreArray;

// Where a sweep to each screen position stops its coins (design pixels) and where it aims.
struct StopLine {
  bool vertical;
  int to_winner;  // the sign of a move towards the winner along the main axis
  double line;
  Point aim;
};
constexpr StopLine kStops[] = {
    {true, +1, 478, {499, 628}},
    {false, -1, 202, {52, 344}},
    {true, -1, 218, {499, 68}},
    {false, +1, 774, {924, 344}},
};

// How far past the stop line a coin stands along the main axis (negative: short of it).
double PastLine(const platform::Element& coin, int pos) {
  const StopLine& s = kStops[pos];
  return ((s.vertical ? coin.top : coin.left) - s.line * LayoutScale) * s.to_winner;
}

double ToAim(const platform::Element& coin, int pos) {
  const Point aim = kStops[pos].aim;
  return std::hypot(coin.left - aim.x * LayoutScale, coin.top - aim.y * LayoutScale);
}

class SweepTest : public AnimationTest {
 protected:
  // Coins from every player.
  void StakeAround(int stakes) {
    for (int stake = 0; stake < stakes; ++stake) StakeFlight(stake % 4, 37);
  }
};

TEST_F(SweepTest, SweptCoinsStopJustPastTheWinnersStopLine) {
  for (const bool reduced : {false, true}) {
    // One step is 50 pixels in the full layout and 39 x 0.78125 in the reduced one.
    const double step = reduced ? 30.47 : 50;
    for (int pos = 0; pos < 4; ++pos) {
      SCOPED_TRACE(std::to_string(pos) + (reduced ? " reduced" : " full"));
      UseLayout(reduced);
      StakeAround(4);
      std::vector<double> before;
      for (int index = 1; index <= CoinsOnTable; ++index) before.push_back(ToAim(Coin(index), pos));
      SweepPot(pos);
      for (int index = 1; index <= CoinsOnTable; ++index) {
        EXPECT_GE(PastLine(Coin(index), pos), 0) << index;
        EXPECT_LT(PastLine(Coin(index), pos), step + 0.5) << index;
        EXPECT_LT(ToAim(Coin(index), pos), before[index - 1]) << index;
      }
    }
  }
}

TEST_F(SweepTest, AtMostThirtyCoinsShowButAllAreSwept) {
  StakeAround(7);
  ASSERT_EQ(CoinsOnTable, 35);
  SweepPot(3);
  for (int index = 1; index <= 35; ++index) {
    EXPECT_EQ(Coin(index).visible, index <= 30) << index;
    EXPECT_GE(PastLine(Coin(index), 3), 0) << index;
  }
}

TEST_F(SweepTest, UpToNineteenCoinsEachStepPausesAMillisecond) {
  // Every draw is 0 or nearest to it: the bottom player's coins settle at Top 330, three steps
  // of 50 short of his stop line at 478.
  struct Case {
    std::vector<double> stakes;
    int coins;
    std::size_t pauses;
  };
  const Case cases[] = {
      {{37}, 5, 15},
      {{37, 37, 37, 4}, 19, 57},
      {{37, 37, 37, 5}, 16, 48},
      {{37, 37, 37, 37}, 20, 0},
  };
  SetRandomSource(NearestZero);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.coins);
    UseLayout(false);
    for (const double amount : c.stakes) StakeFlight(0, amount);
    ASSERT_EQ(CoinsOnTable, c.coins);
    const auto pauses = Pauses([] { SweepPot(0); });
    EXPECT_THAT(pauses, Each(1));
    EXPECT_EQ(pauses.size(), c.pauses);
    for (int index = 1; index <= CoinsOnTable; ++index) EXPECT_EQ(Coin(index).top, 480);
  }
}

TEST_F(SweepTest, SweptCoinsStayWhereTheyStopped) {
  StakeAround(3);
  SweepPot(1);
  std::vector<Point> stopped;
  for (int index = 1; index <= CoinsOnTable; ++index) stopped.push_back(At(Coin(index)));
  EXPECT_EQ(Duration([] { SweepPot(1); }), 0);
  for (int index = 1; index <= CoinsOnTable; ++index)
    EXPECT_EQ(At(Coin(index)), stopped[index - 1]) << index;
}

TEST_F(SweepTest, AnEmptyTableOrNoScreenPositionSweepsNothing) {
  EXPECT_EQ(Duration([] { SweepPot(0); }), 0);
  StakeAround(1);
  const Point before = At(Coin(1));
  for (const int pos : {-1, 4}) {
    EXPECT_EQ(Duration([&] { SweepPot(pos); }), 0);
    EXPECT_EQ(Duration([&] { WinFlight(pos); }), 0);
  }
  EXPECT_EQ(At(Coin(1)), before);
  EXPECT_FALSE(Find("VImgCoin", 1)->visible);
}

class WinFlightTest : public AnimationTest {
 protected:
  platform::Element& Win(int k) const { return *Find("VImgCoin", k); }
};

TEST_F(WinFlightTest, TenCoinsReachTheWinnerAndTheFirstFourEndAsAHandful) {
  const int flying[] = {5, 5, 10, 10, 50, 100, 50, 20, 20, 10};
  const int held[] = {5, 10, 20, 10, 50, 100, 50, 20, 20, 10};
  for (const bool reduced : {false, true}) {
    for (int pos = 0; pos < 4; ++pos) {
      SCOPED_TRACE(std::to_string(pos) + (reduced ? " reduced" : " full"));
      UseLayout(reduced);
      std::vector<std::optional<int>> first_pause;
      clock.on_pause = [&](platform::TimeMs) {
        if (!first_pause.empty()) return;
        for (int k = 1; k <= 10; ++k) first_pause.push_back(Win(k).picture);
      };
      WinFlight(pos);
      ASSERT_EQ(first_pause.size(), 10u);
      for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(ShowsCoin(first_pause[k - 1], flying[k - 1]));
        EXPECT_TRUE(ShowsCoin(Win(k).picture, held[k - 1]));
        EXPECT_TRUE(Win(k).visible);
        EXPECT_EQ(Win(k).width, reduced ? 31 : 40);
        EXPECT_GE(PastLine(Win(k), pos), 0);
      }
      // The handful is brought to the front one coin after the other.
      for (int k = 1; k <= 4; ++k) {
        for (int other = 5; other <= 10; ++other) EXPECT_GT(Win(k).z, Win(other).z) << k;
        if (k > 1) {
          EXPECT_GT(Win(k).z, Win(k - 1).z) << k;
        }
      }
    }
  }
}

TEST_F(WinFlightTest, AMillisecondPerPassThenASecondsHold) {
  struct Case {
    int (*source)(int, int);
    std::vector<platform::TimeMs> pauses;
  };
  // From Top 336 (or 374, or 298) to the bottom player's stop line at 478 in steps of 50.
  const Case cases[] = {
      {NearestZero, {1, 1, 1, 1000}},
      {Highest, {1, 1, 1, 1000}},
      {Lowest, {1, 1, 1, 1, 1000}},
  };
  for (const Case& c : cases) {
    SetRandomSource(c.source);
    EXPECT_THAT(Pauses([] { WinFlight(0); }), ElementsAreArray(c.pauses));
  }
}

TEST_F(WinFlightTest, LeavesTheTablesCoinsAlone) {
  StakeFlight(2, 37);
  const Point before = At(Coin(3));
  WinFlight(0);
  EXPECT_EQ(CoinsOnTable, 5);
  EXPECT_EQ(At(Coin(3)), before);
}

}  // namespace
}  // namespace tlj::view::testing
