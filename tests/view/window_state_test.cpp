#include "core/view/window_state.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/platform/lobby_link.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tlj::testing {
namespace {

struct RestoreCase {
  const char* name;
  bool hidden;
  std::int16_t countdown_before;
  std::int16_t countdown_after;
  friend void PrintTo(const RestoreCase& c, std::ostream* out) { *out << c.name; }
};

class RestoreMainFormTest : public LoggedInFixture,
                            public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreMainFormTest, SendsTheLobbyDownAndEndsHiddenMode) {
  const RestoreCase& c = GetParam();
  view::MinimizeMainForm();
  ASSERT_TRUE(h.tree.Win("MainForm").minimized);
  model::g_bHidden = model::g_bHiddenTurns = model::g_bAway = c.hidden;
  model::g_iDefaultCountdown = c.countdown_before;
  model::g_iTimeoutCount = 1;
  view::RestoreMainForm();
  EXPECT_FALSE(h.tree.Win("MainForm").minimized);
  EXPECT_FALSE(model::g_bHidden || model::g_bHiddenTurns || model::g_bAway);
  EXPECT_EQ(model::g_iDefaultCountdown, c.countdown_after);
  EXPECT_EQ(model::g_iTimeoutCount, 0);
  const auto& lobby = h.lobby.Received(sim::kLobbyTitle);
  ASSERT_EQ(lobby.size(), 1u);
  EXPECT_EQ(lobby[0].msg, platform::kWmSysCommand);
  EXPECT_EQ(lobby[0].wparam, platform::kScMinimize);
}

// Out of hidden mode the countdown is left as the login reply or the own-title start set it.
INSTANTIATE_TEST_SUITE_P(States, RestoreMainFormTest,
                         ::testing::Values(RestoreCase{"Hidden", true, 0, 15},
                                           RestoreCase{"Shown", false, 1, 1}),
                         [](const auto& test) { return std::string(test.param.name); });

// Minimising hides the open speech bubbles; restoring leaves each hidden, fully transparent and
// top-most again, ready for its next phrase. Bubbles never opened stay unloaded.
TEST_F(LoggedInFixture, BubblesHideWithTheTableAndComeBackResetWithIt) {
  for (const char* name : {"speak1", "speak2"}) {
    auto& bubble = h.tree.Win(name);
    bubble.visible = true;
    bubble.opacity = 180;
    bubble.topmost = false;
  }
  view::MinimizeMainForm();
  EXPECT_FALSE(h.tree.FindWin("speak1")->visible);
  EXPECT_FALSE(h.tree.FindWin("speak2")->visible);
  h.tree.Win("speak2").visible = true;  // a phrase while the table is away
  view::RestoreMainForm();
  for (const char* name : {"speak1", "speak2"}) {
    const auto& bubble = *h.tree.FindWin(name);
    EXPECT_FALSE(bubble.visible) << name;
    EXPECT_EQ(bubble.opacity, 0) << name;
    EXPECT_TRUE(bubble.topmost) << name;
  }
  EXPECT_FALSE(h.tree.FindWin("speak0")->loaded);
}

}  // namespace
}  // namespace tlj::testing
