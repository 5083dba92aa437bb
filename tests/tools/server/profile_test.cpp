// The records players arrive with: a past that reads like a regular's, the same for an account
// whenever the server runs with the same seed.

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "tools/server/profile.h"

namespace tlj::server {
namespace {

struct RecordCase {
  const char* name;
  Profile (*make)(std::uint32_t seed);
  const char* area;  // empty: any town
  friend void PrintTo(const RecordCase& c, std::ostream* out) { *out << c.name; }
};

std::string Past(const Profile& p) {
  return std::to_string(p.points) + " " + std::to_string(p.credit) + " " +
         std::to_string(p.logins) + " " + std::to_string(p.drops) + " " + std::to_string(p.wins) +
         " " + std::to_string(p.losses);
}

class ProfileRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(ProfileRecordTest, ReadsLikeARegularsPast) {
  for (const std::uint32_t seed : {0u, 1u, 3u, 7u, 4'000'000'000u}) {
    SCOPED_TRACE(seed);
    const Profile p = GetParam().make(seed);
    const std::uint32_t games = p.wins + p.losses;
    EXPECT_GE(p.logins, 20u);
    EXPECT_LE(p.logins, 400u);
    EXPECT_GE(games, p.logins) << "a game or more a visit";
    EXPECT_LE(games, 3 * p.logins);
    EXPECT_GT(5 * (p.wins + 1), 2 * games) << "two fifths of the games won or more";
    EXPECT_LE(5 * p.wins, 3 * games);
    EXPECT_LE(p.drops, p.logins / 25);
    EXPECT_GE(p.credit, 60);
    EXPECT_EQ(p.credit<100, p.drops> 0) << "credit is lost by dropping out";
    EXPECT_GT(p.points, static_cast<Coins>(games)) << "points come with results";
    if (*GetParam().area != '\0') {
      EXPECT_EQ(p.area, GetParam().area);
    } else {
      EXPECT_FALSE(p.area.empty());
    }
  }
}

TEST_P(ProfileRecordTest, TheSameSeedGivesTheSamePastAndAnotherSeedAnother) {
  EXPECT_EQ(Past(GetParam().make(7)), Past(GetParam().make(7)));
  EXPECT_NE(Past(GetParam().make(7)), Past(GetParam().make(8)));
  EXPECT_EQ(GetParam().make(7).area, GetParam().make(8).area) << "home stays home";
}

INSTANTIATE_TEST_SUITE_P(
    Players, ProfileRecordTest,
    ::testing::Values(
        RecordCase{"Person", [](std::uint32_t seed) { return PersonProfile("demo", 0, seed); }, ""},
        RecordCase{"FirstBot", [](std::uint32_t seed) { return BotProfile(1, 0, seed); }, "长安"},
        RecordCase{"SecondBot", [](std::uint32_t seed) { return BotProfile(2, 0, seed); }, "济南"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ProfileTest, PeopleComeFromDifferentTownsAndTwoBotsDifferInTheirPast) {
  std::set<std::string> towns;
  for (const char* account : {"demo", "abc", "zhang", "li", "wang", "chen", "liu", "zhao"})
    towns.insert(PersonProfile(account, 0, 1).area);
  EXPECT_GE(towns.size(), 4u);
  EXPECT_NE(Past(BotProfile(1, 0, 1)), Past(BotProfile(3, 0, 1)));
}

}  // namespace
}  // namespace tlj::server
