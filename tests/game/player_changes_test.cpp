#include "core/game/player_changes.h"
#include "core/actions/table_buttons.h"
#include "core/model/button_indexes.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/channels.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/lobby_link.h"
#include "core/view/image_tables.h"
#include "tests/support/frame_bytes.h"
#include "tests/support/table_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tlj::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Arrivals.

using PlayerArrivesTest = LoggedInFixture;

TEST_F(PlayerArrivesTest, FirstArrivalGivesTheUsersSeat) {
  Send(PlayerArrivesFrame({.account = "p3", .seat = 8, .nick = "x"}, 4));
  EXPECT_EQ(model::custom[0].seat, 4);
  // Seat bit 8 follows the user's seat bit 4: the next seat, position 1.
  EXPECT_EQ(model::custom[1].name, "p3");
  EXPECT_EQ(model::custom[1].seat, 8);
  EXPECT_EQ(model::g_iPlayerCount, 1);
}

TEST_F(PlayerArrivesTest, FillsTheSeatAndBothWindows) {
  Arrive(User());
  Arrive({.account = "p2",
          .seat = 4,
          .nick = "老王",
          .coins = 1234,
          .face = "w3",
          .tag = "高手",
          .title = "第三级"});
  EXPECT_EQ(h.El("Nid", 2).caption, "[高手] 老王");
  EXPECT_EQ(h.El("Cash", 2).caption, "1234金币");
  EXPECT_EQ(h.El("Level", 2).caption, "第三级");
  // Face "w3" is avatar index 12, picture 252, everywhere the player is shown.
  EXPECT_EQ(h.El("Tou", 2).picture, 252);
  EXPECT_EQ(h.tree.El("Score", "Tou", 2).picture, 252);
  EXPECT_EQ(h.tree.El("Hero", "Tou", 2).picture, 252);
  EXPECT_EQ(h.tree.El("Score", "ID", 2).caption, "老王");
  EXPECT_EQ(h.tree.El("Hero", "ID", 2).caption, "老王");
  EXPECT_EQ(model::ScoreTouTag[2], "12");
  EXPECT_EQ(model::g_tInfo[2].nick, "老王");
  EXPECT_EQ(model::g_tInfo[2].PicIndex, 12);
  EXPECT_EQ(model::profile[2].coins, 1234);
}

struct BadgeCase {
  std::uint64_t coins;
  bool ready;
  int picture;
};

class ReadyBadgeTest : public LoggedInFixture, public ::testing::WithParamInterface<BadgeCase> {};

TEST_P(ReadyBadgeTest, PictureByCoinsShownWhenReady) {
  Arrive(User());
  Player p = Other(1, GetParam().ready);
  p.coins = GetParam().coins;
  Arrive(p);
  EXPECT_EQ(h.El("OK", 1).picture, GetParam().picture);
  EXPECT_EQ(h.El("OK", 1).visible, GetParam().ready);
}

INSTANTIATE_TEST_SUITE_P(Classes, ReadyBadgeTest,
                         ::testing::Values(BadgeCase{19999, true, 280}, BadgeCase{20000, true, 281},
                                           BadgeCase{59999, true, 281}, BadgeCase{60000, true, 282},
                                           BadgeCase{60000, false, 282}));

TEST_F(PlayerArrivesTest, FourthBeforeAnyHandStartsTheGame) {
  h.tree.Win("MainForm").minimized = true;
  model::AddSysmsg(0, "older line");
  Arrive(User());
  Arrive(Other(1));
  Arrive(Other(2));
  EXPECT_FALSE(model::g_bGameStarted);
  h.lobby.ClearReceived(sim::kLobbyTitle);
  Arrive(Other(3));
  EXPECT_TRUE(model::g_bGameStarted);
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("游戏将在15秒内开始"));
  EXPECT_TRUE(h.tree.Win("MainForm").visible);
  EXPECT_FALSE(h.tree.Win("MainForm").minimized);
  const auto& lobby = h.lobby.Received(sim::kLobbyTitle);
  ASSERT_EQ(lobby.size(), 1u);
  EXPECT_EQ(lobby[0].msg, platform::kWmSysCommand);
  EXPECT_EQ(lobby[0].wparam, platform::kScMinimize);
}

