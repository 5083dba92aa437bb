#include "core/game/turn_start.h"
#include "core/game/cards.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/channels.h"
#include "core/net/pump.h"
#include "core/view/layout.h"
#include "tests/support/table_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

namespace tlj::testing {
namespace {

using ::testing::ElementsAre;

constexpr platform::TimeMs kDealTime = 1000;  // two card slides and the reply's way back

class TurnStartTest : public SeatedFixture {
 protected:
  void SetUp() override {
    SeatedFixture::SetUp();
    Send(NewHandFrame(100));
  }
};

TEST_F(TurnStartTest, TheUsersTurnOpensTheKeypadAndStartsTheClock) {
  h.sound.ClearCalls();
  Send(TurnFrame({.seat = 1, .rank0 = 4, .rank1 = 12, .min = 50, .max = 900, .round = 3}),
       kDealTime);
  EXPECT_TRUE(model::g_bMyTurn && model::g_bTurnArmed);
  EXPECT_TRUE(net::g_bCountdownOn);
  for (int k : {1, 2}) {
    EXPECT_TRUE(h.El("Operation", k).visible && h.El("Operation", k).enabled) << k;
  }
  for (int i = 0; i <= 14; ++i) EXPECT_TRUE(h.El("ImgNum", i).enabled) << i;
  EXPECT_EQ(h.El("Time_Img").left, 660);
  EXPECT_EQ(h.El("Time_Img").top, 585);
  EXPECT_EQ(h.El("Number").left, 708);
  EXPECT_EQ(h.El("Number").top, 590);
  EXPECT_EQ(h.El("Number").color, 0x00FF00);
  EXPECT_TRUE(h.El("Number").visible && h.El("Time_Img").visible);
  EXPECT_EQ(h.El("lblMin").caption, "50");
  EXPECT_EQ(h.El("lblMax").caption, "900");
  EXPECT_EQ(h.El("lblLunShu").caption, "3");
  EXPECT_THAT(Played(), ElementsAre("deliver_card.wav", "deliver_card.wav"));
  EXPECT_TRUE(Sent(net::kTypeBet).empty());

  // The gate cards face up at the user's places 0 and 2.
  EXPECT_EQ(model::g_iNextCard, 2);
  const auto& anchor = view::CardAnchor[0];
  EXPECT_EQ(h.El("imgDiPai", 0).left, anchor.x);
  EXPECT_EQ(h.El("imgDiPai", 1).left, anchor.x + 2 * view::CardPitch);
  EXPECT_EQ(h.El("imgDiPai", 0).picture, game::DisplayCode(4, 4));
  EXPECT_EQ(h.El("imgDiPai", 1).picture, game::DisplayCode(12, 8));
  EXPECT_TRUE(h.El("imgDiPai", 1).visible);
}

TEST_F(TurnStartTest, AnotherPlayersClockStandsBesideTheirSeat) {
  const double width = h.El("Time_Img").width;
  struct Case {
    std::uint8_t seat;
    double left;
    double top;
  } cases[] = {
      {2, 0.2 * width, 210},
      {4, 650, static_cast<double>(view::CardTop2)},
      {8, 1024 - 1.2 * width, 210},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.seat));
    Send(TurnFrame({.seat = c.seat}), kDealTime);
    EXPECT_DOUBLE_EQ(h.El("Time_Img").left, c.left);
    EXPECT_DOUBLE_EQ(h.El("Time_Img").top, c.top);
    EXPECT_DOUBLE_EQ(h.El("Number").left, c.left + 48);
    EXPECT_TRUE(h.El("Number").visible);
    EXPECT_FALSE(h.El("Operation", 1).visible);
    EXPECT_FALSE(model::g_bMyTurn);
    EXPECT_TRUE(net::g_bCountdownOn);
  }
}

TEST_F(TurnStartTest, ThePreviousTurnIsCleared) {
  Send(TurnFrame({.seat = 2}), kDealTime);
  Send(BetFrame(2, 0, 400));
  h.El("Speak", 3).visible = true;
  h.El("VImgCoin", 4).visible = true;
  net::ArmChannel(net::kReadyCountdownChannel);
  model::g_bCardTurned = model::g_bThirdDealt = true;
  Send(TurnFrame({.seat = 4}), kDealTime);
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(h.El("imgDiPai", i).visible || h.El("imgDiPai", i).enabled) << i;
  }
  EXPECT_TRUE(h.El("imgDiPai", 3).visible && h.El("imgDiPai", 4).visible);
  EXPECT_FALSE(h.El("Speak", 3).visible || h.El("VImgCoin", 4).visible);
  EXPECT_FALSE(net::PumpArmed[net::kReadyCountdownChannel]);
  EXPECT_FALSE(model::g_bCardTurned || model::g_bThirdDealt);
}

