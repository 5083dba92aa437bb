// The lobby's reading of the client's messages, of the server's first line and of the client's
// dump, and the command line it starts the client with.

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "core/platform/lobby_link.h"
#include "tools/common/shipped_files.h"
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

struct SeatCase {
  const char* name;
  SeatCommandLine line;
  const char* text;
  const char* masked;
  friend void PrintTo(const SeatCase& c, std::ostream* out) { *out << c.name; }
};

class SeatCommandLineTest : public ::testing::TestWithParam<SeatCase> {};

TEST_P(SeatCommandLineTest, ThirteenFieldsAndThePasswordsMaskedForPrinting) {
  EXPECT_EQ(GetParam().line.Text(), GetParam().text);
  EXPECT_EQ(GetParam().line.MaskedText(), GetParam().masked);
  EXPECT_EQ(GetParam().line.Problem(), "");
}

SeatCommandLine Seat() {
  return {.account = "demo",
          .password = "s3cret",
          .host = "127.0.0.1",
          .port = 23456,
          .location = "房间一"};
}

SeatCommandLine Proxied(const std::string& proxy_password) {
  SeatCommandLine line = Seat();
  line.connection = Connection::kSocks5;
  line.proxy_host = "proxy.lan";
  line.proxy_port = 1080;
  line.proxy_user = "bob";
  line.proxy_password = proxy_password;
  return line;
}

SeatCommandLine Titled(const std::string& lobby, const std::string& table) {
  SeatCommandLine line = Seat();
  line.lobby_title = lobby;
  line.table_title = table;
  return line;
}

INSTANTIATE_TEST_SUITE_P(
    Seats, SeatCommandLineTest,
    ::testing::Values(SeatCase{"Direct", Seat(), "demo$s3cret$127.0.0.1$23456$房间一$0$$$$$0$$$",
                               "demo$***$127.0.0.1$23456$房间一$0$$$$$0$$$"},
                      SeatCase{"Socks5", Proxied("px"),
                               "demo$s3cret$127.0.0.1$23456$房间一$5$proxy.lan$1080$bob$px$0$$$",
                               "demo$***$127.0.0.1$23456$房间一$5$proxy.lan$1080$bob$***$0$$$"},
                      // An empty proxy password is not there to hide.
                      SeatCase{"Socks5WithoutPassword", Proxied(""),
                               "demo$s3cret$127.0.0.1$23456$房间一$5$proxy.lan$1080$bob$$0$$$",
                               "demo$***$127.0.0.1$23456$房间一$5$proxy.lan$1080$bob$$0$$$"},
                      // Either title of its own makes field 11 say that fields 12 and 13 apply.
                      SeatCase{"OwnLobbyTitle", Titled("别的大厅", "铜炉局"),
                               "demo$s3cret$127.0.0.1$23456$房间一$0$$$$$1$别的大厅$铜炉局$",
                               "demo$***$127.0.0.1$23456$房间一$0$$$$$1$别的大厅$铜炉局$"},
                      SeatCase{"OwnTableTitle", Titled("星湖山庄", "二号桌"),
                               "demo$s3cret$127.0.0.1$23456$房间一$0$$$$$1$星湖山庄$二号桌$",
                               "demo$***$127.0.0.1$23456$房间一$0$$$$$1$星湖山庄$二号桌$"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(SeatCommandLineProblemTest, SaysWhatKeepsALineFromBeingMade) {
  struct Case {
    SeatCommandLine line;
    const char* problem;
  };
  SeatCommandLine dollar = Seat();
  dollar.location = "房间$一";
  SeatCommandLine no_port = Seat();
  no_port.port = 0;
  SeatCommandLine high_port = Seat();
  high_port.port = 32768;
  SeatCommandLine proxy_port = Proxied("px");
  proxy_port.proxy_port = 0;
  for (const Case& c : {Case{dollar, "the table contains '$'"},
                        Case{no_port, "the server port must be from 1 to 32767"},
                        Case{high_port, "the server port must be from 1 to 32767"},
                        Case{proxy_port, "the proxy port must be from 1 to 32767"},
                        Case{Titled("", "铜炉局"), "a window title is empty"}}) {
    EXPECT_EQ(c.line.Problem(), c.problem) << c.line.MaskedText();
  }
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

// Where the client the lobby starts finds the sounds it links beside the client's own folder.
struct SoundsCase {
  const char* name;
  const char* made;  // the sound folder made under the root; nullptr: none
  const char* found;
};

class ShippedSoundsTest : public ::testing::TestWithParam<SoundsCase> {};

TEST_P(ShippedSoundsTest, BesideTheBuildsProgramsOrUnderTheInstalledData) {
  const std::filesystem::path root = std::filesystem::temp_directory_path() /
                                     ("tlj-shipped-sounds-" + std::string(GetParam().name));
  std::filesystem::remove_all(root);
  std::filesystem::create_directories(root / "bin");
  if (GetParam().made != nullptr) std::filesystem::create_directories(root / GetParam().made);
  const std::filesystem::path found = tools::ShippedSounds(root / "bin");
  EXPECT_EQ(found, GetParam().found[0] ? root / GetParam().found : std::filesystem::path());
  std::filesystem::remove_all(root);
}

INSTANTIATE_TEST_SUITE_P(Layouts, ShippedSoundsTest,
                         ::testing::Values(SoundsCase{"Build", "common", "common"},
                                           SoundsCase{"Installed", "share/tlj/common",
                                                      "share/tlj/common"},
                                           SoundsCase{"None", nullptr, ""}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tlj::lobby_tool
