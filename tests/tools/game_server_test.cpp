// The server's sessions in-process: the answers to logins and reconnects, the seats of the
// table, and frames it does not take, counted and never answered.

#include "server/game_server.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/net/frame.h"

namespace tlj::server {
namespace {

// The login request exactly as the client builds it.
Frame LoginRequest(const std::string& account, const std::string& password) {
  EXPECT_TRUE(net::BuildLoginFrame(account, password));
  return net::LoginFrame;
}

Frame OfType(std::uint8_t type) {
  Frame frame{};
  frame[net::kTypeAt] = type;
  return frame;
}

Frame ReconnectRequest(std::uint32_t hand_id) {
  Frame frame = LoginRequest("abc", "pw");
  frame[net::kTypeAt] = kTypeReconnect;
  for (std::size_t k = 0; k < 4; ++k) {
    frame[net::kHandIdAt + k] = static_cast<std::uint8_t>(hand_id >> (8 * k));
  }
  return frame;
}

class GameServerTest : public ::testing::Test {
 protected:
  explicit GameServerTest(AccountBook accounts = {}) : server_(std::move(accounts), &log_) {}

  void Connect(int id) {
    server_.Open(id, "127.0.0.1:40000", [this, id](const Frame& f) { sent_[id].push_back(f); });
  }
  void Receive(int id, const Frame& frame) { server_.Receive(id, frame); }
  // The status of the one reply that `frame` brought.
  int ReplyStatus(int id, const Frame& frame, std::uint8_t reply_type = kTypeLogin) {
    const std::size_t before = sent_[id].size();
    Receive(id, frame);
    if (sent_[id].size() != before + 1) {
      ADD_FAILURE() << "expected one reply, got " << sent_[id].size() - before;
      return -1;
    }
    EXPECT_EQ(sent_[id].back()[net::kTypeAt], reply_type);
    return sent_[id].back()[net::kStatusAt];
  }
  int Login(int id, const std::string& account = "abc", const std::string& password = "pw") {
    return ReplyStatus(id, LoginRequest(account, password));
  }

