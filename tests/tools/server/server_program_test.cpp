// tlj-server as a program: where it listens, its accounts and phrases files, a clean stop on
// SIGTERM, the table transcript of a game played over a real socket, and the pages its login
// reply names, fetched from it.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/net/client_frames.h"
#include "core/net/frame.h"
#include "core/net/frame_fields.h"
#include "core/text/ansi.h"
#include "posix/tcp_listener.h"
#include "sim/temp_dir.h"
#include "tests/support/tool_programs.h"
#include "tests/tools/server/loopback_client.h"
#include "tools/lobby/server_process.h"
#include "tools/server/web_pages.h"

namespace tlj::tools::testing {
namespace {

constexpr platform::TimeMs kGenerous = 10'000;

class ServerProgramTest : public ProgramTest {
 protected:
  // Starts the server and waits until it says where it listens (or ends); `address` holds it.
  std::unique_ptr<posix::ChildProcess> StartListening(std::vector<std::string> args) {
    posix::ChildProcess::Options options;
    options.args = std::move(args);
    options.on_stdout_line = [this](const std::string& line) {
      if (!address) address = lobby_tool::ParseListeningLine(line);
    };
    auto server = Start("tlj-server", options);
    EXPECT_TRUE(RunUntil([&] { return address.has_value() || server->ExitCode(); }, kGenerous))
        << server->Stderr();
    return server;
  }
  // Starts the server, plays one game at it as "abc", who gives up every turn, and stops it.
  std::unique_ptr<posix::ChildProcess> StopAfterOneGame(std::vector<std::string> args);

  // Logs in as the client does and reads the page the reply names, at the client's offsets;
  // nothing when no reply came.
  std::optional<std::string> NamedPage() {
    server::testing::LoopbackClient client(address->port);
    EXPECT_TRUE(net::BuildLoginFrame("abc", "pw"));
    client.Write(net::LoginFrame);
    if (!RunUntil([&] { return client.Received().size() >= net::kFrameSize; }, kGenerous)) {
      return std::nullopt;
    }
    net::Frame reply{};
    std::copy_n(client.Received().begin(), net::kFrameSize, reply.begin());
    return net::ReadByteText(reply, net::login_reply::kAdPageAt, net::login_reply::kAdPageSize);
  }
  // GET `path` from `port` over a plain socket: the whole answer.
  std::string Fetch(int port, const std::string& path) {
    server::testing::LoopbackClient client(port);
    EXPECT_TRUE(client.Connected()) << "port " << port;
    client.Write("GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n");
    EXPECT_TRUE(RunUntil([&] { return client.Ended(); }, kGenerous));
    return client.Text();
  }