// The table window comes back when the table fills: hidden mode ends as with any restore, or
// the new stay would play 1-second turns and hide itself again.
class ArrivalAfterHidingTest : public LoggedInFixture {
 protected:
  void ExpectHiddenModeEndsWithTheFourthArrival() {
    ASSERT_TRUE(model::g_bHidden && model::g_bHiddenTurns);
    ASSERT_TRUE(h.tree.Win("MainForm").minimized);
    model::g_iTimeoutCount = 1;
    Arrive(User());
    Arrive(Other(1));
    Arrive(Other(2));
    h.lobby.ClearReceived(sim::kLobbyTitle);
    Arrive(Other(3));
    EXPECT_FALSE(h.tree.Win("MainForm").minimized);
    EXPECT_EQ(h.tree.ActiveWindow(), "MainForm");
    ASSERT_TRUE(h.tree.Focus().has_value());
    EXPECT_EQ(h.tree.Focus()->name, "Chat");
    EXPECT_FALSE(model::g_bHidden);
    EXPECT_FALSE(model::g_bHiddenTurns);
    EXPECT_FALSE(model::g_bAway);
    EXPECT_EQ(model::g_iDefaultCountdown, 15);
    EXPECT_EQ(model::g_iTimeoutCount, 0);
    const auto& lobby = h.lobby.Received(sim::kLobbyTitle);
    ASSERT_EQ(lobby.size(), 1u);
    EXPECT_EQ(lobby[0].wparam, platform::kScMinimize);
    // The first turn of the game is a whole one again.
    Send(NewHandFrame(100));
    Send(TurnFrame({.seat = 1}), 1000);
    EXPECT_EQ(model::g_iTurnSeconds, 15);
  }
};

TEST_F(ArrivalAfterHidingTest, HiddenWithF1BeforeTheTableFilled) {
  actions::HideTable();
  ExpectHiddenModeEndsWithTheFourthArrival();
}

TEST_F(ArrivalAfterHidingTest, HiddenByTimeOutsInTheStayBefore) {
  SeatEveryone();
  Send(NewHandFrame(100));
  for (int turn = 0; turn < model::g_iTimeoutLimit; ++turn) {
    Send(TurnFrame({.seat = 1}), 1000);
    h.RunFor(17000);
  }
  h.lobby.PostToClient(platform::kLeaveNow);
  h.RunFor(1000);
  h.lobby.PostToClient(platform::kEnterTable);
  h.RunFor(200);
  LogIn();
  ExpectHiddenModeEndsWithTheFourthArrival();
}

TEST_F(PlayerArrivesTest, ThirdArrivalUnlocksTheRecordButtons) {
  model::g_bBtnLocked[model::kScoreButton] = model::g_bBtnLocked[model::kRankingButton] = true;
  Arrive(User());
  Arrive(Other(1));
  EXPECT_TRUE(model::g_bBtnLocked[model::kScoreButton]);
  Arrive(Other(2));
  EXPECT_FALSE(model::g_bBtnLocked[model::kScoreButton]);
  EXPECT_FALSE(model::g_bBtnLocked[model::kRankingButton]);
}

TEST_F(PlayerArrivesTest, NewcomerFindingTheOthersReadyArmsTheGame) {
  SeatEveryone(true);
  // A hand was played; player 2 leaves and a newcomer takes the seat.
  model::g_bHandPlayed = true;
  model::g_bTimeLimit = false;
  Send(PlayerLeftFrame("p2"));
  ASSERT_FALSE(model::g_bGameStarted);
  Arrive({.account = "new", .seat = 4, .nick = "new", .ready = true});
  EXPECT_TRUE(model::g_bGameStarted);
  EXPECT_TRUE(model::g_bBtnLocked[model::kReadyButton]);
  EXPECT_EQ(h.El("AnNiu", model::kReadyButton).picture, view::ButtonImageIds[6]);
}

TEST_F(PlayerArrivesTest, HidesTheSeatChangeNotice) {
  model::g_bShufflePending = true;
  model::g_bShuffleShown = true;
  model::g_bReturnToLobby = true;
  h.El("ImgShuffle").visible = true;
  h.El("WebBrowser2").visible = true;
  Arrive(User());
  EXPECT_FALSE(h.El("ImgShuffle").visible);
  EXPECT_FALSE(h.El("WebBrowser2").visible);
  EXPECT_FALSE(model::g_bShufflePending);
  EXPECT_FALSE(model::g_bShuffleShown);
  EXPECT_FALSE(model::g_bReturnToLobby);
}

// Departures.

class PlayerLeftTest : public LoggedInFixture {
 protected:
  void SetUp() override {
    LoggedInFixture::SetUp();
    SeatEveryone();
  }
};

