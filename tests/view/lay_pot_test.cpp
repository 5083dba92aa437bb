#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/view/animation_fixture.h"

namespace tlj::view::testing {
namespace {

using ::testing::ElementsAre;

class LayPotTest : public AnimationTest {};

TEST_F(LayPotTest, ReplacesTheCoinsByAStillPileOfTheAmount) {
  StakeFlight(1, 5000);
  StakeFlight(2, 5000);
  ASSERT_EQ(CoinsOnTable, 12);
  sound.ClearCalls();
  EXPECT_EQ(Duration([] { LayPot(37); }), 0);
  EXPECT_EQ(CoinsOnTable, 5);
  EXPECT_THAT(CoinElements(), ElementsAre(0, 1, 2, 3, 4, 5));
  const int first_frames[] = {CoinFrames20[0], CoinFrames10[0], CoinFrames5[0], CoinImageId1,
                              CoinImageId1};
  int in_front = 0;
  for (const auto& e : tree.FindWin("MainForm")->elements)
    if (e->name != "imgCoin") in_front = std::max(in_front, e->z);
  for (int index = 1; index <= 5; ++index) {
    SCOPED_TRACE(index);
    const auto& coin = Coin(index);
    EXPECT_EQ(coin.picture, first_frames[index - 1]);
    EXPECT_TRUE(coin.visible);
    EXPECT_GT(coin.z, in_front);
    EXPECT_EQ(CoinTargets[index].x, coin.left);
    EXPECT_EQ(CoinTargets[index].y, coin.top);
  }
  EXPECT_TRUE(sound.Calls().empty());
}

TEST_F(LayPotTest, ThePileSpreadsAroundThePotCentre) {
  struct Case {
    bool reduced;
    int (*source)(int, int);
    Point spot;
  };
  const Case cases[] = {
      {false, Lowest, {450, 261}}, {false, Highest, {526, 411}}, {false, NearestZero, {488, 336}},
      {true, Lowest, {352, 204}},  {true, Highest, {410, 322}},  {true, NearestZero, {381, 262}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reduced ? "reduced" : "full");
    UseLayout(c.reduced);
    SetRandomSource(c.source);
    LayPot(1);
    EXPECT_EQ(At(Coin(1)), c.spot);
    EXPECT_EQ(Coin(1).width, c.reduced ? 31 : 40);
  }
}

TEST_F(LayPotTest, NothingLeftIsLaidAsOneHundred) {
  StakeFlight(0, 37);
  LayPot(0);
  EXPECT_EQ(CoinsOnTable, 1);
  EXPECT_EQ(Coin(1).picture, CoinFrames100[0]);
}

}  // namespace
}  // namespace tlj::view::testing
