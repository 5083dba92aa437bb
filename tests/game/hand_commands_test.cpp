#include "core/game/hand_commands.h"
#include "core/game/cards.h"
#include "core/model/button_indexes.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/channels.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/lobby_link.h"
#include "core/view/animations.h"
#include "core/view/layout.h"
#include "tests/support/frame_bytes.h"
#include "tests/support/table_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace tlj::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;

constexpr platform::TimeMs kResultTime = 3000;  // the coin flights and waits of a result

using HandCommandsTest = SeatedFixture;

TEST_F(HandCommandsTest, NewHandTakesTheAnteIntoAFreshPot) {
  struct Case {
    std::uint64_t ante;
    const char* pot;
    const char* initial;
    const char* reserved;
    double net_win;
    int coin_sounds;
  } cases[] = {
      {100, "400", "400", "200", -100, 4},
      {0, "77", "66", "55", 0, 0},  // no ante: the pot and its labels stay as they were
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ante);
    model::g_dNetWin = {};
    h.El("lblCaiChi").caption = "77";
    h.El("lblChuShiGuoDi").caption = "66";
    h.El("lblYuLiuGuoDi").caption = "55";
    h.sound.ClearCalls();
    Send(NewHandFrame(c.ante));
    EXPECT_EQ(h.El("lblCaiChi").caption, c.pot);
    EXPECT_EQ(h.El("lblChuShiGuoDi").caption, c.initial);
    EXPECT_EQ(h.El("lblYuLiuGuoDi").caption, c.reserved);
    EXPECT_THAT(model::g_dNetWin, ElementsAre(c.net_win, c.net_win, c.net_win, c.net_win));
    if (c.coin_sounds == 0) {
      EXPECT_EQ(TimesPlayed("coin_move.wav"), 0);
    } else {
      EXPECT_GE(TimesPlayed("coin_move.wav"), c.coin_sounds);
    }
    // Coins and the pile are shown either way.
    EXPECT_EQ(h.El("Cash", 2).caption, "1002金币");
    EXPECT_TRUE(h.El("imgDiPai", 11).visible);
  }
}

TEST_F(HandCommandsTest, NewHandLocksReadyAndLaysThePile) {
  model::custom[0].seat = 4;  // the user at seat 2: seat 0's coins belong to position 2
  model::g_iNextCard = 7;
  net::EnableKeepAlive(true);
  h.tree.Win("frmExit").visible = true;
  net::ArmChannel(net::kReadyCountdownChannel);
  net::Frame hand = NewHandFrame(0);
  PutLe32(hand, net::kHandIdAt, 0x1234);
  Send(hand);

  EXPECT_TRUE(net::HandInProgress);
  EXPECT_TRUE(model::g_bBtnLocked[model::kReadyButton]);
  EXPECT_TRUE(model::g_bTimeLimit && model::g_bHandPlayed);
  EXPECT_EQ(model::HandId, 0x1234u);
  EXPECT_FALSE(net::KeepAliveEnabled());
  EXPECT_FALSE(net::PumpArmed[net::kReadyCountdownChannel]);
  EXPECT_FALSE(h.tree.Win("frmExit").visible);
  EXPECT_THAT(h.LobbyMessages(), Contains(platform::kHandStarts));
  EXPECT_EQ(h.El("Cash", 2).caption, "1000金币");
  EXPECT_EQ(h.El("Cash", 0).caption, "1002金币");
  EXPECT_EQ(h.El("ImgNum", 12).picture, 202);

  EXPECT_EQ(model::g_iNextCard, 0);
  for (int i = 0; i < 12; ++i) {
    const auto& card = h.El("imgDiPai", i);
    EXPECT_TRUE(card.visible && card.enabled) << i;
    EXPECT_EQ(card.picture, game::kCardBack) << i;
    EXPECT_EQ(card.top, view::CardTop2);
    EXPECT_DOUBLE_EQ(card.left, view::PileLeft + i * 0.07 * view::CardPitch);
    if (i > 0) {
      EXPECT_GT(h.El("imgDiPai", 0).z, card.z) << i;  // card 0 lies in front
    }
    EXPECT_GT(card.z, h.El("Pic1").z) << i;  // on the table, not under it
  }
}

TEST_F(HandCommandsTest, AGiveUpShowsABubbleThatHidesTwentyTicksLater) {
  Send(NewHandFrame(10));
  model::g_iNextCard = 2;
  h.sound.ClearCalls();
  const int coins = view::CoinsOnTable;
  Send(BetFrame(4, 0, 321), 150);
  EXPECT_EQ(h.El("Speak", 2).picture, 581);
  EXPECT_TRUE(h.El("Speak", 2).visible);
  EXPECT_THAT(Played(), ElementsAre("giveup.wav"));
  EXPECT_FALSE(h.El("imgDiPai", 2).visible);  // no third card for a give-up
  EXPECT_EQ(view::CoinsOnTable, coins);
  EXPECT_EQ(h.El("lblCaiChi").caption, "321");
  EXPECT_EQ(h.El("lblYaZhu").caption, "0");
  EXPECT_EQ(model::g_iNextCard, 3);
  h.RunFor(800);
  EXPECT_TRUE(h.El("Speak", 2).visible);
  h.RunFor(300);
  EXPECT_FALSE(h.El("Speak", 2).visible);
}

