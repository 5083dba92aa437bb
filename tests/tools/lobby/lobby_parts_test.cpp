// The lobby's reading of the client's messages, of the server's first line and of the client's
// dump, and the command line it starts the client with.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/platform/lobby_link.h"
#include "tools/lobby/lobby_messages.h"
#include "tools/lobby/seat_command_line.h"
#include "tools/lobby/server_process.h"
#include "tools/lobby/table_view.h"

namespace tlj::lobby_tool {
namespace {

using posix::WindowMessage;
using Phase = ClientPhase;

struct MessageCase {
  const char* name;
  Phase before;
  WindowMessage message;
  const char* meaning;
  Phase after;
  friend void PrintTo(const MessageCase& c, std::ostream* out) { *out << c.name; }
};

class LobbyMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(LobbyMessageTest, MeaningAndPhaseFollowWhatCameBefore) {
  EXPECT_EQ(Meaning(GetParam().before, GetParam().message), GetParam().meaning);
  EXPECT_EQ(NextPhase(GetParam().before, GetParam().message), GetParam().after);
}

constexpr long kRestore = platform::kScRestore;
constexpr long kMinimize = platform::kScMinimize;
constexpr int kSys = platform::kWmSysCommand;
using enum platform::LobbyMessage;

INSTANTIATE_TEST_SUITE_P(
    Messages, LobbyMessageTest,
    ::testing::Values(
        MessageCase{"Connecting",
                    Phase::Connecting,
                    {kConnecting, 0, 0},
                    "client connecting",
                    Phase::Connecting},
        MessageCase{
            "LoginSent", Phase::Connecting, {kLoggedIn, 0, 0}, "login sent", Phase::LoggingIn},
        MessageCase{
            "LoggedIn", Phase::LoggingIn, {kLoggedIn, 0, 0}, "client logged in", Phase::AtTable},
        MessageCase{"LoginRefused",
                    Phase::LoggingIn,
                    {kConnecting, 0, 0},
                    "client reports the login was refused",
                    Phase::LoginFailed},
        MessageCase{"Left", Phase::AtTable, {kLeft, 0, 0}, "client left the table", Phase::Idle},
        MessageCase{"BackToATable",
                    Phase::Idle,
                    {kConnecting, 0, 0},
                    "client connecting",
                    Phase::Connecting},
        MessageCase{"HandRunning",
                    Phase::AtTable,
                    {kHandRunning, 0, 0},
                    "client cannot leave: a hand is in progress",
                    Phase::AtTable},
        MessageCase{"StillLoggingIn",
                    Phase::LoggingIn,
                    {kStillLoggingIn, 0, 0},
                    "client cannot leave: it is still logging in",
                    Phase::LoggingIn},
        MessageCase{
            "HandStarts", Phase::AtTable, {kHandStarts, 0, 0}, "a hand starts", Phase::AtTable},
        MessageCase{"Restore",
                    Phase::Idle,
                    {kSys, kRestore, 0},
                    "client asks to restore the lobby window",
                    Phase::Idle},
        MessageCase{"Minimize",
                    Phase::AtTable,
                    {kSys, kMinimize, 0},
                    "client asks to minimize the lobby window",
                    Phase::AtTable},
        MessageCase{"Unknown", Phase::AtTable, {5, 0, 0}, "unknown message", Phase::AtTable}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ListeningLineTest, GivesTheServersAddress) {
  const auto address = ParseListeningLine("tlj-server: listening on 127.0.0.1:23456");
  ASSERT_TRUE(address);
  EXPECT_EQ(address->host, "127.0.0.1");
  EXPECT_EQ(address->port, 23456);
  EXPECT_EQ(ParseListeningLine("tlj-server: listening on ::1:20000")->host, "::1");
}

TEST(ListeningLineTest, RefusesOtherLines) {
  for (const char* line :
       {"", "tlj-server: listening on 127.0.0.1",
        "tlj-server: listening on 127.0.0.1:", "tlj-server: listening on 127.0.0.1:0",
        "tlj-server: listening on 127.0.0.1:65536", "tlj-server: listening on :80",
        "tlj-server: listening on 127.0.0.1:80x", "server: listening on 127.0.0.1:80"}) {
    EXPECT_FALSE(ParseListeningLine(line)) << line;
  }
}

TEST(SeatCommandLineTest, ThirteenFieldsForADirectConnectionAndThePasswordMaskedForPrinting) {
  const SeatCommandLine line{"demo", "s3cret", "127.0.0.1", 23456, "房间一"};
  EXPECT_EQ(line.Text(), "demo$s3cret$127.0.0.1$23456$房间一$0$$$$$0$$$");
  EXPECT_EQ(line.MaskedText(), "demo$***$127.0.0.1$23456$房间一$0$$$$$0$$$");
}

TEST(TableViewTest, ReadsTheTableWindowAndItsTwoStatusLines) {
  const TableView view = ReadTableView(R"({"windows": [
    {"name": "Talk", "caption": "other", "minimized": false, "elements": []},
    {"name": "MainForm", "caption": "铜炉局", "minimized": true, "elements": [
      {"name": "Sysmsg", "index": 1, "lines": ["second"]},
      {"name": "Other", "index": 0, "lines": ["not a status line"]},
      {"name": "Sysmsg", "index": 0, "lines": ["first", "more"]},
      {"name": "Sysmsg", "index": null, "lines": ["no index"]}]}]})");
  EXPECT_EQ(view.caption, "铜炉局");
  EXPECT_TRUE(view.minimized);
  EXPECT_EQ(view.status_lines[0], (std::vector<std::string>{"first", "more"}));
  EXPECT_EQ(view.status_lines[1], (std::vector<std::string>{"second"}));
}

TEST(TableViewTest, ADumpWithoutTheTableWindowOrNotJsonIsAnError) {
  EXPECT_THROW(ReadTableView(R"({"windows": []})"), std::runtime_error);
  EXPECT_THROW(ReadTableView("{"), std::runtime_error);
}

}  // namespace
}  // namespace tlj::lobby_tool
