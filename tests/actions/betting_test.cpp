#include "core/actions/betting.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/channels.h"
#include "core/net/pump.h"
#include "core/view/animations.h"
#include "core/view/layout.h"
#include "tests/support/table_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tlj::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr platform::TimeMs kDealTime = 1000;

class BettingTest : public SeatedFixture {
 protected:
  void SetUp() override {
    SeatedFixture::SetUp();
    Send(NewHandFrame(100));
  }

  void UsersTurn(Turn turn = {}) {
    turn.seat = 1;
    Send(TurnFrame(turn), kDealTime);
    ASSERT_TRUE(model::g_bMyTurn);
  }

  void Keys(std::initializer_list<int> keys) {
    for (int k : keys) Click("ImgNum", k);
  }

  std::string Display() { return h.El("lblShowInputCoin").caption; }
  std::string Complaint() { return h.tree.El("ChuPai", "Label2").caption; }
  bool ComplaintShown() { return h.tree.Win("ChuPai").visible; }

  // Presses the bet button and lets the pump send what it queued.
  void PressBet() {
    Click("Operation", 1);
    h.RunFor(200);
  }

  static std::vector<int> AmountBytes(const net::Frame& f) {
    const auto amount = f.begin() + net::user_bet::kAmountAt;
    return std::vector<int>(amount, amount + 8);
  }
};

TEST_F(BettingTest, DigitsComposeUntilTheAmountPassesTheMaximum) {
  UsersTurn({.max = 20000});
  Keys({5, 10});
  EXPECT_EQ(Display(), "500");
  EXPECT_EQ(model::g_dInputCoin, 500);
  const auto& frame = h.El("imgXuanZe");
  EXPECT_DOUBLE_EQ(h.El("lblShowInputCoin").left, frame.left + ((frame.width - 6) - 30) * 0.5);
  EXPECT_FALSE(ComplaintShown());

  Click("ImgNum", 10);  // 50000
  EXPECT_TRUE(ComplaintShown());
  EXPECT_EQ(Complaint(), "超过最大押注,请重新押注！");
  EXPECT_EQ(Display(), "");
  EXPECT_EQ(model::g_dInputCoin, 0);

  Click("ImgNum", 7);  // any key closes the complaint
  EXPECT_FALSE(ComplaintShown());
  EXPECT_EQ(Display(), "7");
}

TEST_F(BettingTest, TheKeypadWorksOnlyWhileTheBetButtonShows) {
  Keys({3});
  EXPECT_EQ(Display(), "");
  UsersTurn();
  Keys({3, 14});
  EXPECT_EQ(Display(), "");
  EXPECT_EQ(model::g_dInputCoin, 0);
}

