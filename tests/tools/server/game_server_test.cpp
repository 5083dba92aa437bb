// The server's connections in-process: the answers to logins and the page they name, the seats of
// the tables, the token on every frame, keep-alives, and frames it does not take, counted and
// never answered.

#include "tools/server/game_server.h"
#include "core/net/client_frames.h"
#include "core/net/frame.h"
#include "core/net/frame_fields.h"
#include "tests/tools/server/game_test_fixture.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tlj::server::testing {
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

class GameServerTest : public GameFixture {
 protected:
  explicit GameServerTest(AccountBook accounts = {}) {
    StartServer(TestConfig(), std::move(accounts));
  }

  // The status of the reply that `frame` brought, the first frame it brought.
  int ReplyStatus(Person& person, const Frame& frame, std::uint8_t reply_type = kTypeLogin) {
    const std::size_t before = person.frames.size();
    Send(person, frame);
    if (person.frames.size() == before) {
      ADD_FAILURE() << "no reply";
      return -1;
    }
    EXPECT_EQ(person.frames[before][net::kTypeAt], reply_type);
    return person.frames[before][net::kStatusAt];
  }
  int Login(Person& person, const std::string& account = "abc",
            const std::string& password = "pw") {
    return ReplyStatus(person, LoginRequest(account, password));
  }
  std::optional<int> SeatOf(const Person& person) const {
    const auto place = server->PlaceOf(person.connection);
    return place ? std::optional<int>(place->seat) : std::nullopt;
  }
  int Occupied() const {
    const TableView view = Table();
    return static_cast<int>(std::count_if(view.seats.begin(), view.seats.end(),
                                          [](const auto& seat) { return seat.has_value(); }));
  }
};

TEST_F(GameServerTest, AnAcceptedLoginIsAnsweredWithTheTurnLengthThenTheArrival) {
  Person& me = Connect("abc");
  Send(me, LoginRequest("abc", "pw"));

  ASSERT_EQ(me.frames.size(), 2u);
  Frame reply = me.frames[0];
  EXPECT_NE(reply[260] | reply[261], 0) << "the connection's token";
  reply[260] = reply[261] = 0;
  Frame expected{};
  expected[net::kTypeAt] = 18;
  expected[11] = 15;
  expected[net::kStatusAt] = 1;
  EXPECT_EQ(reply, expected);
  EXPECT_EQ(me.frames[1][net::kTypeAt], 20);
  EXPECT_EQ(SeatOf(me), 0);
}

TEST_F(GameServerTest, EveryFrameToAConnectionCarriesItsOwnToken) {
  Person& first = Join("abc");
  Person& second = Join("def");
  Advance(server->Config().bot_delay_ms);
  ASSERT_GT(first.frames.size(), 3u);
  for (const Person* person : {&first, &second}) {
    for (const Frame& frame : person->frames) {
      EXPECT_EQ(frame[260] << 8 | frame[261], person->frames[0][260] << 8 | person->frames[0][261]);
    }
  }
  EXPECT_NE(first.token, second.token);
}

TEST_F(GameServerTest, ALoginSplitAcrossArrivalsIsAnsweredOnceWhole) {
  Person& me = Connect("abc");
  const Frame login = LoginRequest("abc", "pw");
  server->Receive(me.connection, std::span(login).first(100));
  EXPECT_TRUE(me.frames.empty());
  server->Receive(me.connection, std::span(login).subspan(100));
  EXPECT_EQ(me.frames[0][net::kTypeAt], kTypeLogin);
}

TEST_F(GameServerTest, TheFirstFreeSeatIsTakenAndAFullTableIsRefused) {
  std::vector<Person*> four;
  for (int i = 0; i < 4; ++i) {
    Person& person = Connect("p" + std::to_string(i));
    EXPECT_EQ(Login(person, person.account), kLoginAccepted);
    EXPECT_EQ(SeatOf(person), i);
    four.push_back(&person);
  }
  Person& fifth = Connect("p5");
  EXPECT_EQ(Login(fifth, "p5"), kLoginTableFull);
  EXPECT_FALSE(SeatOf(fifth));

  Disconnect(*four[1]);
  EXPECT_EQ(Login(fifth, "p5"), kLoginAccepted);
  EXPECT_EQ(SeatOf(fifth), 1) << "the seat given up, the first free one";
}

