#include "core/game/end_commands.h"
#include "core/game/login_reply.h"
#include "core/model/button_indexes.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/channels.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/net/rings.h"
#include "core/view/animations.h"
#include "core/view/shuffle_caption.h"
#include "tests/support/fake_downloader.h"
#include "tests/support/table_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tlj::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using net::end_of_hand::kHidePanel;
using net::end_of_hand::kNothing;
constexpr std::uint8_t kOutOfCoins = 3;  // and any status above it

class EndOfHandTest : public LoggedInFixture {
 protected:
  void SetUp() override {
    LoggedInFixture::SetUp();
    SeatEveryone();
    model::AdPanelPage = "http://ads.example/p.gamead";
  }
};

// Status 0.

TEST_F(EndOfHandTest, NormalEndWithoutAHandChangesNothing) {
  model::g_bTimeLimit = false;
  Send(EndOfHandFrame({.shuffle_after_game = 1, .show_shuffle_now = 1}));
  EXPECT_FALSE(model::g_bShuffleNext);
  EXPECT_FALSE(model::g_bShufflePending);
  EXPECT_FALSE(model::g_bShuffleShown);
  EXPECT_FALSE(h.El("ImgShuffle").visible);
}

TEST_F(EndOfHandTest, SpectatorOnlyEndsTheHand) {
  model::g_bSpectator = true;
  Send(EndOfHandFrame({.shuffle_after_game = 1, .show_shuffle_now = 1}));
  EXPECT_FALSE(model::g_bTimeLimit);
  EXPECT_FALSE(model::g_bShuffleNext);
  EXPECT_FALSE(model::g_bShufflePending);
}

TEST_F(EndOfHandTest, ShuffleAnnouncedButNotShownYet) {
  Send(EndOfHandFrame({.shuffle_after_game = 1}));
  EXPECT_FALSE(model::g_bTimeLimit);
  EXPECT_TRUE(model::g_bShuffleNext);
  EXPECT_TRUE(model::g_bShufflePending);
  EXPECT_FALSE(model::g_bShuffleShown);
  EXPECT_FALSE(h.El("ImgShuffle").visible);
  EXPECT_FALSE(h.El("LblShuffle").visible);
  EXPECT_FALSE(view::ShuffleCaptionRunning());
  // The countdown and the notice move to the left edge of the table.
  EXPECT_EQ(h.El("Time_Img").left, 55);
  EXPECT_EQ(h.El("Time_Img").top, 365);
  EXPECT_EQ(h.El("Number").left, 103);
  EXPECT_EQ(h.El("Number").top, 370);
  const auto& image = h.El("ImgShuffle");
  EXPECT_EQ(image.left, 55 + h.El("Time_Img").width + 6);
  EXPECT_EQ(image.top, 372);
  EXPECT_EQ(h.El("LblShuffle").left, image.left);
  EXPECT_EQ(h.El("LblShuffle").top, 378);
  const auto& panel = h.El("WebBrowser2");
  EXPECT_EQ(panel.left, image.left);
  EXPECT_EQ(panel.top, image.top + image.height);
  EXPECT_EQ(panel.width, image.width);
  EXPECT_EQ(panel.height, 2 * image.height);
}

TEST_F(EndOfHandTest, ShuffleNoticeShownAtOnce) {
  FakeDownloader downloads(h.loop);  // the notice's page stays on its way
  platform::Sys().downloader = &downloads;
  Send(EndOfHandFrame({.show_shuffle_now = 1}));
  platform::Sys().downloader = nullptr;
  EXPECT_FALSE(model::g_bShuffleNext);
  EXPECT_TRUE(model::g_bShufflePending);
  EXPECT_TRUE(model::g_bShuffleShown);
  EXPECT_TRUE(h.El("ImgShuffle").visible);
  EXPECT_TRUE(h.El("LblShuffle").visible);
  EXPECT_EQ(h.El("LblShuffle").caption, "正在随机换座中..");
  EXPECT_TRUE(view::ShuffleCaptionRunning());
  EXPECT_TRUE(h.El("WebBrowser2").visible);
  EXPECT_EQ(h.El("WebBrowser2").url, "http://ads.example/p.gamead");
  EXPECT_EQ(downloads.urls, std::vector<std::string>{"http://ads.example/p.gamead"});
}

// Statuses 1 and 2.

TEST_F(EndOfHandTest, StatusOneDoesNothing) {
  h.El("WebBrowser2").visible = true;
  const auto sysmsg = h.SysmsgLines(0);
  Send(EndOfHandFrame(
      {.status = kNothing, .seats = 0xF, .shuffle_after_game = 0xF, .show_shuffle_now = 1}));
  EXPECT_TRUE(model::g_bTimeLimit);
  EXPECT_TRUE(h.El("WebBrowser2").visible);
  EXPECT_FALSE(model::g_bShufflePending);
  EXPECT_EQ(h.SysmsgLines(0), sysmsg);
  EXPECT_EQ(model::custom[1].name, "p1");
}

TEST_F(EndOfHandTest, StatusTwoHidesThePanel) {
  h.El("WebBrowser2").visible = true;
  Send(EndOfHandFrame({.status = kHidePanel}));
  EXPECT_FALSE(h.El("WebBrowser2").visible);
  EXPECT_TRUE(model::g_bTimeLimit);
}

// Status 3 and above: coins too low.

