// tlj-lobby --demo against the real server and client.

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/tool_programs.h"

namespace tlj::tools::testing {
namespace {

// A whole game takes about half a minute with the demo's quick bots.
constexpr platform::TimeMs kDemoDeadline = 110'000;
constexpr platform::TimeMs kFailureDeadline = 20'000;

// The client headless, or in its window on Qt's offscreen screen.
struct DemoCase {
  const char* name;
  std::vector<std::string> args;
  std::map<std::string, std::string> env;
  const char* client_started;
  friend void PrintTo(const DemoCase& c, std::ostream* out) { *out << c.name; }
};

// Each line is found in the transcript after the one before it.
void ExpectInOrder(const std::string& transcript, const std::vector<std::string>& expected) {
  std::size_t at = 0;
  for (const std::string& line : expected) {
    const auto found = transcript.find(line, at);
    ASSERT_NE(found, std::string::npos) << "missing, or out of order: " << line << "\n"
                                        << transcript;
    at = found + line.size();
  }
}

class LobbyDemoTest : public ProgramTest, public ::testing::WithParamInterface<DemoCase> {};

TEST_P(LobbyDemoTest, LogsInPlaysAWholeGameLeavesGoesIdleAndStopsEverything) {
  posix::ChildProcess::Options options;
  options.args = {"--demo", "--seed", "3", "--verbose"};
  options.args.insert(options.args.end(), GetParam().args.begin(), GetParam().args.end());
  options.env = GetParam().env;
  auto lobby = Start("tlj-lobby", options);
  ASSERT_EQ(WaitForExit(*lobby, kDemoDeadline), 0) << lobby->Stdout() << lobby->Stderr();

  // In this order; the server's lines come in between.
  const std::vector<std::string> expected = {
      "server listening on 127.0.0.1:",
      "lobby window \"星湖山庄\" open",
      GetParam().client_started,
      "lobby <- 22 0 0: client connecting",
      "lobby <- 771 0 0: login sent",
      "server: recv conn=1 seat=- type=18 login account=demo password=***",
      "server: send conn=1 seat=1 type=18 login-reply status=1",
      "lobby <- 771 0 0: client logged in",
      "status line 0: 连接服务器成功！",
      "status line 1: 欢迎进入",
      "table window caption: 铜炉局",
      "advertisement panel shows http://127.0.0.1:",
      "playing 1 game",
      "you: click start",
      "server: recv conn=1 seat=1 type=16 ready",
      "table: table 1: a game of 4 hands starts",
      "table: table 1: hand 1 of 4",
      "lobby <- 1127 0 0: a hand starts",
      // The user's phrase of the game, at the first turn: back from the server as a chat line
      // and in the bubble at the user's place.
      "you: say quick phrase 1",
      "server: recv conn=1 seat=1 type=19 chat",
      "chat: 你说道： 大家好，很高兴见到各位！",
      "bubble over [玩家] demo: 大家好，很高兴见到各位！",
      "table: table 1: hand 4 of 4",
      "table: table 1: game over",
      "score sheet of game 1:",
      "  demo: 最终分：",
      "score sheet: columns demo, 李白, 李清照, 杜甫; demo's column: ",
      "最终分：",
      "ranking: 1 game; totals demo ",
      ", 李白 ",
      "; closed",
      "settings: music on, end-of-game mute on, sound on, table ground 1; sound ",
      " then cancel: sound ",
      "player 李白: 男, 长安, points ",
      "; closed",
      "leave dialog: 您真的要退出吗？ (no warning); cancelled",
      "lobby -> 771 0 0 to \"铜炉局\": leave the table",
      "server: recv conn=1 seat=1 type=16 leave",
      "lobby <- 1024 0 0: client left the table",
      "client is idle: table window minimized, status lines empty",
      "client stopped",
      "server stopped",
      "demo finished",
  };
  const std::string& transcript = lobby->Stdout();
  ExpectInOrder(transcript, expected);
  if (HasFatalFailure()) return;
  // The first bot's record, as the server sends it, on the card the client shows.
  EXPECT_TRUE(std::regex_search(transcript, std::regex("player 李白: 男, 长安, points [1-9][0-9]*, "
                                                       "credit [1-9][0-9]*, logins [1-9][0-9]*, "
                                                       "drops [0-9]+, wins [1-9][0-9]*, losses "
                                                       "[1-9][0-9]*; closed\n")))
      << transcript;
  // The bots sit down on the server's clock, before or after the user's first click.
  EXPECT_NE(transcript.find("table: table 1: 李白 (bot1) sits down at seat 2"), std::string::npos);
  EXPECT_EQ(transcript.find("demo$demo$"), std::string::npos) << "the password shows";
  EXPECT_EQ(lobby->Stderr(), "");
  // The bots chat on the server's clock: with this seed one of them speaks early in the game,
  // and a bot's bubble shows after that. The pattern stays within a line: the standard library
  // matches a repetition by recursing once per character, which a whole transcript takes past
  // the end of the stack.
  std::smatch chat;
  ASSERT_TRUE(
      std::regex_search(transcript, chat, std::regex("chat: (李白|李清照|杜甫)说道： [^\n]+\n")))
      << transcript;
  EXPECT_NE(transcript.find("bubble over [电脑] ", chat.position(0) + chat.length(0)),
            std::string::npos)
      << transcript;
}

INSTANTIATE_TEST_SUITE_P(
    Clients, LobbyDemoTest,
    ::testing::Values(DemoCase{"Headless",
                               {"--headless"},
                               {{"QT_QPA_PLATFORM", "offscreen"}},
                               "client started: tlj --headless 'demo$***$127.0.0.1$"},
                      DemoCase{"InItsWindow",
                               {},
                               {{"QT_QPA_PLATFORM", "offscreen"}},
                               "client started: tlj 'demo$***$127.0.0.1$"}),
    [](const auto& test) { return std::string(test.param.name); });

// Between two games the bots change seats: the user's notice panel shows until the new seating
// comes, and the second game starts.
TEST_F(ProgramTest, TwoGamesShowTheNoticePanelWhileTheSeatsChange) {
  posix::ChildProcess::Options options;
  options.args = {"--demo", "--seed", "3", "--games", "2", "--headless"};
  options.env = {{"QT_QPA_PLATFORM", "offscreen"}};
  auto lobby = Start("tlj-lobby", options);
  ASSERT_EQ(WaitForExit(*lobby, 2 * kDemoDeadline), 0) << lobby->Stdout() << lobby->Stderr();
  const std::vector<std::string> expected = {
      "playing 2 games",
      "the seats change after this game",
      "score sheet of game 1:",
      "you: click continue",
      "notice panel shows http://127.0.0.1:",
      "/ad.html.gamead while the seats change",
      "table: table 1: a game of 4 hands starts",
      "score sheet of game 2:",
      "demo finished",
  };
  ExpectInOrder(lobby->Stdout(), expected);
  // The client puts the notice up at the user's click and the server changes the seats once the
  // bots are ready too: which of the two the transcript has first depends on how soon the demo
  // looks at the client, so each is checked against the game's start only.
  ExpectInOrder(lobby->Stdout(),
                {"you: click continue", "table: table 1: the seats are being changed",
                 "table: table 1: a game of 4 hands starts"});
}

struct FailureCase {
  const char* name;
  std::vector<std::string> args;
  const char* message;
  friend void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }
};

class LobbyDemoFailureTest : public ProgramTest,
                             public ::testing::WithParamInterface<FailureCase> {};

TEST_P(LobbyDemoFailureTest, EndsWithOneClearMessage) {
  posix::ChildProcess::Options options;
  options.args = GetParam().args;
  auto lobby = Start("tlj-lobby", options);
  ASSERT_EQ(WaitForExit(*lobby, kFailureDeadline), 1) << lobby->Stdout() << lobby->Stderr();
  EXPECT_EQ(lobby->Stderr().rfind(GetParam().message, 0), 0u) << lobby->Stderr();
}

INSTANTIATE_TEST_SUITE_P(
    Runs, LobbyDemoFailureTest,
    ::testing::Values(
        FailureCase{"NoServerProgram",
                    {"--demo", "--server", "/nonexistent/tlj-server"},
                    "tlj-lobby: the server did not start: cannot start /nonexistent/tlj-server"},
        FailureCase{"NoClientProgram",
                    {"--demo", "--client", "/nonexistent/tlj"},
                    "tlj-lobby: the client did not start: cannot start /nonexistent/tlj"},
        FailureCase{"ClientEndsAtOnce",
                    {"--demo", "--client", "/bin/false"},
                    "tlj-lobby: the client ended unexpectedly (exit code 1)"},
        FailureCase{"ServerEndsAtOnce",
                    {"--demo", "--server", "/bin/true"},
                    "tlj-lobby: the server ended unexpectedly (exit code 0)"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tlj::tools::testing