  std::optional<lobby_tool::ListenAddress> address;
};

TEST_F(ServerProgramTest, ServesThePagesItsLoginReplyNames) {
  auto server = StartListening({"--verbose"});
  ASSERT_TRUE(address);
  const std::optional<std::string> page = NamedPage();
  ASSERT_TRUE(page) << server->Stderr();
  std::smatch m;
  ASSERT_TRUE(std::regex_match(*page, m, std::regex("http://127\\.0\\.0\\.1:([0-9]+)/ad\\.html")))
      << *page;
  const int web_port = std::stoi(m[1]);
  EXPECT_GE(web_port, 20000);
  EXPECT_LE(web_port, 32767);

  for (const auto& [path, html] : {std::pair{"/ad.html", server::AdvertPage()},
                                   std::pair{"/ad.html.gamead", server::NoticePage()}}) {
    const std::string answer = Fetch(web_port, path);
    EXPECT_TRUE(answer.starts_with("HTTP/1.1 200 OK\r\n")) << path << ":\n" << answer;
    EXPECT_TRUE(answer.ends_with("\r\n\r\n" + std::string(html))) << path << ":\n" << answer;
  }
  EXPECT_EQ(server->Stop(std::chrono::milliseconds(kGenerous)), 0);
  EXPECT_NE(
      server->Stderr().find("tlj-server: pages served at " + *page + " and " + *page + ".gamead\n"),
      std::string::npos)
      << server->Stderr();
  EXPECT_EQ(server->Stdout(),
            "tlj-server: listening on 127.0.0.1:" + std::to_string(address->port) + "\n")
      << "nothing more on standard output, which the lobby and the demo read";
}

TEST_F(ServerProgramTest, NamesThePageOnTheWebPortItIsGiven) {
  int free_port = 0;
  {
    posix::TcpListener probe(poll_, "127.0.0.1", posix::kCommandLinePorts, [](int, auto&) {});
    free_port = probe.Port();
  }
  auto server = StartListening({"--web-port", std::to_string(free_port)});
  ASSERT_TRUE(address);
  EXPECT_EQ(NamedPage(), server::WebAddress("127.0.0.1", free_port, server::kAdvertPath));
  EXPECT_TRUE(Fetch(free_port, "/ad.html").starts_with("HTTP/1.1 200 OK\r\n"));
  EXPECT_EQ(server->Stop(std::chrono::milliseconds(kGenerous)), 0);
}

struct NamedPageCase {
  const char* name;
  std::vector<std::string> args;
  std::string named;  // in the login reply
  bool serves;        // its own pages
  friend void PrintTo(const NamedPageCase& c, std::ostream* out) { *out << c.name; }
};

class ServerAdPageTest : public ServerProgramTest,
                         public ::testing::WithParamInterface<NamedPageCase> {};

TEST_P(ServerAdPageTest, TheLoginReplyNamesWhatTheOptionsSay) {
  std::vector<std::string> args = GetParam().args;
  args.push_back("--verbose");
  auto server = StartListening(args);
  ASSERT_TRUE(address);
  EXPECT_EQ(NamedPage(), GetParam().named);
  EXPECT_EQ(server->Stop(std::chrono::milliseconds(kGenerous)), 0);
  EXPECT_EQ(server->Stderr().find("tlj-server: pages served at ") != std::string::npos,
            GetParam().serves)
      << server->Stderr();
}

INSTANTIATE_TEST_SUITE_P(
    Options, ServerAdPageTest,
    ::testing::Values(NamedPageCase{"AnotherPage",
                                    {"--ad-page", "http://ads.example/spring.html"},
                                    "http://ads.example/spring.html",
                                    true},
                      NamedPageCase{"HundredCharacters",
                                    {"--ad-page", "http://ads.example/" + std::string(81, 'p')},
                                    "http://ads.example/" + std::string(81, 'p'),
                                    true},
                      NamedPageCase{"NoWeb", {"--no-web"}, "", false},
                      NamedPageCase{"NoWebButAnotherPage",
                                    {"--no-web", "--ad-page", "http://ads.example/spring.html"},
                                    "http://ads.example/spring.html",
                                    false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(ServerProgramTest, WarnsOfBadAccountLinesListensAndStopsCleanly) {
  sim::TempDir dir;
  const auto accounts = dir.path() / "accounts.txt";
  std::ofstream(accounts) << "# players\nalice:wonder\nbob-has-no-colon-secret\n";

  auto server = StartListening({"--accounts", accounts.string(), "--port", "0"});
  ASSERT_TRUE(address) << server->Stdout() << server->Stderr();
  EXPECT_EQ(address->host, "127.0.0.1");
  EXPECT_GE(address->port, 20000);
  EXPECT_LE(address->port, 32767);

  EXPECT_EQ(server->Stop(std::chrono::milliseconds(kGenerous)), 0);
  EXPECT_EQ(server->Stderr(), "tlj-server: " + accounts.string() +
                                  ": line 3: no ':' between account and password, line ignored\n");
}

// A table client over loopback: logs in, gets ready, gives up every turn, counts the games.
class GivingUpClient {
 public:
  GivingUpClient(int port, const std::string& account)
      : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    std::vector<std::uint8_t> login(272);
    login[3] = 18;
    std::copy(account.begin(), account.end(), login.begin() + 16);
    login[32] = 'p';
    Write(login);
  }
  ~GivingUpClient() { ::close(fd_); }

  bool Connected() const { return connected_; }
  int games = 0;

  // Handles what has arrived, without waiting.
  void Pump() {
    std::uint8_t chunk[4096];
    ssize_t n;
    while ((n = ::recv(fd_, chunk, sizeof chunk, MSG_DONTWAIT)) > 0) {
      pending_.insert(pending_.end(), chunk, chunk + n);
    }
    while (pending_.size() >= 272) {
      const std::vector<std::uint8_t> frame(pending_.begin(), pending_.begin() + 272);
      pending_.erase(pending_.begin(), pending_.begin() + 272);
      Handle(frame);
    }
  }

 private:
  void Handle(const std::vector<std::uint8_t>& frame) {
    token_ = {frame[260], frame[261]};
    if (frame[3] == 20 && seat_ == 0) {
      seat_ = frame[6];
      Send(16, 1);
    }
    if (frame[3] == 2 && frame[6] == seat_) Send(3, 0);
    if (frame[3] == 9) ++games;
  }
  void Send(std::uint8_t type, std::uint8_t status) {
    std::vector<std::uint8_t> frame(272);
    frame[3] = type;
    frame[6] = seat_;
    frame[15] = status;
    frame[260] = token_[0];
    frame[261] = token_[1];
    Write(frame);
  }
  void Write(const std::vector<std::uint8_t>& bytes) {
    ASSERT_EQ(::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(bytes.size()));
  }

  int fd_;
  bool connected_ = false;
  std::uint8_t seat_ = 0;
  std::array<std::uint8_t, 2> token_{};
  std::vector<std::uint8_t> pending_;
};

std::unique_ptr<posix::ChildProcess> ServerProgramTest::StopAfterOneGame(
    std::vector<std::string> args) {
  auto server = StartListening(std::move(args));
  if (!address) return server;
  GivingUpClient client(address->port, "abc");
  EXPECT_TRUE(client.Connected());
  EXPECT_TRUE(RunUntil(
      [&] {
        client.Pump();
        return client.games == 1;
      },
      kGenerous))
      << server->Stdout() << server->Stderr();
  EXPECT_EQ(server->Stop(std::chrono::milliseconds(kGenerous)), 0);
  return server;
}

TEST_F(ServerProgramTest, WritesATranscriptOfTheTable) {
  const auto server = StopAfterOneGame(
      {"--transcript", "--seed", "3", "--hands", "1", "--bot-delay", "0", "--bot-think", "0"});
  ASSERT_TRUE(address);

  const std::string& out = server->Stdout();
  EXPECT_EQ(out.rfind("tlj-server: listening on 127.0.0.1:", 0), 0u) << "the first line";
  // Whether the person is ready before the bots sit down depends on the socket.
  EXPECT_NE(out.find("table 1: abc (abc) is ready\n"), std::string::npos) << out;
  EXPECT_NE(out.find("table 1: 李白 (bot1) sits down at seat 2 with "), std::string::npos) << out;
  // In this order, with the lines between them left out.
  const std::vector<std::string> expected = {
      "table 1: abc (abc) sits down at seat 1 with 50000 coins\n",
      "table 1: 李白 (bot1) is ready\n",
      "table 1: a game of 1 hand starts\n",
      "table 1: hand 1 of 1 (id 1): ante 100, pot 400\n",
      "table 1: turn of abc (abc) at seat 1: ",
      "table 1: abc gives up; third card ",
      "table 1: turn of 李白 (bot1) at seat 2: ",
      "table 1: end of hand 1: pot ",
      "table 1: game over\n",
      "table 1:   abc (abc): ",
  };
  std::size_t at = 0;
  for (const std::string& line : expected) {
    const auto found = out.find(line, at);
    ASSERT_NE(found, std::string::npos) << "missing, or out of order: " << line << "\n" << out;
    at = found + line.size();
  }
  EXPECT_EQ(server->Stderr(), "");
}

TEST_F(ServerProgramTest, ItsStopAccountsForEveryCoin) {
  const auto server = StopAfterOneGame(
      {"--verbose", "--no-web", "--hands", "1", "--bot-delay", "0", "--bot-think", "0"});
  ASSERT_TRUE(address);

  // The person still sits at the table when the server stops: its coins and the bots' are there.
  const std::string& err = server->Stderr();
  std::smatch m;
  ASSERT_TRUE(std::regex_search(
      err, m,
      std::regex("\ntlj-server: stopped; [^\n]*\ntlj-server: coins: in ([0-9]+), out 0, fees "
                 "([0-9]+), at the tables ([0-9]+): balanced\n")))
      << err;
  EXPECT_GT(std::stoll(m[1]), 50'000) << "the person's coins and the bots'";
  EXPECT_EQ(std::stoll(m[1]), std::stoll(m[2]) + std::stoll(m[3]));
}

TEST_F(ServerProgramTest, BotsSayThePhrasesOfTheFileItIsGiven) {
  sim::TempDir dir;
  const auto phrases = dir.path() / "phrases.txt";
  std::ofstream(phrases, std::ios::binary)
      << text::Utf8ToAnsi("[chat1]\r\nnum=1\r\n1=大家好！\r\n[chat2]\r\nnum=1\r\n1=好牌！\r\n")
             .value();
  auto server = StartListening({"--transcript", "--hands", "1", "--bot-delay", "0", "--bot-think",
                                "0", "--bot-chat", "1", "--phrases", phrases.string()});
  ASSERT_TRUE(address);

  GivingUpClient client(address->port, "abc");
  const std::regex said(
      "table 1: (\\S+) \\(bot[1-3]\\) chats \\((quick phrase 1\\): \\1说道： 大家好！|"
      "voice phrase 1\\): \\1说道： 好牌！)\n");
  const auto lines = [&] {
    const std::string& out = server->Stdout();
    return std::distance(std::sregex_iterator(out.begin(), out.end(), said),
                         std::sregex_iterator());
  };
  ASSERT_TRUE(RunUntil(
      [&] {
        client.Pump();
        return lines() == 3;
      },
      kGenerous))
      << server->Stdout() << server->Stderr();
  EXPECT_EQ(server->Stop(std::chrono::milliseconds(kGenerous)), 0);
  EXPECT_EQ(server->Stderr(), "");
}

TEST_F(ServerProgramTest, APhrasesFileItCannotReadLeavesTheBotsSilent) {
  auto server = StartListening({"--phrases", "/nonexistent/chat.txt"});
  EXPECT_EQ(server->Stop(std::chrono::milliseconds(kGenerous)), 0);
  EXPECT_EQ(server->Stderr(),
            "tlj-server: cannot read the phrases file /nonexistent/chat.txt; the bots say "
            "nothing\n");
}

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  int exit_code;
  const char* message;
  friend void PrintTo(const UsageCase& c, std::ostream* out) { *out << c.name; }
};

class ServerUsageTest : public ProgramTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(ServerUsageTest, RefusesWhatItCannotUse) {
  posix::ChildProcess::Options options;
  options.args = GetParam().args;
  auto server = Start("tlj-server", options);
  EXPECT_EQ(WaitForExit(*server, kGenerous), GetParam().exit_code);
  EXPECT_NE(server->Stderr().find(GetParam().message), std::string::npos) << server->Stderr();
  EXPECT_EQ(server->Stdout(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ServerUsageTest,
    ::testing::Values(
        UsageCase{"UnknownOption", {"--fast"}, 2, "unknown option '--fast'"},
        UsageCase{"PortOutOfRange",
                  {"--port", "65536"},
                  2,
                  "the port must be a number from 0 to 65535, not '65536'"},
        UsageCase{"PortMissing", {"--port"}, 2, "option '--port' needs a value"},
        UsageCase{"NoHands",
                  {"--hands", "0"},
                  2,
                  "the hands per game must be a number from 1 to 100, not '0'"},
        UsageCase{"SeedMissing", {"--seed"}, 2, "option '--seed' needs a value"},
        UsageCase{"BotCoinsNotANumber",
                  {"--bot-coins", "100,x"},
                  2,
                  "the bots' coins must be numbers from 0 to 100000000"},
        UsageCase{"BotLeavesWithoutAHand", {"--bot-leaves", "2"}, 2, "--bot-leaves takes BOT:HAND"},
        UsageCase{"BotChatBelowZero",
                  {"--bot-chat", "-1"},
                  2,
                  "the bots' chat chance must be a number from 0 to 1000000, not '-1'"},
        UsageCase{"NoPhrasesFileName", {"--phrases", ""}, 2, "the phrases file must not be empty"},
        UsageCase{"WebPortOutOfRange",
                  {"--web-port", "70000"},
                  2,
                  "the web port must be a number from 0 to 65535, not '70000'"},
        UsageCase{"WebPortWithoutWeb",
                  {"--no-web", "--web-port", "20000"},
                  2,
                  "--web-port and --no-web do not go together"},
        UsageCase{"WebPortIsTheGamePort",
                  {"--port", "23456", "--web-port", "23456"},
                  2,
                  "the web port must differ from the game port"},
        UsageCase{"AdPageOverAHundredCharacters",
                  {"--ad-page", "http://ads.example/" + std::string(82, 'p')},
                  2,
                  "the advertisement page's address must be at most 100 characters, not 101"},
        UsageCase{"AdPageNotSingleByte",
                  {"--ad-page", "http://广告.example/"},
                  2,
                  "the advertisement page's address must be printable ASCII without spaces"},
        UsageCase{"AdPageWithASpace",
                  {"--ad-page", "http://ads.example/a b"},
                  2,
                  "the advertisement page's address must be printable ASCII without spaces"},
        UsageCase{
            "NoAdPage", {"--ad-page", ""}, 2, "the advertisement page's address must not be empty"},
        UsageCase{"HostTooLongForThePage",
                  {"--host", std::string(80, 'h')},
                  2,
                  "would not fit the login reply's 100 characters; name a shorter one with "
                  "--ad-page"},
        UsageCase{"NoAccountsFile",
                  {"--accounts", "/nonexistent/accounts"},
                  1,
                  "cannot read the accounts file /nonexistent/accounts"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tlj::tools::testing