TEST_F(HandCommandsTest, TheUsersOwnGiveUpShowsNoBubble) {
  Send(NewHandFrame(10));
  model::g_iNextCard = 2;
  h.sound.ClearCalls();
  Send(BetFrame(1, 0, 40));
  EXPECT_FALSE(h.El("Speak", 0).visible);
  EXPECT_TRUE(Played().empty());
  EXPECT_FALSE(h.El("imgDiPai", 2).visible);
}

TEST_F(HandCommandsTest, AStakeFliesAndTheThirdCardLandsFaceDownBetweenTheGateCards) {
  Send(NewHandFrame(10));
  model::g_iNextCard = 2;
  const int coins = view::CoinsOnTable;
  h.sound.ClearCalls();
  Send(BetFrame(8, 250, 290), 1000);
  EXPECT_GT(view::CoinsOnTable, coins);
  EXPECT_THAT(Played(), Contains("deliver_card.wav"));
  const auto& card = h.El("imgDiPai", 2);
  EXPECT_EQ(card.picture, game::kCardBack);
  EXPECT_EQ(card.left, view::CardAnchor[3].x + view::CardPitch);
  EXPECT_EQ(card.top, view::CardAnchor[3].y);
  EXPECT_TRUE(model::g_bThirdDealt);
  EXPECT_EQ(model::g_iLastActor, 3);
  EXPECT_EQ(h.El("lblYaZhu").caption, "250");
  EXPECT_EQ(h.El("lblMax").caption, "0");
  EXPECT_EQ(model::g_iRank[2], 7);
  EXPECT_EQ(model::g_iSuit[2], 2);
}

// A cursor file beside the program marks the face-down card as one to click; the next hand's
// pile shows the ordinary pointer again.
TEST_F(HandCommandsTest, TheDealtCardShowsTheCustomPointerWhenTheFileIsThere) {
  for (const bool file : {false, true}) {
    SCOPED_TRACE(file ? "custom.cur present" : "no custom.cur");
    if (file) std::ofstream(h.app_dir.path() / "custom.cur") << "cursor";
    Send(NewHandFrame(10));
    model::g_iNextCard = 2;
    Send(BetFrame(8, 250, 290), 1000);
    const auto& card = h.El("imgDiPai", 2);
    EXPECT_EQ(card.pointer, file ? platform::Pointer::Custom : platform::Pointer::Default);
    EXPECT_EQ(card.pointerFile, file ? (h.app_dir.path() / "custom.cur").string() : "");
    Send(NewHandFrame(10));
    EXPECT_EQ(h.El("imgDiPai", 2).pointer, platform::Pointer::Default);
  }
}

TEST_F(HandCommandsTest, AWinPaysOutAccordingToWhatIsLeftInThePot) {
  struct Case {
    std::uint64_t pot_after;
    const char* first_sound;
    int coins_laid;  // coins of the re-laid pot, or -1 when nothing is laid
  } cases[] = {
      {300, "vs_win.wav", 3},  // 300 is laid again as three coins of 100
      {0, "victory.wav", -1},  // the whole pot is swept to the winner
      {800, "vs_win.wav", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pot_after);
    Send(NewHandFrame(10));
    Send(TurnFrame({.seat = 4}), 1000);
    Send(BetFrame(4, 150, 190), 1000);
    model::g_dNetWin[2] = 0;
    h.sound.ClearCalls();
    const int coins_before = view::CoinsOnTable;
    Send(BetResultFrame({.seat = 4,
                         .outcome = net::bet_result::kWon,
                         .stake = 150,
                         .coins = 4321,
                         .pot = c.pot_after}),
         kResultTime);
    const auto played = Played();
    ASSERT_FALSE(played.empty());
    EXPECT_EQ(played.front(), c.first_sound);
    EXPECT_EQ(played.back(), "coin_move.wav");
    EXPECT_EQ(model::g_dNetWin[2], 150);
    EXPECT_EQ(h.El("Cash", 2).caption, "4321金币");
    EXPECT_EQ(h.El("lblCaiChi").caption, std::to_string(c.pot_after));
    EXPECT_EQ(view::CoinsOnTable, c.coins_laid >= 0 ? c.coins_laid : coins_before);
    EXPECT_FALSE(h.El("imghorn").visible);
    EXPECT_EQ(h.El("imgDiPai", 2).picture, game::DisplayCode(7, 2));  // the third card shows
  }
}