  std::ostringstream log_;
  GameServer server_;
  std::map<int, std::vector<Frame>> sent_;
};

TEST_F(GameServerTest, AnAcceptedLoginIsAnsweredWithTheTurnLengthAndNoAdvertisement) {
  Connect(1);
  Receive(1, LoginRequest("abc", "pw"));

  ASSERT_EQ(sent_[1].size(), 1u);
  const Frame& reply = sent_[1][0];
  Frame expected{};
  expected[net::kTypeAt] = 18;
  expected[11] = 15;
  expected[net::kStatusAt] = 1;
  EXPECT_EQ(reply, expected);
  EXPECT_EQ(server_.Seats().SeatOf(1), 0);
}

TEST_F(GameServerTest, ALoginSplitAcrossArrivalsIsAnsweredOnceWhole) {
  Connect(1);
  const Frame login = LoginRequest("abc", "pw");
  server_.Receive(1, std::span(login).first(100));
  EXPECT_TRUE(sent_[1].empty());
  server_.Receive(1, std::span(login).subspan(100));
  EXPECT_EQ(sent_[1].size(), 1u);
}

TEST_F(GameServerTest, TheFirstFreeSeatIsTakenAndAFullTableIsRefused) {
  for (int id = 1; id <= 4; ++id) {
    Connect(id);
    EXPECT_EQ(Login(id), kLoginAccepted);
    EXPECT_EQ(server_.Seats().SeatOf(id), id - 1);
  }
  Connect(5);
  EXPECT_EQ(Login(5), kLoginTableFull);
  EXPECT_FALSE(server_.Seats().SeatOf(5));

  server_.Close(2, "peer closed");
  EXPECT_EQ(Login(5), kLoginAccepted);
  EXPECT_EQ(server_.Seats().SeatOf(5), 1) << "the seat given up, the first free one";
}

TEST_F(GameServerTest, ALoginAgainKeepsTheSameSeat) {
  Connect(1);
  EXPECT_EQ(Login(1), kLoginAccepted);
  EXPECT_EQ(Login(1), kLoginAccepted);
  EXPECT_EQ(server_.Seats().Occupied(), 1);
}

TEST_F(GameServerTest, AReconnectIsRefusedAsNoHandRunsAndABadHandIdIsInvalid) {
  Connect(1);
  EXPECT_EQ(ReplyStatus(1, ReconnectRequest(0x7FFF'FFFF), kTypeReconnectReply), kReconnectRefused);

  Receive(1, ReconnectRequest(0x8000'0000));
  EXPECT_EQ(sent_[1].size(), 1u) << "no answer to an invalid request";
  EXPECT_EQ(server_.Stats().invalid, 1);
}

TEST_F(GameServerTest, KeepAlivesAreTakenSilentlyOnceSeated) {
  Connect(1);
  Receive(1, net::BuildKeepAlive(0));
  EXPECT_EQ(server_.Stats().invalid, 1) << "a keep-alive before the login";

  Login(1);
  Receive(1, net::BuildKeepAlive(0));
  Receive(1, net::BuildKeepAlive(1));
  EXPECT_EQ(sent_[1].size(), 1u) << "only the login reply";
  EXPECT_EQ(server_.Stats().invalid, 1);
  EXPECT_EQ(server_.Stats().ignored, 0);
}

TEST_F(GameServerTest, OtherFramesAreCountedAndNeverAnswered) {
  Connect(1);
  Frame garbage;
  garbage.fill(0xFF);
  for (const Frame& frame : {OfType(0), OfType(16), OfType(29), OfType(200), garbage}) {
    Receive(1, frame);
  }
  EXPECT_TRUE(sent_[1].empty());
  EXPECT_EQ(server_.Stats().ignored, 5);
  EXPECT_EQ(server_.Stats().frames, 5);
  EXPECT_FALSE(server_.Seats().SeatOf(1));
}

TEST_F(GameServerTest, ClosingFreesTheSeatAndLaterBytesGoNowhere) {
  Connect(1);
  Login(1);
  server_.Close(1, "peer closed");
  EXPECT_EQ(server_.Seats().Occupied(), 0);

  Receive(1, LoginRequest("abc", "pw"));
  EXPECT_EQ(sent_[1].size(), 1u);
  EXPECT_EQ(server_.Seats().Occupied(), 0);
}

TEST_F(GameServerTest, TheLogShowsFramesReadablyAndNeverAPassword) {
  Connect(1);
  Login(1, "abc", "hunter2");
  Receive(1, ReconnectRequest(7));
  server_.Close(1, "peer closed");

  const std::string log = log_.str();
  EXPECT_NE(log.find("recv conn=1 seat=- type=18 login account=abc password=***\n"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("send conn=1 seat=1 type=18 login-reply status=1\n"), std::string::npos)
      << log;
  EXPECT_NE(log.find("type=28 reconnect account=abc password=*** hand=7\n"), std::string::npos)
      << log;
  EXPECT_EQ(log.find("hunter2"), std::string::npos) << log;
}

class GameServerWithAccountsTest : public GameServerTest {
 protected:
  GameServerWithAccountsTest()
      : GameServerTest(AccountBook({{"alice", "wonder"}, {"abcdefghijklmnop", "sixteen"}})) {}
};

struct LoginCase {
  const char* name;
  const char* account;
  const char* password;
  int status;
  friend void PrintTo(const LoginCase& c, std::ostream* out) { *out << c.name; }
};

class LoginAnswerTest : public GameServerWithAccountsTest,
                        public ::testing::WithParamInterface<LoginCase> {};

TEST_P(LoginAnswerTest, StatusFollowsTheList) {
  Connect(1);
  EXPECT_EQ(Login(1, GetParam().account, GetParam().password), GetParam().status);
  EXPECT_EQ(server_.Seats().Occupied(), GetParam().status == kLoginAccepted ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Accounts, LoginAnswerTest,
    ::testing::Values(LoginCase{"Listed", "alice", "wonder", kLoginAccepted},
                      LoginCase{"WrongPassword", "alice", "wonde", kLoginRefused},
                      LoginCase{"EmptyPassword", "alice", "", kLoginRefused},
                      LoginCase{"UnknownAccount", "bob", "wonder", kLoginRefused},
                      // Fills the account field to its end, with no zero before the password.
                      LoginCase{"SixteenCharacterAccount", "abcdefghijklmnop", "sixteen",
                                kLoginAccepted}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tlj::server
