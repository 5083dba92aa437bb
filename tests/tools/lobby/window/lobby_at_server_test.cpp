// The lobby's window driving the real client against the reference server, as a tester does.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QSpinBox>

#include "tests/support/tool_programs.h"
#include "tests/tools/lobby/window/lobby_view_fixture.h"
#include "tools/lobby/server_process.h"

namespace tlj::lobby_tool::testing {
namespace {

// Only keeps a broken run from hanging: each step takes a fraction of a second.
constexpr int kStepDeadlineMs = 20'000;

class LobbyAtServerTest : public LobbyViewTest {
 protected:
  bool WaitForLine(const std::string& line) {
    return QTest::qWaitFor([&] { return HasLine(line); }, kStepDeadlineMs);
  }
};

TEST_F(LobbyAtServerTest, SeatsTheClientAndAsksItToLeave) {
  ASSERT_FALSE(tools::testing::Program("tlj").empty()) << "TLJ_BIN_DIR must name the programs";
  ServerProcess server(loop_, poll_, tools::testing::Program("tlj-server"), {}, false, {}, {});
  Open({.client_program = tools::testing::Program("tlj")});  // its pump serves the server too
  ASSERT_TRUE(QTest::qWaitFor([&] { return server.Address().has_value(); }, kStepDeadlineMs));
  Widget<QSpinBox>("port").setValue(server.Address()->port);
  Type("password", "pw");

  Click("start");
  ASSERT_TRUE(WaitForLine("lobby <- 771 0 0: client logged in"))
      << ::testing::PrintToString(Lines());
  Click("leave");
  ASSERT_TRUE(WaitForLine("lobby <- 1024 0 0: client left the table"))
      << ::testing::PrintToString(Lines());
  EXPECT_THAT(Lines(), ::testing::Contains("lobby -> 771 0 0 to \"铜炉局\": leave the table"));
}

}  // namespace
}  // namespace tlj::lobby_tool::testing
