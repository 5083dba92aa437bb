#include "core/view/random.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace tlj::view {
namespace {

class RandomTest : public ::testing::Test {
 protected:
  ~RandomTest() override { SetRandomSource({}); }

  static std::vector<int> Draws(int count, int lo, int hi) {
    std::vector<int> draws;
    for (int n = 0; n < count; ++n) draws.push_back(RandomInt(lo, hi));
    return draws;
  }
};

TEST_F(RandomTest, TheSameSeedRepeatsTheDraws) {
  SeedRandom(42);
  const auto first = Draws(50, -35, 34);
  SeedRandom(42);
  EXPECT_EQ(Draws(50, -35, 34), first);
  SeedRandom(43);
  EXPECT_NE(Draws(50, -35, 34), first);
}

TEST_F(RandomTest, BothBoundsAreDrawnAndNothingOutside) {
  struct Case {
    int lo, hi;
  };
  const Case cases[] = {{-10, -5}, {-5, 5}, {0, 19}, {7, 7}};
  SeedRandom(1);
  for (const Case& c : cases) {
    std::set<int> seen;
    for (int draw : Draws(2000, c.lo, c.hi)) seen.insert(draw);
    EXPECT_EQ(*seen.begin(), c.lo) << c.lo << ".." << c.hi;
    EXPECT_EQ(*seen.rbegin(), c.hi) << c.lo << ".." << c.hi;
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(c.hi - c.lo + 1)) << c.lo << ".." << c.hi;
  }
}

TEST_F(RandomTest, BoundsGivenTheWrongWayRoundStillBoundTheDraw) {
  SeedRandom(2);
  for (int draw : Draws(200, 5, -5)) {
    EXPECT_GE(draw, -5);
    EXPECT_LE(draw, 5);
  }
}

TEST_F(RandomTest, AnInjectedSourceIsKeptInRangeAndCanBeRemoved) {
  SetRandomSource([](int, int hi) { return hi + 100; });
  EXPECT_EQ(RandomInt(-5, 5), 5);
  SetRandomSource([](int lo, int) { return lo - 100; });
  EXPECT_EQ(RandomInt(-5, 5), -5);
  SetRandomSource({});
  SeedRandom(9);
  const auto seeded = Draws(20, 0, 1000);
  SeedRandom(9);
  EXPECT_EQ(Draws(20, 0, 1000), seeded);
}

}  // namespace
}  // namespace tlj::view
