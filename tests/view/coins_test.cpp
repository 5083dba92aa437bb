#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "tests/view/animation_fixture.h"

namespace tlj::view::testing {
namespace {

using ::testing::ElementsAre;

class CoinsTest : public AnimationTest {};

TEST_F(CoinsTest, TheTemplateIsAHiddenCoinOfTheLayoutsSize) {
  for (const bool reduced : {false, true}) {
    SCOPED_TRACE(reduced ? "reduced" : "full");
    UseLayout(reduced);
    const auto& model = Coin(0);
    EXPECT_FALSE(model.visible);
    EXPECT_EQ(model.width, reduced ? 31 : 40);
    EXPECT_EQ(model.height, reduced ? 31 : 40);
    EXPECT_EQ(model.picture, CoinFrames100[0]);
    EXPECT_EQ(CoinsOnTable, 0);
    EXPECT_EQ(CoinOverflow, 0);
    EXPECT_EQ(CoinTargets.size(), 1u);
  }
}

TEST_F(CoinsTest, ANewCoinIsACopyOfTheTemplateUntilItsFirstRedraw) {
  std::optional<platform::Element> first;
  clock.on_pause = [&](platform::TimeMs) {
    if (!first) first = Coin(1);
  };
  StakeFlight(0, 2);
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->visible);
  EXPECT_EQ(first->picture, Coin(0).picture);
  EXPECT_EQ(first->width, Coin(0).width);
  EXPECT_EQ(first->height, Coin(0).height);
}

TEST_F(CoinsTest, ClearingTheTableDeletesEveryCoinButTheTemplate) {
  for (int stake = 0; stake < 25; ++stake) StakeFlight(stake % 4, 5000);
  ASSERT_GT(CoinOverflow, 0);
  DeleteAllCoins();
  EXPECT_THAT(CoinElements(), ElementsAre(0));
  EXPECT_EQ(CoinsOnTable, 0);
  EXPECT_EQ(CoinOverflow, 0);
  EXPECT_EQ(CoinTargets.size(), 1u);
  // The table fills again from coin 1.
  StakeFlight(0, 37);
  EXPECT_THAT(CoinElements(), ElementsAre(0, 1, 2, 3, 4, 5));
}

TEST_F(CoinsTest, RemovingACoinTakesOnlyThatOne) {
  tree.LoadElement("MainForm", "imgCoin", 7);
  tree.LoadElement("MainForm", "imgCoin", 8);
  EXPECT_TRUE(tree.Remove("MainForm", "imgCoin", 7));
  EXPECT_FALSE(tree.Remove("MainForm", "imgCoin", 7));
  EXPECT_FALSE(tree.Remove("Nowhere", "imgCoin", 7));
  EXPECT_EQ(tree.Find("MainForm", "imgCoin", 7), nullptr);
  EXPECT_NE(tree.Find("MainForm", "imgCoin", 8), nullptr);
  EXPECT_NE(tree.Find("MainForm", "imgCoin", 0), nullptr);
}

}  // namespace
}  // namespace tlj::view::testing