TEST_F(EndOfHandTest, AnotherPlayerWithoutCoins) {
  model::g_bShufflePending = true;
  h.El("ImgShuffle").visible = true;
  net::HandInProgress = true;
  model::g_bGameStarted = true;
  Send(EndOfHandFrame({.status = kOutOfCoins, .seats = 4}));
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("玩家nick2金币不够，退出游戏！"));
  EXPECT_FALSE(model::g_bGameStarted);
  EXPECT_FALSE(net::HandInProgress);
  EXPECT_FALSE(model::g_bShufflePending);
  EXPECT_FALSE(h.El("ImgShuffle").visible);
  // The user stays at the table; the player's seat waits for the server's departure.
  EXPECT_TRUE(h.ServerConnected());
  EXPECT_FALSE(h.tree.Win("frmOtherExit").visible);
  EXPECT_EQ(model::custom[2].name, "p2");
  EXPECT_FALSE(h.Ended());
}

TEST_F(EndOfHandTest, SeatsWithoutAPlayerOnlyShowTheLine) {
  Send(PlayerLeftFrame("p3"));
  Send(EndOfHandFrame({.status = kOutOfCoins, .seats = 8}));
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("玩家金币不够，退出游戏！"));
  EXPECT_TRUE(h.ServerConnected());
}

struct LoseTableCase {
  const char* name;
  std::uint8_t change_room_seats;
  const char* text;
};

class UserWithoutCoinsTest : public EndOfHandTest,
                             public ::testing::WithParamInterface<LoseTableCase> {};

TEST_P(UserWithoutCoinsTest, LosesTheTable) {
  model::juNum = 3;
  net::HandInProgress = true;
  model::g_bReturnToLobby = false;
  model::g_bBtnLocked[model::kReadyButton] = true;
  Send(EndOfHandFrame(
           {.status = kOutOfCoins, .seats = 1, .other_room_seats = GetParam().change_room_seats}),
       3000);
  ASSERT_FALSE(h.Ended());
  EXPECT_EQ(h.tree.El("frmOtherExit", "Label1").caption, GetParam().text);
  EXPECT_TRUE(h.tree.Win("frmOtherExit").visible);
  EXPECT_TRUE(h.tree.Win("Score").visible);
  // The link was closed before leaving: no leave frame reached the server.
  EXPECT_FALSE(h.ServerConnected());
  EXPECT_EQ(Sent(net::kTypeEndOfHand).size(), 0u);
  EXPECT_EQ(model::juNum, 0);
  EXPECT_EQ(model::g_iPlayerCount, 0);
  EXPECT_EQ(net::RecvRing.Unread(), 0u);
  EXPECT_TRUE(model::g_bReturnToLobby);
  EXPECT_FALSE(model::g_bBtnLocked[model::kReadyButton]);
  EXPECT_FALSE(net::HandInProgress);
  EXPECT_FALSE(net::KeepAliveEnabled());
  EXPECT_FALSE(net::PumpArmed[net::kLinkWatchChannel]);
  EXPECT_FALSE(net::PumpArmed[net::kReadyCountdownChannel]);
  EXPECT_THAT(h.SysmsgLines(0), IsEmpty());
  for (int p = 1; p <= 3; ++p) {
    EXPECT_TRUE(model::custom[p].name.empty()) << p;
    EXPECT_TRUE(h.El("Nid", p).caption.empty()) << p;
    EXPECT_FALSE(h.El("Tou", p).picture.has_value()) << p;
    EXPECT_FALSE(h.tree.El("Hero", "Tou", p).picture.has_value()) << p;
    EXPECT_TRUE(h.tree.El("Score", "ID", p).caption.empty()) << p;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UserWithoutCoinsTest,
    ::testing::Values(LoseTableCase{"ChangeRoom", 1, "您的金币不够，请更换房间或充值后继续游戏！"},
                      LoseTableCase{"ClaimAllowance", 0xE,
                                    "您的金币不够，请领取低保或充值后继续游戏！"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(EndOfHandTest, SpectatorsWatchEndsWhenAPlayerRunsOutOfCoins) {
  model::g_bSpectator = true;
  Send(EndOfHandFrame({.status = kOutOfCoins, .seats = 2}));
  ASSERT_TRUE(h.Ended());
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].text, "有用户退出，旁观结束！");
}

// End of game.

TEST_F(EndOfHandTest, GameOverClearsTheTable) {
  net::ArmChannel(net::kTurnCountdownChannel);
  h.El("Time_Img").visible = true;
  h.El("imghorn").visible = true;
  h.tree.El("Score", "State", 6).lines = {"old"};
  view::StakeFlight(0, 37);
  ASSERT_GT(view::CoinsOnTable, 0);
  Send(sim::MakeFrame(net::kTypeGameOver));
  EXPECT_FALSE(net::PumpArmed[net::kTurnCountdownChannel]);
  EXPECT_FALSE(h.El("imghorn").visible);
  EXPECT_FALSE(h.El("ucBuGuo").visible);
  EXPECT_EQ(view::CoinsOnTable, 0);
  EXPECT_EQ(h.tree.Find("MainForm", "imgCoin", 1), nullptr);
  EXPECT_THAT(h.tree.El("Score", "State", 6).lines, IsEmpty());
  EXPECT_EQ(model::g_iPlayerCount, 0);
  // The score sheet ran: the ready countdown is on.
  EXPECT_TRUE(net::PumpArmed[net::kReadyCountdownChannel]);
  EXPECT_TRUE(h.El("Time_Img").visible);
}

}  // namespace
}  // namespace tlj::testing