TEST_F(HandCommandsTest, ALossPaysIntoThePot) {
  Send(NewHandFrame(10));
  Send(TurnFrame({.seat = 2}), 1000);
  Send(BetFrame(2, 120, 160), 1000);
  model::g_dNetWin[1] = 0;
  h.sound.ClearCalls();
  const int coins = view::CoinsOnTable;
  Send(BetResultFrame({.seat = 2,
                       .outcome = net::bet_result::kLost,
                       .stake = 120,
                       .coins = 880,
                       .paid = 120,
                       .pot = 280}),
       kResultTime);
  EXPECT_EQ(Played().front(), "vs_lost.wav");
  EXPECT_EQ(Played().back(), "coin_move.wav");
  EXPECT_EQ(model::g_dNetWin[1], -120);
  EXPECT_TRUE(h.El("imghorn").visible);
  EXPECT_GT(view::CoinsOnTable, coins);
  EXPECT_EQ(h.El("Cash", 1).caption, "880金币");
}

TEST_F(HandCommandsTest, AThirdCardTheUserTurnedIsNotShownAgain) {
  Send(NewHandFrame(10));
  Send(TurnFrame({.seat = 1}), 1000);
  Send(BetFrame(1, 150, 190), 1000);
  h.sound.ClearCalls();
  Click("imgDiPai", 2);
  EXPECT_THAT(Played(), ElementsAre("kanpai.wav"));
  EXPECT_EQ(h.El("imgDiPai", 2).picture, game::DisplayCode(7, 2));
  EXPECT_TRUE(model::g_bCardTurned);
  h.El("imgDiPai", 2).picture = 999;  // marks what ShowCard would overwrite
  Send(BetResultFrame({.seat = 1, .outcome = 3, .stake = 150, .coins = 900, .pot = 190}),
       kResultTime);
  EXPECT_EQ(h.El("imgDiPai", 2).picture, 999);
}

TEST_F(HandCommandsTest, OnlyADealtThirdCardTurns) {
  Send(NewHandFrame(10));
  Send(TurnFrame({.seat = 2}), 1000);
  h.sound.ClearCalls();
  Click("imgDiPai", 2);  // the bet has not come yet
  Click("imgDiPai", 1);  // a gate card
  EXPECT_TRUE(Played().empty());
  EXPECT_FALSE(model::g_bCardTurned);
}

TEST_F(HandCommandsTest, APotRefillIsPaidByEverySeatItNames) {
  struct Case {
    std::uint8_t bits;
    bool third_seat_empty;
    std::array<double, 4> net_win;
  } cases[] = {
      {0x05, false, {-30, 0, -30, 0}},
      {0x0F, true, {-30, -30, 0, -30}},  // an empty position pays nothing
      {0xF0, false, {0, 0, 0, 0}},       // only the low bits name seats
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.bits));
    FillSeats();
    if (c.third_seat_empty) model::custom[2] = {};
    model::g_dNetWin = {};
    Send(PotRefillFrame(c.bits, 30, 555, 70), 3000);
    EXPECT_EQ(model::g_dNetWin, c.net_win);
    EXPECT_EQ(h.El("lblCaiChi").caption, "555");
    EXPECT_EQ(h.El("Cash", 3).caption, "73金币");
    EXPECT_FALSE(h.El("ucBuGuo").visible);
  }
}

TEST_F(HandCommandsTest, APotUpdateNeedsItsValidFlag) {
  h.El("lblCaiChi").caption = "12";
  for (const int flag : {0, 2, 1}) {
    Send(PotUpdateFrame(static_cast<std::uint8_t>(flag), 4096));
    EXPECT_EQ(h.El("lblCaiChi").caption, flag == 1 ? "4096" : "12") << flag;
  }
}

// Whatever the bytes, a handler finishes and the client goes on.
TEST_F(HandCommandsTest, AnyByteValuesAreHandled) {
  for (const int fill : {0x00, 0x05, 0x7F, 0xFF}) {
    for (const std::uint8_t type :
         {net::kTypeNewHand, net::kTypeTurnStart, net::kTypeBet, net::kTypeBetResult,
          net::kTypePotRefill, net::kTypePotUpdate, net::kTypeBet, net::kTypeBetResult,
          net::kTypeTurnStart, net::kTypeTurnStart, net::kTypeTurnStart, net::kTypeTurnStart,
          net::kTypeTurnStart}) {
      net::Frame f{};
      f.fill(static_cast<std::uint8_t>(fill));
      f[net::kTypeAt] = type;
      // Card codes in range, so the frame is not dropped: the gate cards' and the third card's.
      f[net::turn_start::kGateCardsAt] = f[net::bet::kThirdCardAt] = 0x00;
      f[net::kHandIdAt + 3] = 0x00;  // the hand id too
      PutToken(f, 0, 0);
      Send(f, type == net::kTypePotRefill ? 2000 : 3000);
      ASSERT_FALSE(h.Ended()) << int{type} << " " << fill;
    }
  }
}

}  // namespace
}  // namespace tlj::testing