TEST_F(GameServerTest, ABotGivesItsSeatToAPersonBetweenGames) {
  Person& first = Join("abc");
  Advance(server->Config().bot_delay_ms);
  ASSERT_EQ(Occupied(), 4);
  Person& second = Join("def");
  ASSERT_EQ(second.frames.at(0)[net::kStatusAt], kLoginAccepted);
  EXPECT_EQ(SeatOf(second), 1) << "the first bot's seat";
  const auto left = first.OfType(21);
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(net::ReadByteText(left[0], 16, 16), "bot1");
  EXPECT_TRUE(Table().seats[0] && !Table().seats[0]->bot);
}

TEST_F(GameServerTest, ALoginAgainOnTheSameConnectionKeepsTheSameSeat) {
  Person& me = Connect("abc");
  EXPECT_EQ(Login(me), kLoginAccepted);
  EXPECT_EQ(Login(me), kLoginAccepted);
  EXPECT_EQ(Occupied(), 1);
}

TEST_F(GameServerTest, AnAccountAlreadyAtATableCannotSitTwice) {
  Join("abc");
  Person& again = Connect("abc");
  EXPECT_EQ(Login(again), kLoginTableFull);
  Advance(server->Config().bot_delay_ms);
  Person& bot_name = Connect("bot2");
  EXPECT_EQ(Login(bot_name, "bot2"), kLoginTableFull) << "a bot of that name sits here";
}

