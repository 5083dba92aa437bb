// tlj-lobby without --demo where no display is.

#include <gtest/gtest.h>

#include "tests/support/tool_programs.h"

namespace tlj::tools::testing {
namespace {

constexpr platform::TimeMs kDeadline = 20'000;

class LobbyWithoutDisplayTest : public ProgramTest {};

TEST_F(LobbyWithoutDisplayTest, SaysToUseTheDemoAndExits2) {
  posix::ChildProcess::Options options;
  // Empty counts as unset, for the client's display test as for the lobby's.
  options.env = {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
  auto lobby = Start("tlj-lobby", options);
  ASSERT_EQ(WaitForExit(*lobby, kDeadline), 2) << lobby->Stderr();
  EXPECT_EQ(lobby->Stderr(),
            "tlj-lobby: no display: use --demo, or run where a display is\n"
            "Try 'tlj-lobby --help'.\n");
  EXPECT_EQ(lobby->Stdout(), "");
}

}  // namespace
}  // namespace tlj::tools::testing
