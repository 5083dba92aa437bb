#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

#include "core/view/animations.h"

namespace tlj::view {
namespace {

using ::testing::ElementsAreArray;

TEST(SplitCoinsTest, AmountsAndTheirCoins) {
  const std::vector<int> large = {500, 100, 100, 100, 50, 5};
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  struct Case {
    double amount;
    std::vector<int> coins;
  };
  const Case cases[] = {
      {0, {100}},
      {37, {20, 10, 5, 1, 1}},
      {5000, large},
      {1001, large},
      {855, large},
      {1000, {500, 500}},
      {999, {500, 100, 100, 100, 100, 50, 20, 20, 5, 1, 1, 1, 1}},
      {1, {1}},
      // Fractions go to the nearest whole coin, halves to the even one.
      {37.5, {20, 10, 5, 1, 1, 1}},
      {36.5, {20, 10, 5, 1}},
      {1.5, {1, 1}},
      {2.5, {1, 1}},
      {0.5, {100}},
      {0.4, {100}},
      {999.5, {500, 500}},
      {1000.5, large},
      // Nothing to show is one coin of 100.
      {-5, {100}},
      {kNaN, {100}},
      {-kInf, {100}},
      {kInf, large},
  };
  for (const Case& c : cases)
    EXPECT_THAT(SplitCoins(c.amount), ElementsAreArray(c.coins)) << c.amount;
}

TEST(SplitCoinsTest, EveryAmountUpToAThousandIsPaidInFullLargestFirst) {
  for (int amount = 1; amount <= 1000; ++amount) {
    const std::vector<int> coins = SplitCoins(amount);
    ASSERT_EQ(std::accumulate(coins.begin(), coins.end(), 0), amount);
    ASSERT_TRUE(std::is_sorted(coins.rbegin(), coins.rend())) << amount;
  }
}

}  // namespace
}  // namespace tlj::view