TEST_F(BettingTest, TheBoundKeysBetExactlyTheirBound) {
  struct Case {
    int key;
    std::vector<int> bytes;
    const char* stake;
  } cases[] = {
      {11, {0, 0, 0, 0, 0, 0, 0x4E, 0x20}, "20000"},
      {13, {0, 0, 0, 0, 0, 0, 0, 100}, "100"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    UsersTurn({.min = 100, .max = 20000});
    Keys({c.key});
    EXPECT_EQ(Display(), c.stake);
    const std::size_t before = Sent(net::kTypeBet).size();
    PressBet();
    const auto bets = Sent(net::kTypeBet);
    ASSERT_EQ(bets.size(), before + 1);
    EXPECT_EQ(AmountBytes(bets.back()), c.bytes);
    EXPECT_EQ(h.El("lblYaZhu").caption, c.stake);
  }
}

TEST_F(BettingTest, ABetQueuesItsFrameAndClosesTheTurn) {
  UsersTurn({.min = 100, .max = 20000});
  model::g_iTimeoutCount = 1;
  const int coins = view::CoinsOnTable;
  h.sound.ClearCalls();
  Keys({3, 10});
  PressBet();
  const auto bets = Sent(net::kTypeBet);
  ASSERT_EQ(bets.size(), 1u);
  EXPECT_THAT(AmountBytes(bets[0]), ElementsAre(0, 0, 0, 0, 0, 0, 0x01, 0x2C));
  EXPECT_EQ(bets[0][net::kSeatAt], 1);
  EXPECT_EQ(bets[0][net::user_bet::kHotPotAt], 0);
  EXPECT_EQ(h.El("lblYaZhu").caption, "300");
  EXPECT_EQ(model::g_dMaxBet, 300);
  EXPECT_EQ(Display(), "");
  EXPECT_EQ(model::g_iTimeoutCount, 0);
  EXPECT_GT(view::CoinsOnTable, coins);
  EXPECT_EQ(Played().front(), "coin_move.wav");
  for (int k = 0; k <= 2; ++k) EXPECT_FALSE(h.El("Operation", k).visible) << k;
  for (int i = 0; i <= 14; ++i) EXPECT_FALSE(h.El("ImgNum", i).enabled) << i;
  EXPECT_FALSE(model::g_bTurnArmed || net::g_bCountdownOn);
  EXPECT_FALSE(h.El("Time_Img").visible || h.El("Number").visible);

  // Hidden and disabled, the buttons cannot answer twice.
  Click("Operation", 1);
  Click("Operation", 2);
  h.RunFor(200);
  EXPECT_EQ(Sent(net::kTypeBet).size(), 1u);
}

TEST_F(BettingTest, AnAmountOutsideTheBoundsIsRefused) {
  struct Case {
    std::vector<int> keys;
    const char* complaint;
    const char* display_after;
  } cases[] = {
      {{}, "您还没有押注！", ""},
      {{5}, "小于最小押注,请重新押注！", ""},
  };
  UsersTurn({.min = 100, .max = 20000});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.complaint);
    Click("ImgNum", 14);
    for (int k : c.keys) Click("ImgNum", k);
    PressBet();
    EXPECT_TRUE(ComplaintShown());
    EXPECT_EQ(Complaint(), c.complaint);
    EXPECT_EQ(Display(), c.display_after);
    EXPECT_TRUE(h.El("Operation", 1).visible);
  }
  EXPECT_TRUE(Sent(net::kTypeBet).empty());
  EXPECT_TRUE(net::g_bCountdownOn);
}

TEST_F(BettingTest, AnAmountTheFrameCannotCarryIsRefused) {
  UsersTurn({.min = 1, .max = 1ull << 40});
  Keys({3, 10, 10, 10, 10, 10});  // 30 000 000 000
  PressBet();
  EXPECT_EQ(Complaint(), "超过最大押注,请重新押注！");
  EXPECT_TRUE(Sent(net::kTypeBet).empty());
}

TEST_F(BettingTest, TheHotPotKeyComposesThePotsGrowth) {
  struct Case {
    std::uint64_t min;
    std::uint64_t max;
    const char* display;
    bool flagged;
    const char* complaint;
  } cases[] = {
      {100, 20000, "601", true, nullptr},
      {800, 20000, "800", false, nullptr},  // below the minimum: an ordinary bet of the minimum
      {100, 500, "", false, "热锅所需金币数超过最大押注！"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.display);
    UsersTurn({.min = c.min, .max = c.max, .phase = net::turn_start::kHotPotPhase});
    h.El("lblCaiChi").caption = "1000";
    h.El("lblChuShiGuoDi").caption = "400";
    Keys({14, 12});
    EXPECT_EQ(Display(), c.display);
    EXPECT_EQ(model::g_bHotPot, c.flagged);
    EXPECT_EQ(ComplaintShown(), c.complaint != nullptr);
    if (c.complaint != nullptr) {
      EXPECT_EQ(Complaint(), c.complaint);
      continue;
    }
    const std::size_t before = Sent(net::kTypeBet).size();
    PressBet();
    const auto bets = Sent(net::kTypeBet);
    ASSERT_EQ(bets.size(), before + 1);
    EXPECT_EQ(bets.back()[net::user_bet::kHotPotAt], c.flagged ? 1 : 0);
    EXPECT_FALSE(model::g_bHotPot);
  }
}