TEST_F(PlayerLeftTest, EmptiesTheSeatAndSaysWhen) {
  h.time_of_day = {9, 5, 30};
  Send(PlayerLeftFrame("p2"));
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("nick2退出了游戏 9:5:30"));
  EXPECT_THAT(h.SysmsgLines(1), IsEmpty());
  EXPECT_EQ(model::g_iPlayerCount, 3);
  EXPECT_TRUE(model::custom[2].name.empty());
  EXPECT_TRUE(model::profile[2].nick.empty());
  EXPECT_EQ(model::profile[2].coins, 0);
  EXPECT_EQ(model::profile[2].account, "p2");  // kept until the next arrival
  EXPECT_TRUE(h.El("Nid", 2).caption.empty());
  EXPECT_TRUE(h.El("Cash", 2).caption.empty());
  EXPECT_FALSE(h.El("Tou", 2).picture.has_value());
  EXPECT_FALSE(h.El("OK", 2).visible);
  EXPECT_FALSE(h.tree.El("Hero", "Tou", 2).picture.has_value());
  EXPECT_TRUE(h.tree.El("Hero", "ID", 2).caption.empty());
  // The score window keeps the departed player's entry.
  EXPECT_EQ(h.tree.El("Score", "ID", 2).caption, "nick2");
  EXPECT_EQ(h.tree.El("Score", "Tou", 2).picture, 251);
}

TEST_F(PlayerLeftTest, AntiCheatNameIsSentOneCodeHigher) {
  Arrive({.account = "aob", .seat = 2, .nick = "bob"});
  Send(PlayerLeftFrame("bob", 1));
  EXPECT_TRUE(model::custom[1].name.empty());
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("bob退出了游戏 9:5:30"));
}

TEST_F(PlayerLeftTest, AntiCheatWithEmptyNameIsDropped) {
  h.El("ImgShuffle").visible = true;
  Send(PlayerLeftFrame("", 1));
  EXPECT_TRUE(h.El("ImgShuffle").visible);
  EXPECT_TRUE(model::g_bTimeLimit);
  EXPECT_FALSE(net::PumpArmed[net::kReadyCountdownChannel]);
  EXPECT_EQ(model::g_iPlayerCount, 4);
}

TEST_F(PlayerLeftTest, UsersOwnNameEndsTheProcessSilently) {
  Send(PlayerLeftFrame("abc"));
  ASSERT_TRUE(h.Ended());
  EXPECT_THAT(h.boxes.shown, IsEmpty());
}

struct CountdownCase {
  std::uint8_t short_wait;
  bool hidden;
  const char* caption;
};

class DepartureDuringHandTest : public PlayerLeftTest,
                                public ::testing::WithParamInterface<CountdownCase> {};

TEST_P(DepartureDuringHandTest, StartsTheReadyCountdownInBlack) {
  net::HandInProgress = true;
  model::g_bGameStarted = true;
  model::g_bBtnLocked[model::kReadyButton] = true;
  model::g_bHidden = GetParam().hidden;
  // Straight from the handler: the pump's next step would already count the first second.
  game::HandlePlayerLeft(PlayerLeftFrame("p1", 0, GetParam().short_wait));
  EXPECT_FALSE(model::g_bTimeLimit);
  EXPECT_FALSE(net::HandInProgress);
  EXPECT_FALSE(model::g_bGameStarted);
  EXPECT_FALSE(model::g_bBtnLocked[model::kReadyButton]);
  EXPECT_TRUE(net::PumpArmed[net::kReadyCountdownChannel]);
  EXPECT_EQ(h.El("Number").caption, GetParam().caption);
  EXPECT_EQ(h.El("Number").color, 0);
  EXPECT_TRUE(h.El("Number").visible);
  EXPECT_TRUE(h.El("Time_Img").visible);
  EXPECT_GT(h.El("Number").z, h.El("Time_Img").z);
  EXPECT_TRUE(net::KeepAliveEnabled());
}

INSTANTIATE_TEST_SUITE_P(Waits, DepartureDuringHandTest,
                         ::testing::Values(CountdownCase{0, false, "15"},
                                           CountdownCase{1, false, "10"},
                                           CountdownCase{1, true, "1"}));

TEST_F(PlayerLeftTest, DepartureOutsideAHandStartsNoCountdown) {
  model::g_bTimeLimit = false;
  net::EnableKeepAlive(false);
  Send(PlayerLeftFrame("p1"));
  EXPECT_FALSE(net::PumpArmed[net::kReadyCountdownChannel]);
  EXPECT_FALSE(h.El("Number").visible);
  EXPECT_TRUE(net::KeepAliveEnabled());
}