// Gate cards of neighbouring ranks leave no room for a third card: at the user's turn the
// client gives up by itself, a second after the cards are down and before the next command.
TEST_F(TurnStartTest, AdjacentRanksGiveUpByThemselves) {
  struct Case {
    int rank0;
    int rank1;
    bool adjacent;
  } cases[] = {
      {1, 2, true},    // ace, two
      {3, 2, true},    // three, two
      {13, 1, false},  // king, ace: the ace is low
      {9, 9, false},  {5, 9, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.rank0) + "-" + std::to_string(c.rank1));
    Send(NewHandFrame(100));
    h.sound.ClearCalls();
    const std::size_t bets_before = Sent(net::kTypeBet).size();

    // Watch, while the handler waits, for the bounds being shown (the cards are down then) and
    // for the give-up being queued (its sound goes with it).
    std::optional<platform::TimeMs> cards_down;
    std::optional<platform::TimeMs> give_up_queued;
    platform::Timer probe(h.loop, [&] {
      if (!cards_down && h.El("lblMax").caption == "777") cards_down = h.Now();
      if (!give_up_queued && TimesPlayed("giveup.wav") > 0) give_up_queued = h.Now();
    });
    probe.SetInterval(10);
    probe.SetEnabled(true);
    h.ServerSend(TurnFrame({.seat = 1, .rank0 = c.rank0, .rank1 = c.rank1, .max = 777}));
    h.ServerSend(BetFrame(8, 300, 900));  // the next command, already waiting
    h.RunFor(4000);
    probe.SetEnabled(false);

    const auto bets = Sent(net::kTypeBet);
    ASSERT_EQ(bets.size(), bets_before + (c.adjacent ? 1 : 0));
    EXPECT_FALSE(h.El("Time_Img").visible && c.adjacent);
    if (!c.adjacent) {
      EXPECT_TRUE(model::g_bMyTurn);
      continue;
    }
    EXPECT_FALSE(model::g_bTurnArmed);
    EXPECT_EQ(bets.back()[net::kSeatAt], 1);
    EXPECT_EQ(bets.back()[net::user_bet::kAmountAt + 7], 0);
    ASSERT_TRUE(cards_down && give_up_queued);
    EXPECT_GE(*give_up_queued - *cards_down, 1000);
    EXPECT_LE(*give_up_queued - *cards_down, 1100);
    // The give-up was queued before the next command was handled.
    const auto played = Played();
    const auto give_up = std::find(played.begin(), played.end(), "giveup.wav");
    const auto next = std::find(played.begin(), played.end(), "coin_move.wav");
    EXPECT_LT(give_up - played.begin(), next - played.begin());
    EXPECT_NE(next, played.end());
  }
}

TEST_F(TurnStartTest, AFifthTurnDealsNoGateCards) {
  model::g_iNextCard = 12;
  h.sound.ClearCalls();
  Send(TurnFrame({.seat = 4}), kDealTime);
  EXPECT_EQ(model::g_iNextCard, 0);
  for (int i = 0; i < 12; ++i) EXPECT_FALSE(h.El("imgDiPai", i).visible) << i;
  EXPECT_TRUE(Played().empty());
  EXPECT_TRUE(net::g_bCountdownOn);
}

TEST_F(TurnStartTest, TheHotPotStakeFollowsThePhase) {
  struct Case {
    std::uint8_t phase;
    std::uint64_t min;
    const char* hot_pot;
    const char* reserved;
  } cases[] = {
      // Pot 500 - initial 400 + 1 = 101 is below the minimum.
      {net::turn_start::kHotPotPhase, 200, "200", "200"},
      {net::turn_start::kHotPotPhase, 50, "101", "200"},
      {net::turn_start::kFreeBuyInPhase, 50, "0", "0"},
      {7, 50, "0", "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.phase));
    Send(NewHandFrame(100));
    h.El("lblCaiChi").caption = "500";
    Send(TurnFrame({.seat = 2, .min = c.min, .phase = c.phase}), kDealTime);
    EXPECT_EQ(h.El("lblReGuoZhu").caption, c.hot_pot);
    EXPECT_EQ(h.El("lblYuLiuGuoDi").caption, c.reserved);
    EXPECT_EQ(model::g_iPhase, c.phase);
  }
}

TEST_F(TurnStartTest, TheFreeBuyInStageSwitchesTheHotPotKeyOff) {
  Send(TurnFrame({.seat = 1, .phase = net::turn_start::kFreeBuyInPhase}), kDealTime);
  EXPECT_FALSE(h.El("ImgNum", 12).enabled);
  EXPECT_EQ(h.El("ImgNum", 12).picture, 210);
  EXPECT_TRUE(h.El("ImgNum", 11).enabled);
}

// The countdown takes its first step in the tick that starts the turn.
TEST_F(TurnStartTest, HiddenModeGivesOneSecond) {
  model::g_bHidden = true;
  Send(TurnFrame({.seat = 1}), kDealTime);
  EXPECT_EQ(model::g_iTurnSeconds, 1);
  EXPECT_EQ(h.El("Number").caption, "0");
  h.RunFor(1000);
  EXPECT_FALSE(net::g_bCountdownOn);
  model::g_bHidden = false;
  Send(TurnFrame({.seat = 1}), kDealTime);
  EXPECT_EQ(model::g_iTurnSeconds, 15);
  EXPECT_EQ(h.El("Number").caption, "14");
}

}  // namespace
}  // namespace tlj::testing
