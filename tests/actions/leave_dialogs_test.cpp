// The buttons of the leave confirmation and of the notice window.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/game/table_model.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/frame.h"
#include "core/net/link_state.h"
#include "sim/client_harness.h"

namespace tlj::sim {
namespace {

class LeaveDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.StartAtTable();
    h.lobby.ClearReceived(kLobbyTitle);
  }

  void Click(const char* window, const char* name, std::optional<int> index = {}) {
    platform::ElementEvent click;
    click.window = window;
    click.name = name;
    click.index = index;
    h.Post([this, click] { h.tree.Fire(click); });
    h.RunFor(2000);
  }

  bool Idle() {
    return !h.ServerConnected() && h.tree.Win("MainForm").minimized &&
           !h.lobby.Received(kLobbyTitle).empty() &&
           h.lobby.Received(kLobbyTitle).back().wparam == platform::kScRestore;
  }

  ClientHarness h;
};

TEST_F(LeaveDialogsTest, LeavingFromTheConfirmationTellsTheServerAndGoesIdle) {
  h.tree.Win("frmExit").visible = true;
  net::HandInProgress = true;
  Click("frmExit", "pbCloseMe");
  const auto frames = h.FramesFromClient();
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames.back()[net::kTypeAt], net::kTypeEndOfHand);
  EXPECT_EQ(frames.back()[net::kStatusAt], 0);
  EXPECT_TRUE(Idle());
  EXPECT_FALSE(h.tree.Win("frmExit").visible);
  EXPECT_FALSE(h.Ended());
}

TEST_F(LeaveDialogsTest, CancelKeepsTheTable) {
  h.tree.Win("frmExit").visible = true;
  Click("frmExit", "pbCancel");
  EXPECT_FALSE(h.tree.Win("frmExit").visible);
  EXPECT_TRUE(h.ServerConnected());
}

TEST_F(LeaveDialogsTest, NoticeOkGoesIdleAtOnce) {
  h.tree.Win("frmOtherExit").visible = true;
  Click("frmOtherExit", "imgOK");
  EXPECT_TRUE(Idle());
  EXPECT_FALSE(h.tree.Win("frmOtherExit").visible);
}

TEST_F(LeaveDialogsTest, NoticeCancelWaitsForTheReadyButton) {
  h.tree.Win("frmOtherExit").visible = true;
  model::g_bBtnLocked[2] = false;
  Click("frmOtherExit", "imgCancel");
  EXPECT_TRUE(model::g_bReturnToLobby);
  EXPECT_FALSE(h.tree.Win("frmOtherExit").visible);
  EXPECT_TRUE(h.ServerConnected());  // the table stays as it is until the ready button
  Click("MainForm", "AnNiu", 2);
  EXPECT_FALSE(model::g_bReturnToLobby);
  EXPECT_TRUE(Idle());
}

TEST_F(LeaveDialogsTest, WithoutALobbyWindowTheNoticeEndsTheProcess) {
  h.lobby.CloseWindow(kLobbyTitle);
  Click("frmOtherExit", "imgOK");
  EXPECT_TRUE(h.Ended());
}

}  // namespace
}  // namespace tlj::sim
