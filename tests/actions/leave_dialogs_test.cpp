// The buttons of the leave confirmation and of the notice window.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/model/button_indexes.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/frame.h"
#include "core/net/frame_fields.h"
#include "core/net/link_state.h"
#include "tests/support/table_fixture.h"

namespace tlj::testing {
namespace {

// Time for what a dialog's button starts: leaving lets the leave frame out before the close.
constexpr platform::TimeMs kDialogTime = 2000;

class LeaveDialogsTest : public LoggedInFixture {
 protected:
  bool Idle() {
    return !h.ServerConnected() && h.tree.Win("MainForm").minimized &&
           !h.lobby.Received(sim::kLobbyTitle).empty() &&
           h.lobby.Received(sim::kLobbyTitle).back().wparam == platform::kScRestore;
  }
};

TEST_F(LeaveDialogsTest, LeavingFromTheConfirmationTellsTheServerAndGoesIdle) {
  h.tree.Win("frmExit").visible = true;
  net::HandInProgress = true;
  PostClick("frmExit", "pbCloseMe", {}, kDialogTime);
  const auto frames = h.FramesFromClient();
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames.back()[net::kTypeAt], net::kTypeEndOfHand);
  EXPECT_EQ(frames.back()[net::kStatusAt], net::ready_or_leave::kLeave);
  EXPECT_TRUE(Idle());
  EXPECT_FALSE(h.tree.Win("frmExit").visible);
  EXPECT_FALSE(h.Ended());
}

// The link dropped while the dialog was open: leaving sends nothing, the table still goes idle
// and the lobby comes back.
TEST_F(LeaveDialogsTest, LeavingAfterTheLinkDroppedSendsNothingAndStillGoesIdle) {
  PostClick("MainForm", "AnNiu", model::kLeaveButton);
  h.ServerClose();
  h.RunFor(100);
  const auto frames_before = h.FramesFromClient().size();
  PostClick("frmExit", "pbCloseMe", {}, kDialogTime);
  EXPECT_EQ(h.FramesFromClient().size(), frames_before);
  EXPECT_TRUE(Idle());
  EXPECT_FALSE(h.Ended());
}

TEST_F(LeaveDialogsTest, CancelKeepsTheTable) {
  h.tree.Win("frmExit").visible = true;
  PostClick("frmExit", "pbCancel", {}, kDialogTime);
  EXPECT_FALSE(h.tree.Win("frmExit").visible);
  EXPECT_TRUE(h.ServerConnected());
}

TEST_F(LeaveDialogsTest, NoticeOkGoesIdleAtOnce) {
  h.tree.Win("frmOtherExit").visible = true;
  PostClick("frmOtherExit", "imgOK", {}, kDialogTime);
  EXPECT_TRUE(Idle());
  EXPECT_FALSE(h.tree.Win("frmOtherExit").visible);
}

TEST_F(LeaveDialogsTest, NoticeCancelWaitsForTheReadyButton) {
  h.tree.Win("frmOtherExit").visible = true;
  model::g_bBtnLocked[model::kReadyButton] = false;
  PostClick("frmOtherExit", "imgCancel", {}, kDialogTime);
  EXPECT_TRUE(model::g_bReturnToLobby);
  EXPECT_FALSE(h.tree.Win("frmOtherExit").visible);
  EXPECT_TRUE(h.ServerConnected());  // the table stays as it is until the ready button
  PostClick("MainForm", "AnNiu", model::kReadyButton, kDialogTime);
  EXPECT_FALSE(model::g_bReturnToLobby);
  EXPECT_TRUE(Idle());
}

TEST_F(LeaveDialogsTest, WithoutALobbyWindowTheNoticeEndsTheProcess) {
  h.lobby.CloseWindow(sim::kLobbyTitle);
  PostClick("frmOtherExit", "imgOK", {}, kDialogTime);
  EXPECT_TRUE(h.Ended());
}

struct LoadRuleCase {
  const char* name;
  bool hand;
  bool spectator;
  bool shuffle_notice;
  bool running_line;   // Label2
  bool starting_line;  // Label3
  friend void PrintTo(const LoadRuleCase& c, std::ostream* out) { *out << c.name; }
};

class LeaveDialogLoadTest : public LeaveDialogsTest,
                            public ::testing::WithParamInterface<LoadRuleCase> {};

// The first opening decides the warning lines; the dialog's buttons have their pictures.
TEST_P(LeaveDialogLoadTest, TheFirstOpeningChoosesTheWarningLine) {
  const LoadRuleCase& c = GetParam();
  net::HandInProgress = c.hand;
  model::g_bSpectator = c.spectator;
  model::g_bShuffleShown = c.shuffle_notice;
  PostClick("MainForm", "AnNiu", model::kLeaveButton);
  ASSERT_TRUE(h.tree.Win("frmExit").visible);
  EXPECT_TRUE(h.tree.El("frmExit", "Label1").visible);
  EXPECT_EQ(h.tree.El("frmExit", "Label2").visible, c.running_line);
  EXPECT_EQ(h.tree.El("frmExit", "Label3").visible, c.starting_line);
  EXPECT_EQ(h.tree.El("frmExit", "pbCloseMe").picture, 170);
  EXPECT_EQ(h.tree.El("frmExit", "pbCancel").picture, 172);
}

INSTANTIATE_TEST_SUITE_P(
    States, LeaveDialogLoadTest,
    ::testing::Values(LoadRuleCase{"DuringAHand", true, false, false, true, false},
                      LoadRuleCase{"DuringAHandWithTheNoticeUp", true, false, true, true, false},
                      LoadRuleCase{"WatchingAHand", true, true, true, false, true},
                      LoadRuleCase{"NoticeUpBetweenHands", false, false, true, false, true},
                      LoadRuleCase{"Otherwise", false, false, false, false, false}),
    [](const auto& test) { return std::string(test.param.name); });

// The "running" line follows each opening; the "about to start" line keeps its load state.
TEST_F(LeaveDialogsTest, LaterOpeningsOnlyRetestTheRunningLine) {
  model::g_bShuffleShown = true;
  PostClick("MainForm", "AnNiu", model::kLeaveButton);
  PostClick("MainForm", "AnNiu", model::kLeaveButton);  // hides it
  model::g_bShuffleShown = false;
  net::HandInProgress = true;
  PostClick("MainForm", "AnNiu", model::kLeaveButton);
  EXPECT_TRUE(h.tree.El("frmExit", "Label2").visible);
  EXPECT_TRUE(h.tree.El("frmExit", "Label3").visible);
}

// Cancel unloads the dialog, so the next opening loads it afresh with the rule of that moment.
TEST_F(LeaveDialogsTest, CancelledDialogLoadsAfreshNextTime) {
  net::HandInProgress = true;
  PostClick("MainForm", "AnNiu", model::kLeaveButton);
  PostClick("frmExit", "pbCancel");
  EXPECT_FALSE(h.tree.FindWin("frmExit")->loaded);
  net::HandInProgress = false;
  model::g_bShuffleShown = true;
  PostClick("MainForm", "AnNiu", model::kLeaveButton);
  EXPECT_FALSE(h.tree.El("frmExit", "Label2").visible);
  EXPECT_TRUE(h.tree.El("frmExit", "Label3").visible);
}

TEST_F(LeaveDialogsTest, GoingIdleUnloadsBothDialogsAndForgetsTheHoveredButtons) {
  h.tree.Win("frmExit").visible = true;
  h.tree.Win("frmOtherExit").visible = true;
  model::g_bBtnHover[model::kScoreButton] = true;
  PostClick("frmOtherExit", "imgOK", {}, kDialogTime);
  EXPECT_FALSE(h.tree.FindWin("frmExit")->loaded);
  EXPECT_FALSE(h.tree.FindWin("frmOtherExit")->loaded);
  EXPECT_FALSE(model::g_bBtnHover[model::kScoreButton]);
}

TEST_F(LeaveDialogsTest, TheNoticeWindowStaysOnTopWithItsButtonsPictures) {
  h.tree.Win("frmOtherExit");
  EXPECT_EQ(h.tree.El("frmOtherExit", "imgOK").picture, 170);
  EXPECT_EQ(h.tree.El("frmOtherExit", "imgCancel").picture, 172);
}

}  // namespace
}  // namespace tlj::testing