TEST_F(BettingTest, AnyKeyAfterTheHotPotKeyMakesAnOrdinaryBet) {
  UsersTurn({.min = 100, .max = 20000, .phase = net::turn_start::kHotPotPhase});
  h.El("lblCaiChi").caption = "1000";
  h.El("lblChuShiGuoDi").caption = "400";
  Keys({12, 1});
  EXPECT_EQ(Display(), "6011");
  EXPECT_FALSE(model::g_bHotPot);
  PressBet();
  ASSERT_EQ(Sent(net::kTypeBet).size(), 1u);
  EXPECT_EQ(Sent(net::kTypeBet)[0][net::user_bet::kHotPotAt], 0);
}

TEST_F(BettingTest, TheHotPotKeyDoesNothingOutsideItsPhase) {
  UsersTurn({.phase = 0});
  Keys({4, 12});
  EXPECT_EQ(Display(), "4");
  EXPECT_FALSE(model::g_bHotPot);
}

TEST_F(BettingTest, AGiveUpCarriesOnlyTypeAndSeat) {
  UsersTurn();
  model::g_iTimeoutCount = 1;
  h.sound.ClearCalls();
  Keys({4});
  Click("Operation", 2);
  h.RunFor(200);
  const auto bets = Sent(net::kTypeBet);
  ASSERT_EQ(bets.size(), 1u);
  net::Frame expected{};
  expected[net::kTypeAt] = net::kTypeBet;
  expected[net::kSeatAt] = 1;
  EXPECT_THAT(std::vector<int>(bets[0].begin(), bets[0].begin() + 260),
              ElementsAreArray(std::vector<int>(expected.begin(), expected.begin() + 260)));
  EXPECT_THAT(Played(), ElementsAre("giveup.wav"));
  EXPECT_EQ(model::g_iTimeoutCount, 0);
  EXPECT_EQ(Display(), "");
  EXPECT_FALSE(h.El("Operation", 2).visible || h.El("Operation", 2).enabled);
  EXPECT_EQ(h.El("Operation", 2).picture, 520);
  EXPECT_FALSE(model::g_bTurnArmed || net::g_bCountdownOn);
  EXPECT_EQ(model::g_iCountdown, model::g_iDefaultCountdown);
}

TEST_F(BettingTest, WithoutAnActiveGameTheActionButtonsDoNothing) {
  UsersTurn();
  model::g_bGameActive = false;
  Keys({5, 10});
  for (int k : {1, 2}) actions::Operation_Click(k);
  h.RunFor(200);
  EXPECT_TRUE(Sent(net::kTypeBet).empty());
  EXPECT_TRUE(net::g_bCountdownOn);
  EXPECT_TRUE(h.El("Operation", 1).visible);
  EXPECT_TRUE(h.El("Number").visible);
  EXPECT_FALSE(ComplaintShown());
}

TEST_F(BettingTest, TheCountdownWarnsInTheLastSecondsAndGivesUpAtTheEnd) {
  h.sound.ClearCalls();
  std::vector<std::pair<std::string, int>> shown;
  std::vector<int> warnings;
  platform::Timer probe(h.loop, [&] {
    const auto& number = h.El("Number");
    if (!number.visible) return;
    if (shown.empty() || shown.back().first != number.caption) {
      shown.emplace_back(number.caption, number.color);
      warnings.push_back(TimesPlayed("tishi.wav"));
    }
  });
  probe.SetInterval(10);
  probe.SetEnabled(true);
  Send(TurnFrame({.seat = 1}), 17000);
  probe.SetEnabled(false);

  // The first step comes in the tick that starts the turn: 14 down to 0, one a second.
  ASSERT_EQ(shown.size(), 15u);
  for (std::size_t k = 0; k < shown.size(); ++k) {
    const int value = 14 - static_cast<int>(k);
    EXPECT_EQ(shown[k].first, std::to_string(value));
    EXPECT_EQ(shown[k].second, value < 6 ? 0x0000FF : 0x00FF00) << value;
    EXPECT_EQ(warnings[k], std::max(0, 6 - value)) << value;
  }
  const auto bets = Sent(net::kTypeBet);
  ASSERT_EQ(bets.size(), 1u);
  EXPECT_EQ(AmountBytes(bets[0]), std::vector<int>(8, 0));
  EXPECT_FALSE(model::g_bMyTurn || model::g_bTurnArmed || net::g_bCountdownOn);
  EXPECT_FALSE(h.El("Operation", 1).visible || h.El("Time_Img").visible);
  EXPECT_EQ(h.El("lblYaZhu").caption, "0");
  EXPECT_EQ(model::g_iCountdown, model::g_iDefaultCountdown);
  EXPECT_EQ(model::g_iTimeoutCount, 1);
  EXPECT_FALSE(model::g_bAway);
}

