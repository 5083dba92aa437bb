// The buttons of the leave confirmation and of the notice window.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tlj::testing