TEST_F(PlayerLeftTest, UnknownNameStillHidesTheNoticeAndEndsTheHand) {
  model::g_bShufflePending = true;
  h.El("LblShuffle").visible = true;
  Send(PlayerLeftFrame("nobody"));
  EXPECT_EQ(model::g_iPlayerCount, 4);
  EXPECT_FALSE(h.El("LblShuffle").visible);
  EXPECT_FALSE(model::g_bShufflePending);
  EXPECT_TRUE(net::PumpArmed[net::kReadyCountdownChannel]);
}

TEST_F(PlayerLeftTest, SpectatorsWatchEnds) {
  model::g_bSpectator = true;
  Send(PlayerLeftFrame("p1"));
  ASSERT_TRUE(h.Ended());
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].text, "有用户退出，旁观结束！");
  EXPECT_FALSE(net::PumpArmed[net::kReadyCountdownChannel]);
}

// Removal notice.

TEST_F(PlayerArrivesTest, RemovalShowsTheNoticeAndLeaves) {
  SeatEveryone();
  net::HandInProgress = true;
  Send(RemovedFrame("您已被请出房间"), 3000);
  EXPECT_FALSE(net::HandInProgress);
  EXPECT_TRUE(h.tree.Win("Hero").visible);
  EXPECT_EQ(h.tree.El("frmOtherExit", "Label1").caption, "您已被请出房间");
  EXPECT_TRUE(h.tree.Win("frmOtherExit").visible);
  EXPECT_EQ(Sent(net::kTypeEndOfHand, net::ready_or_leave::kLeave).size(), 1u);
  EXPECT_FALSE(h.Ended());
}

TEST_F(PlayerArrivesTest, RemovalTextLeadByteInTheLastByteTakesTheNext) {
  using net::removed::kNoticeAt, net::removed::kNoticeSize;
  auto notice = RemovedFrame(std::string(kNoticeSize - 1, 'a'));
  // The lead byte in the field's last byte, the trail byte just past it.
  PutText(notice, kNoticeAt + kNoticeSize - 1, "出");
  model::g_bHidden = true;
  Send(notice, 3000);
  EXPECT_EQ(h.tree.El("frmOtherExit", "Label1").caption, std::string(199, 'a') + "出");
  EXPECT_FALSE(h.tree.Win("Hero").visible);
}

TEST_F(PlayerArrivesTest, RemovalCentresTheNoticeOverTheTable) {
  auto& form = h.tree.Win("MainForm");
  form.left = 100;
  form.top = 50;
  auto& box = h.tree.Win("frmOtherExit");
  box.width = 300;
  box.height = 200;
  Send(RemovedFrame(), 3000);
  EXPECT_EQ(box.left, 100 + (form.width - 300) / 2);
  EXPECT_EQ(box.top, 50 + (form.height - 200) / 2);
}

// Ready.

using PlayerReadyTest = LoggedInFixture;

TEST_F(PlayerReadyTest, OtherStatusDoesNothing) {
  Arrive(User());
  Arrive(Other(1));
  Send(PlayerReadyFrame("p1", 0));
  EXPECT_FALSE(h.El("OK", 1).visible);
}

TEST_F(PlayerReadyTest, ThreeOthersReadyBeforeAnyHandArmTheGame) {
  Arrive(User());
  for (int pos = 1; pos <= 3; ++pos) Arrive(Other(pos));
  // The fourth arrival armed the game; the next game waits for the badges.
  model::g_bGameStarted = false;
  Send(PlayerReadyFrame("p1"));
  Send(PlayerReadyFrame("p2"));
  EXPECT_TRUE(h.El("OK", 2).visible);
  EXPECT_FALSE(model::g_bGameStarted);
  Send(PlayerReadyFrame("p3"));
  EXPECT_TRUE(model::g_bGameStarted);
}

TEST_F(PlayerReadyTest, NameWithoutANicknameShownGetsNoBadge) {
  Arrive(User());
  Arrive(Other(1));
  h.El("Nid", 1).caption.clear();
  Send(PlayerReadyFrame("p1"));
  EXPECT_FALSE(h.El("OK", 1).visible);
}

TEST_F(PlayerReadyTest, AfterAHandTheBadgesAloneArmNothing) {
  Arrive(User());
  for (int pos = 1; pos <= 3; ++pos) Arrive(Other(pos));
  model::g_bGameStarted = false;
  model::g_bHandPlayed = true;
  for (const char* name : {"p1", "p2", "p3"}) Send(PlayerReadyFrame(name));
  EXPECT_TRUE(h.El("OK", 3).visible);
  EXPECT_FALSE(model::g_bGameStarted);
}

}  // namespace
}  // namespace tlj::testing