TEST_F(BettingTest, AnotherPlayersTurnRunsOutWithoutAnAnswer) {
  Send(TurnFrame({.seat = 4}), kDealTime);
  h.RunFor(17000);
  EXPECT_TRUE(Sent(net::kTypeBet).empty());
  EXPECT_FALSE(net::g_bCountdownOn || h.El("Number").visible);
  EXPECT_EQ(model::g_iTimeoutCount, 0);
}

TEST_F(BettingTest, RepeatedTimeOutsHideTheTable) {
  ASSERT_EQ(model::g_iTimeoutLimit, 2);
  UsersTurn();
  h.RunFor(17000);
  EXPECT_EQ(model::g_iTimeoutCount, 1);
  EXPECT_FALSE(model::g_bAway);

  UsersTurn();
  h.RunFor(17000);
  EXPECT_EQ(model::g_iTimeoutCount, 2);
  EXPECT_TRUE(model::g_bAway && model::g_bHidden);
  EXPECT_TRUE(h.tree.Win("MainForm").minimized);
  EXPECT_EQ(h.lobby.Received(sim::kLobbyTitle).back().wparam, platform::kScMinimize);
  // The hide ran before the give-up's last step: the countdown went back to the hidden default.
  EXPECT_EQ(model::g_iCountdown, 0);
  EXPECT_EQ(Sent(net::kTypeBet).size(), 2u);

  // Away, the short turns still answer but are not counted.
  Send(TurnFrame({.seat = 1}), 3000);
  EXPECT_EQ(model::g_iTurnSeconds, 1);
  EXPECT_EQ(Sent(net::kTypeBet).size(), 3u);
  EXPECT_EQ(model::g_iTimeoutCount, 2);
}

TEST_F(BettingTest, HoverLoadsEachPictureOncePerEntry) {
  Move("ImgNum", 3);
  EXPECT_EQ(h.El("ImgNum", 3).picture, 233);
  h.El("ImgNum", 3).picture = 1;  // a second move must not load again
  Move("ImgNum", 3);
  EXPECT_EQ(h.El("ImgNum", 3).picture, 1);
  Move("Pic1");
  EXPECT_EQ(h.El("ImgNum", 3).picture, 223);
  EXPECT_FALSE(model::g_bNumHover[3]);

  UsersTurn();
  Move("Operation", 1);
  Move("Operation", 2);
  EXPECT_EQ(h.El("Operation", 1).picture, 592);
  EXPECT_EQ(h.El("Operation", 2).picture, 522);
  Move("Pic1");
  EXPECT_EQ(h.El("Operation", 1).picture, 590);
  EXPECT_EQ(h.El("Operation", 2).picture, 520);
}

TEST_F(BettingTest, InputForElementsThatAreNotThereIsIgnored) {
  UsersTurn();
  Click("ImgNum", 99);
  Move("ImgNum", 15);
  Move("Operation", 3);
  Click("Operation", 7);
  EXPECT_EQ(h.tree.Find("MainForm", "Operation", 3), nullptr);
  EXPECT_EQ(h.tree.Find("MainForm", "ImgNum", 15), nullptr);
  EXPECT_EQ(Display(), "");
}

}  // namespace
}  // namespace tlj::testing
