#include "core/view/window_state.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/platform/lobby_link.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

namespace tlj::testing {
namespace {

struct RestoreCase {
  const char* name;
  bool hidden;
  std::int16_t countdown_before;
  std::int16_t countdown_after;
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

}  // namespace
}  // namespace tlj::testing