TEST_F(GameServerTest, AReconnectOutsideAGameIsRefusedAndABadHandIdIsInvalid) {
  Person& me = Connect("abc");
  EXPECT_EQ(ReplyStatus(me, ReconnectFor("abc", 0, 0x7FFF'FFFF), kTypeReconnectReply),
            kReconnectRefused);

  Send(me, ReconnectFor("abc", 0, 0x8000'0000));
  EXPECT_EQ(me.frames.size(), 1u) << "no answer to an invalid request";
  EXPECT_EQ(server->Stats().invalid, 1);
}

TEST_F(GameServerTest, KeepAlivesAreTakenSilentlyFromTheSeatOrBeforeItIsKnown) {
  Person& me = Connect("abc");
  Send(me, net::BuildKeepAlive(0));
  EXPECT_EQ(server->Stats().invalid, 0) << "a reconnecting client's queued keep-alive";

  Login(me);
  const std::size_t frames = me.frames.size();
  Send(me, net::BuildKeepAlive(0));
  Send(me, net::BuildKeepAlive(1));
  EXPECT_EQ(me.frames.size(), frames);
  EXPECT_EQ(server->Stats().invalid, 0);
  Send(me, net::BuildKeepAlive(2));
  EXPECT_EQ(server->Stats().invalid, 1) << "another seat's code";
  EXPECT_EQ(server->Stats().ignored, 1) << "the one before the login";
}

TEST_F(GameServerTest, OtherFramesAreCountedAndNeverAnswered) {
  Person& me = Connect("abc");
  Frame garbage;
  garbage.fill(0xFF);
  for (const Frame& frame : {OfType(0), OfType(16), OfType(29), OfType(200), garbage}) {
    Send(me, frame);
  }
  EXPECT_TRUE(me.frames.empty());
  EXPECT_EQ(server->Stats().frames, 5);
  EXPECT_EQ(server->Stats().ignored + server->Stats().invalid, 4)
      << "a leave without a seat is no fault";
  EXPECT_FALSE(SeatOf(me));
}

TEST_F(GameServerTest, ClosingFreesTheSeatAndLaterBytesGoNowhere) {
  Person& me = Connect("abc");
  Login(me);
  Disconnect(me);
  EXPECT_EQ(Occupied(), 0);

  const std::size_t frames = me.frames.size();
  Send(me, LoginRequest("abc", "pw"));
  EXPECT_EQ(me.frames.size(), frames);
  EXPECT_EQ(Occupied(), 0);
}

TEST_F(GameServerTest, TheLogShowsFramesReadablyAndNeverAPassword) {
  Person& me = Connect("abc");
  Login(me, "abc", "hunter2");
  Advance(server->Config().bot_delay_ms);
  Send(me, ReconnectFor("abc", 0, 7, "hunter2"));
  Disconnect(me);

  const std::string text = log.str();
  for (const char* line : {
           "recv conn=1 seat=- type=18 login account=abc password=***\n",
           "send conn=1 seat=1 type=18 login-reply status=1\n",
           "send conn=1 seat=1 type=20 arrival to=1 seat=1 account=abc nick=abc coins=50000 "
           "ready=0\n",
           "send conn=1 seat=1 type=20 arrival to=1 seat=2 account=bot1 nick=李白",
           "type=28 reconnect account=abc password=*** hand=7\n",
           "send conn=1 seat=1 type=29 reconnect-reply status=0\n",
           "close conn=1 seat=1: peer closed\n",
       }) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  }
  EXPECT_EQ(text.find("hunter2"), std::string::npos) << text;
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
  Person& me = Connect(GetParam().account);
  EXPECT_EQ(Login(me, GetParam().account, GetParam().password), GetParam().status);
  EXPECT_EQ(Occupied(), GetParam().status == kLoginAccepted ? 1 : 0);
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

struct AdPageCase {
  const char* name;
  std::string configured;
  std::string named;
  friend void PrintTo(const AdPageCase& c, std::ostream* out) { *out << c.name; }
};

class AdPageTest : public GameFixture, public ::testing::WithParamInterface<AdPageCase> {
 protected:
  AdPageTest() {
    GameConfig config = TestConfig();
    config.ad_page = GetParam().configured;
    StartServer(std::move(config), AccountBook(std::map<std::string, std::string>{{"abc", "pw"}}));
  }
  // The reply to a login, with what the client reads as the page.
  std::pair<Frame, std::string> Reply(Person& person, const std::string& password = "pw") {
    const std::size_t before = person.frames.size();
    Send(person, LoginFor(person.account, password));
    EXPECT_GT(person.frames.size(), before);
    const Frame reply = person.frames.size() > before ? person.frames[before] : Frame{};
    return {reply,
            net::ReadByteText(reply, net::login_reply::kAdPageAt, net::login_reply::kAdPageSize)};
  }
};

TEST_P(AdPageTest, AnAcceptedLoginNamesThePageAndNoOtherReplyDoes) {
  Person& me = Connect("abc");
  const auto [accepted, page] = Reply(me);
  EXPECT_EQ(accepted[net::kStatusAt], kLoginAccepted);
  EXPECT_EQ(page, GetParam().named);
  EXPECT_EQ(accepted[kTurnSecondsAt], 15) << "the turn length stays beside it";
  for (std::size_t at = kAdPageAt + kAdPageSize; at < net::kTokenAt; ++at) {
    ASSERT_EQ(accepted[at], 0) << "byte " << at << " after the field";
  }
  EXPECT_EQ(Reply(me).second, GetParam().named) << "again on the same connection";

  Person& twice = Connect("abc");
  const auto [full, full_page] = Reply(twice);
  EXPECT_EQ(full[net::kStatusAt], kLoginTableFull);
  EXPECT_EQ(full_page, "");
  Person& stranger = Connect("abc");
  const auto [refused, refused_page] = Reply(stranger, "wrong");
  EXPECT_EQ(refused[net::kStatusAt], kLoginRefused);
  EXPECT_EQ(refused_page, "");
}

INSTANTIATE_TEST_SUITE_P(
    Pages, AdPageTest,
    ::testing::Values(AdPageCase{"None", "", ""},
                      AdPageCase{"TheServersOwn", "http://127.0.0.1:20001/ad.html",
                                 "http://127.0.0.1:20001/ad.html"},
                      // Fills the field to its end, with no zero after it.
                      AdPageCase{"HundredCharacters", "http://ads.example/" + std::string(81, 'p'),
                                 "http://ads.example/" + std::string(81, 'p')},
                      AdPageCase{"CutAtTheFieldsEnd", "http://ads.example/" + std::string(90, 'p'),
                                 "http://ads.example/" + std::string(81, 'p')}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tlj::server::testing
