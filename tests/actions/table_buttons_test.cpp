#include "core/actions/table_buttons.h"
#include "core/model/button_indexes.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/channels.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/lobby_link.h"
#include "tests/support/table_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tlj::testing {
namespace {

class TableButtonsTest : public SeatedFixture {
 protected:
  void SetUp() override {
    SeatedFixture::SetUp();
    model::g_bBtnLocked[model::kReadyButton] = false;  // as the user's own arrival leaves it
  }
  void PressReady() { PostClick("MainForm", "AnNiu", model::kReadyButton); }
};

TEST_F(TableButtonsTest, ReadySendsOneFrameHoweverOftenItIsPressed) {
  net::ArmChannel(net::kReadyCountdownChannel);
  h.El("Number").visible = true;
  h.tree.Win("Score").visible = true;
  PressReady();
  PressReady();
  const auto ready = Sent(net::kTypeEndOfHand);
  ASSERT_EQ(ready.size(), 1u);
  EXPECT_EQ(ready[0][net::kSeatAt], 1);
  EXPECT_EQ(ready[0][net::kStatusAt], net::ready_or_leave::kReady);
  EXPECT_TRUE(model::g_bBtnLocked[model::kReadyButton]);
  EXPECT_TRUE(model::g_bGameStarted);
  EXPECT_FALSE(model::g_bFirstStart);
  EXPECT_EQ(h.El("AnNiu", model::kReadyButton).picture, 156);  // "continue"
  EXPECT_TRUE(h.El("OK", 0).visible);
  EXPECT_FALSE(net::PumpArmed[net::kReadyCountdownChannel]);
  EXPECT_FALSE(h.El("Number").visible);
  EXPECT_FALSE(h.tree.Win("Score").visible);
}

TEST_F(TableButtonsTest, ALockedButtonOnlyForgetsTheFirstStart) {
  model::g_bBtnLocked[model::kReadyButton] = true;
  PressReady();
  EXPECT_FALSE(model::g_bFirstStart);
  EXPECT_FALSE(h.El("OK", 0).visible);
  EXPECT_TRUE(Sent(net::kTypeEndOfHand).empty());
}

TEST_F(TableButtonsTest, DuringAHandReadySendsNothing) {
  model::g_bGameStarted = true;
  net::HandInProgress = true;
  PressReady();
  EXPECT_TRUE(Sent(net::kTypeEndOfHand).empty());
  EXPECT_TRUE(model::g_bBtnLocked[model::kReadyButton]);
}

TEST_F(TableButtonsTest, ReadyAfterACancelledNoticeGoesBackToTheLobby) {
  model::g_bReturnToLobby = true;
  h.tree.Win("frmOtherExit").visible = true;
  PressReady();
  EXPECT_FALSE(h.Ended());
  EXPECT_FALSE(model::g_bReturnToLobby);
  EXPECT_FALSE(h.tree.Win("frmOtherExit").visible);
  EXPECT_FALSE(h.ServerConnected());
  EXPECT_FALSE(net::PumpRunning());
  EXPECT_TRUE(h.tree.Win("MainForm").minimized);
  EXPECT_EQ(h.lobby.Received(sim::kLobbyTitle).back().wparam, platform::kScRestore);
  EXPECT_TRUE(Sent(net::kTypeEndOfHand).empty());

  // Sent back to a table, the client logs in with nothing stale ahead of its login.
  h.lobby.PostToClient(platform::kEnterTable);
  h.RunFor(1000);
  ASSERT_TRUE(h.ServerConnected());
  const auto frames = h.FramesFromClient();
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames[0][net::kTypeAt], net::kTypeLogin);
  EXPECT_TRUE(Sent(net::kTypeEndOfHand).empty());
}

TEST_F(TableButtonsTest, WithoutALobbyWindowGoingBackEndsTheProcess) {
  model::g_bReturnToLobby = true;
  h.lobby.CloseWindow(sim::kLobbyTitle);
  PressReady();
  EXPECT_TRUE(h.Ended());
}

