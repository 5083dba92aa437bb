// The table's arithmetic and the bots' choices, case by case: who wins a turn, what a loss
// costs, the bounds and the hot-pot phase, levels and their titles, the settlement of a game.

#include "tools/server/rules.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>

#include "tools/server/bot_player.h"
#include "tools/server/cards.h"
#include "tools/server/random.h"

namespace tlj::server {
namespace {

Card Of(int rank) {
  return Card{rank, kSpades};
}

struct JudgeCase {
  const char* name;
  int gate0;
  int gate1;
  int third;
  Outcome outcome;
  friend void PrintTo(const JudgeCase& c, std::ostream* out) { *out << c.name; }
};

class JudgeTest : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(JudgeTest, TheThirdCardDecides) {
  const JudgeCase& c = GetParam();
  EXPECT_EQ(Judge(Of(c.gate0), Of(c.gate1), Of(c.third)), c.outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Cards, JudgeTest,
    ::testing::Values(JudgeCase{"AceKingWithSeven", 1, 13, 7, Outcome::kWon},
                      JudgeCase{"AceKingWithTwo", 1, 13, 2, Outcome::kWon},
                      JudgeCase{"AceKingWithQueen", 1, 13, 12, Outcome::kWon},
                      JudgeCase{"KingAceEitherOrder", 13, 1, 12, Outcome::kWon},
                      JudgeCase{"AceKingWithAce", 1, 13, 1, Outcome::kPost},
                      JudgeCase{"AceKingWithKing", 1, 13, 13, Outcome::kPost},
                      JudgeCase{"FiveNineWithFour", 5, 9, 4, Outcome::kLost},
                      JudgeCase{"FiveNineWithTen", 5, 9, 10, Outcome::kLost},
                      JudgeCase{"FiveNineWithNine", 5, 9, 9, Outcome::kPost},
                      JudgeCase{"AdjacentNeverWins", 5, 6, 3, Outcome::kLost},
                      JudgeCase{"EqualGatesHitThePost", 7, 7, 7, Outcome::kPost},
                      JudgeCase{"EqualGatesOtherwiseLose", 7, 7, 8, Outcome::kLost}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(RulesTest, ALossCostsTheStakeAndThePostTwiceAsMuchButNeverMoreThanTheCoins) {
  EXPECT_EQ(LossPayment(Outcome::kLost, 100, 500), 100);
  EXPECT_EQ(LossPayment(Outcome::kPost, 100, 500), 200);
  EXPECT_EQ(LossPayment(Outcome::kPost, 300, 450), 450);
  EXPECT_EQ(LossPayment(Outcome::kLost, 300, 300), 300);
}

TEST(RulesTest, TheMinBetIsFivePercentOfTheInitialPotRoundedUp) {
  EXPECT_EQ(MinBet(400), 20);
  EXPECT_EQ(MinBet(28), 2);
  EXPECT_EQ(MinBet(20), 1);
  EXPECT_EQ(MinBet(4), 1);
  EXPECT_EQ(MaxBet(400, 50'000), 400);
  EXPECT_EQ(MaxBet(400, 150), 150);
}

struct PhaseCase {
  const char* name;
  Coins pot;
  Coins min;
  Coins max;
  Coins hot_pot;
  int phase;
  friend void PrintTo(const PhaseCase& c, std::ostream* out) { *out << c.name; }
};

class PhaseTest : public ::testing::TestWithParam<PhaseCase> {};

TEST_P(PhaseTest, AHotPotBuyNeedsAGrownPotAndRoomUnderTheMaxBet) {
  const PhaseCase& c = GetParam();
  EXPECT_EQ(HotPotAmount(c.pot, 400, c.min), c.hot_pot);
  EXPECT_EQ(Phase(c.pot, 400, c.min, c.max), c.phase);
}

INSTANTIATE_TEST_SUITE_P(
    Pots, PhaseTest,
    ::testing::Values(PhaseCase{"PotNotGrown", 400, 20, 400, 20, kPhaseFree},
                      PhaseCase{"PotShrunk", 300, 20, 300, 20, kPhaseFree},
                      PhaseCase{"GrowthBelowTheMinBet", 500, 200, 500, 200, kPhaseHotPot},
                      PhaseCase{"GrowthAboveTheMinBet", 500, 50, 500, 101, kPhaseHotPot},
                      PhaseCase{"JustFits", 1000, 20, 601, 601, kPhaseHotPot},
                      PhaseCase{"JustTooMuch", 1000, 20, 600, 601, kPhaseFree}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(RulesTest, LevelsGrowWithCoinsUpToForty) {
  EXPECT_EQ(LevelOf(0), 1);
  EXPECT_EQ(LevelOf(9'999), 1);
  EXPECT_EQ(LevelOf(10'000), 2);
  EXPECT_EQ(LevelOf(50'000), 6);
  EXPECT_EQ(LevelOf(390'000), 40);
  EXPECT_EQ(LevelOf(1'000'000'000), 40);
  EXPECT_EQ(LevelOf(-5), 1);
}

TEST(RulesTest, LevelTitlesReadAsChineseNumerals) {
  const std::vector<std::pair<int, const char*>> titles = {
      {1, "第一级"},      {9, "第九级"},    {10, "第十级"},     {11, "第十一级"},
      {19, "第十九级"},   {20, "第二十级"}, {21, "第二十一级"}, {30, "第三十级"},
      {39, "第三十九级"}, {40, "第四十级"}, {0, "第一级"},      {41, "第四十级"}};
  for (const auto& [level, title] : titles) EXPECT_EQ(LevelTitle(level), title) << level;
}

TEST(RulesTest, AWinnerPaysFivePercentRoundedDownALoserNothing) {
  const Settlement won = Settle(1000, 1120, 30);
  EXPECT_EQ(won.result, GameResult::kWon);
  EXPECT_EQ(won.total, 120);
  EXPECT_EQ(won.fee, 6);
  EXPECT_EQ(won.final_amount, 114);
  EXPECT_EQ(won.coins_after, 1114);
  EXPECT_EQ(won.returned, 30);

  EXPECT_EQ(Settle(1000, 1019, 0).fee, 0) << "0.95 rounds down";

  const Settlement lost = Settle(1000, 950, 0);
  EXPECT_EQ(lost.result, GameResult::kLost);
  EXPECT_EQ(lost.total, 50);
  EXPECT_EQ(lost.final_amount, 50);
  EXPECT_EQ(lost.coins_after, 950);

  const Settlement even = Settle(1000, 1000, 0);
  EXPECT_EQ(even.result, GameResult::kEven);
  EXPECT_EQ(even.total, 0);
  EXPECT_EQ(even.coins_after, 1000);
}

TEST(RulesTest, APotIsSharedEquallyWithTheRestToTheFirstSeat) {
  EXPECT_EQ(SharePot(403), (std::array<Coins, 4>{103, 100, 100, 100}));
  EXPECT_EQ(SharePot(0), (std::array<Coins, 4>{0, 0, 0, 0}));
}

TEST(CardsTest, ADeckHoldsEachOfTheFiftyTwoCardsOnceWithTheirWireCodes) {
  Random random(5);
  std::set<std::uint32_t> codes;
  for (const Card card : ShuffledDeck(random)) codes.insert(WireCode(card));
  EXPECT_EQ(codes.size(), 52u);
  EXPECT_EQ(*codes.begin(), 0x0101u) << "the ace of diamonds";
  EXPECT_EQ(*codes.rbegin(), 0x0D08u) << "the king of spades";
  EXPECT_EQ(CardText(Card{11, kSpades}), "♠J");
  EXPECT_EQ(CardText(Card{10, kHearts}), "♥10");
  EXPECT_EQ(CardText(Card{1, kDiamonds}), "♦A");
}

TEST(BotPlayerTest, ABotStaysInTheBoundsAndOnlyBuysTheHotPotWhenItMay) {
  Random random(9);
  int bets = 0;
  int hot_pot_buys = 0;
  for (int i = 0; i < 5000; ++i) {
    TurnOffer offer;
    offer.gate0 = Card{static_cast<int>(random.Between(1, 13)), kClubs};
    offer.gate1 = Card{static_cast<int>(random.Between(1, 13)), kHearts};
    offer.min_bet = random.Between(1, 100);
    offer.max_bet = random.Between(0, 2000);
    offer.phase = static_cast<int>(random.Between(1, 2));
    offer.hot_pot = random.Between(offer.min_bet, offer.min_bet + 500);
    const BetChoice choice = ChooseBet(offer, random);
    if (choice.stake == 0) {
      EXPECT_FALSE(choice.hot_pot);
      continue;
    }
    ++bets;
    EXPECT_GE(choice.stake, offer.min_bet);
    EXPECT_LE(choice.stake, offer.max_bet);
    EXPECT_GE(Gap(offer.gate0, offer.gate1), 5) << "a narrow gate is given up";
    if (choice.hot_pot) {
      ++hot_pot_buys;
      EXPECT_EQ(offer.phase, kPhaseHotPot);
      EXPECT_EQ(choice.stake, offer.hot_pot);
    }
  }
  EXPECT_GT(bets, 0);
  EXPECT_GT(hot_pot_buys, 0);
}

TEST(RandomTest, DrawsStayWithinTheirBoundsAndCoverThem) {
  Random random(1);
  std::set<std::int64_t> seen;
  for (int i = 0; i < 1000; ++i) {
    const std::int64_t n = random.Between(-3, 3);
    EXPECT_GE(n, -3);
    EXPECT_LE(n, 3);
    seen.insert(n);
  }
  EXPECT_EQ(seen.size(), 7u);
  EXPECT_EQ(random.Between(5, 5), 5);
}

}  // namespace
}  // namespace tlj::server
