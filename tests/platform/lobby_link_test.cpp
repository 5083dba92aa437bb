#include "core/platform/lobby_link.h"

#include <gtest/gtest.h>

namespace tlj::platform {
namespace {

// The lobby is another program: the numbers are its, and a renumbered name would go unnoticed by
// every test that uses the names on both sides.
TEST(LobbyMessageNumbersTest, AreTheLobbysOwn) {
  const struct {
    int name;
    int number;
  } cases[] = {
      {kEnterTable, 22},       {kLeaveUnlessBusy, 771}, {kLeaveNow, 1024},    {kMayLeave, 1125},
      {kConnecting, 22},       {kLoggedIn, 771},        {kLeft, 1024},        {kHandRunning, 1125},
      {kStillLoggingIn, 1126}, {kHandStarts, 1127},     {kWmSysCommand, 274}, {kScRestore, 61728},
      {kScMinimize, 61472},
  };
  for (const auto& c : cases) EXPECT_EQ(c.name, c.number) << c.number;
}

}  // namespace
}  // namespace tlj::platform