TEST_F(TableButtonsTest, HidingTheTableMakesTurnsShort) {
  for (const char* w : {"Information", "Talk", "huifu", "VosSet", "frmExit", "Hero", "Score"})
    h.tree.Win(w).visible = true;
  actions::HideTable();
  EXPECT_TRUE(model::g_bAway && model::g_bHiddenTurns && model::g_bHidden);
  EXPECT_EQ(model::g_iDefaultCountdown, 0);
  for (const char* w : {"Information", "Talk", "huifu", "VosSet", "frmExit", "Hero", "Score"})
    EXPECT_FALSE(h.tree.Win(w).visible) << w;
  EXPECT_TRUE(h.tree.Win("MainForm").minimized);
  EXPECT_EQ(h.lobby.Received(sim::kLobbyTitle).back().wparam, platform::kScMinimize);
}

TEST_F(TableButtonsTest, TheLeaveDialogWarnsOnlyDuringAHand) {
  net::HandInProgress = true;
  Click("AnNiu", model::kLeaveButton);
  EXPECT_TRUE(h.tree.Win("frmExit").visible);
  EXPECT_TRUE(h.tree.El("frmExit", "Label2").visible);
  Click("AnNiu", model::kLeaveButton);
  EXPECT_FALSE(h.tree.Win("frmExit").visible);
  net::HandInProgress = false;
  Click("AnNiu", model::kLeaveButton);
  EXPECT_FALSE(h.tree.El("frmExit", "Label2").visible);
}

TEST_F(TableButtonsTest, TheReadyButtonHoversAsStartOrContinue) {
  Move("AnNiu", model::kReadyButton);
  EXPECT_EQ(h.El("AnNiu", model::kReadyButton).picture, 155);  // "start", highlighted
  Move("Pic1");
  EXPECT_EQ(h.El("AnNiu", model::kReadyButton).picture, 154);
  Move("AnNiu", model::kReadyButton);
  Move("imgDilan");  // the bottom bar always restores "continue"
  EXPECT_EQ(h.El("AnNiu", model::kReadyButton).picture, 156);
  Move("AnNiu", model::kScoreButton);
  EXPECT_EQ(h.El("AnNiu", model::kScoreButton).picture, 161);
  Move("Pic1");
  EXPECT_EQ(h.El("AnNiu", model::kScoreButton).picture, 160);
}

TEST_F(TableButtonsTest, SettingsOpenAboveTheTablesLowerRightAndCloseAgain) {
  Click("AnNiu", model::kSettingsButton);
  const auto& table = h.tree.Win("MainForm");
  const auto& settings = h.tree.Win("VosSet");
  ASSERT_TRUE(settings.visible);
  EXPECT_DOUBLE_EQ(settings.top, table.height - 1.35 * settings.height);
  EXPECT_DOUBLE_EQ(settings.left, table.width - 1.1 * settings.width);
  Click("AnNiu", model::kSettingsButton);
  EXPECT_FALSE(settings.visible);
}

// The score button shows the sheet of the last game from the record file, whatever the sheet
// held meanwhile.
TEST_F(TableButtonsTest, TheScoreButtonShowsTheLastGamesSheetFromTheRecord) {
  Send(GameOverFrame({}));
  auto& lines = h.tree.El("Score", "State", 1).lines;
  const auto last_game = lines;
  ASSERT_FALSE(last_game.empty());
  lines = {"something else"};
  h.tree.Win("Score").visible = false;
  Click("AnNiu", model::kScoreButton);
  EXPECT_TRUE(h.tree.Win("Score").visible);
  // The record keeps each line without its leading and trailing blanks.
  ASSERT_EQ(lines.size(), last_game.size());
  EXPECT_EQ(lines[1], last_game[1]);
  Click("AnNiu", model::kScoreButton);
  EXPECT_FALSE(h.tree.Win("Score").visible);
}

TEST_F(TableButtonsTest, TheRulesButtonOpensTheRulesPageInTheBrowser) {
  Click("AnNiu", model::kRulesButton);
  ASSERT_EQ(h.shell.opened.size(), 1u);
  EXPECT_EQ(h.shell.opened[0], "http://www.xinghu.example/gameinfo/tlj/index.php");
}

}  // namespace
}  // namespace tlj::testing
