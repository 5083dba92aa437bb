// What the user does to the table window itself reaches the table's handlers: minimising,
// restoring, closing.

#include "core/table/element_events.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/actions/table_buttons.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/platform/lobby_link.h"
#include "tests/support/table_fixture.h"

namespace tlj::table {
namespace {

class TableWindowEventsTest : public testing::SeatedFixture {
 protected:
  void Window(platform::EventKind kind) {
    platform::ElementEvent event;
    event.window = "MainForm";
    event.kind = kind;
    h.Post([this, event] { h.tree.Fire(event); });
    h.RunFor(200);
  }
};

TEST_F(TableWindowEventsTest, TheUserRestoringTheWindowEndsHiddenMode) {
  actions::HideTable();
  Window(platform::EventKind::Minimize);
  EXPECT_TRUE(h.tree.Win("MainForm").minimized);
  h.lobby.ClearReceived(sim::kLobbyTitle);
  Window(platform::EventKind::Restore);
  EXPECT_FALSE(h.tree.Win("MainForm").minimized);
  EXPECT_FALSE(model::g_bHidden || model::g_bHiddenTurns || model::g_bAway);
  EXPECT_EQ(model::g_iDefaultCountdown, 15);
  const auto& lobby = h.lobby.Received(sim::kLobbyTitle);
  ASSERT_EQ(lobby.size(), 1u);
  EXPECT_EQ(lobby[0].wparam, platform::kScMinimize);
}

TEST_F(TableWindowEventsTest, ActivatingTheWindowPutsTheKeysIntoTheChatBox) {
  h.tree.SetFocus({"MainForm", "Pic1", {}});
  Window(platform::EventKind::Activate);
  EXPECT_EQ(h.tree.ActiveWindow(), "MainForm");
  EXPECT_EQ(h.tree.Focus()->name, "Chat");
  h.tree.SetFocus({"MainForm", "Pic1", {}});
  h.tree.El("MainForm", "Chat").enabled = false;  // a box that cannot take the focus
  Window(platform::EventKind::Activate);
  EXPECT_EQ(h.tree.Focus()->name, "Pic1");
}

TEST_F(TableWindowEventsTest, ClosingTheWindowUnloadsTheOthersAndEndsWithCodeZero) {
  h.tree.Win("Score").visible = true;
  h.tree.Win("frmExit").visible = true;
  const auto frames_before = h.ServerReceived().size();
  const auto lobby_before = h.lobby.Received(sim::kLobbyTitle).size();
  Window(platform::EventKind::CloseRequest);
  ASSERT_TRUE(h.Ended());
  EXPECT_EQ(*h.exit_code, 0);
  for (const char* window : {"Score", "frmExit", "MainForm"}) {
    EXPECT_FALSE(h.tree.FindWin(window)->loaded) << window;
    EXPECT_FALSE(h.tree.FindWin(window)->visible) << window;
  }
  EXPECT_EQ(h.ServerReceived().size(), frames_before);                 // nothing to the server
  EXPECT_EQ(h.lobby.Received(sim::kLobbyTitle).size(), lobby_before);  // nor to the lobby
}

}  // namespace
}  // namespace tlj::table
