// The server's sessions behind real loopback sockets: frames split by TCP, replies coming back,
// and a seat freed when its connection ends.

#include "tools/server/tcp_front.h"
#include "core/net/client_frames.h"
#include "core/net/frame.h"
#include "posix/tcp_listener.h"
#include "tests/tools/server/loopback_client.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace tlj::server {
namespace {

// Deadlines only keep a broken run from hanging.
constexpr platform::TimeMs kGenerous = 10'000;

using testing::LoopbackClient;

class TcpFrontTest : public ::testing::Test {
 protected:
  TcpFrontTest() {
    tick_.SetInterval(20);
    tick_.SetEnabled(true);
  }
  bool RunUntil(const std::function<bool()>& done) {
    loop_.ProcessEventsUntil(loop_.Now() + kGenerous, done);
    return done();
  }
  int Occupied() const {
    const TableView view = server_.ViewTable(0);
    return static_cast<int>(std::count_if(view.seats.begin(), view.seats.end(),
                                          [](const auto& seat) { return seat.has_value(); }));
  }
  static net::Frame Login(const std::string& account = "abc") {
    EXPECT_TRUE(net::BuildLoginFrame(account, "pw"));
    return net::LoginFrame;
  }

  posix::PollBackend poll_;
  platform::EventLoop loop_{poll_};
  platform::Timer tick_{loop_, [] {}};  // wakes the loop to look at the client sockets
  GameServer server_{loop_, GameConfig{}, AccountBook{}};
  TcpFront front_{loop_, poll_, server_, "127.0.0.1", 0};
};

TEST_F(TcpFrontTest, PicksAPortTheClientsCommandLineCanCarry) {
  EXPECT_GE(front_.Port(), posix::kCommandLinePorts.lowest);
  EXPECT_LE(front_.Port(), posix::kCommandLinePorts.highest);
  EXPECT_EQ(front_.Host(), "127.0.0.1");
}

TEST_F(TcpFrontTest, AnswersALoginThatArrivesInPiecesAndFreesTheSeatWhenTheClientGoes) {
  LoopbackClient client(front_.Port());
  ASSERT_TRUE(client.Connected());
  const net::Frame login = Login();
  const net::Frame keep_alive = net::BuildKeepAlive(1);
  client.Write(std::span(login).first(5));
  ASSERT_TRUE(RunUntil([&] { return server_.Stats().connections == 1; }));
  std::vector<std::uint8_t> rest(login.begin() + 5, login.end());
  rest.insert(rest.end(), keep_alive.begin(), keep_alive.end());
  client.Write(rest);

  ASSERT_TRUE(RunUntil([&] { return client.Received().size() >= net::kFrameSize; }));
  EXPECT_EQ(client.Received()[net::kTypeAt], kTypeLogin);
  EXPECT_EQ(client.Received()[net::kStatusAt], kLoginAccepted);
  ASSERT_TRUE(RunUntil([&] { return server_.Stats().frames == 2; }));
  EXPECT_EQ(Occupied(), 1);

  client.Close();
  EXPECT_TRUE(RunUntil([&] { return Occupied() == 0; }));
  EXPECT_EQ(server_.Stats().invalid + server_.Stats().ignored, 0);
}

TEST_F(TcpFrontTest, ServesSeveralConnectionsAtOnce) {
  LoopbackClient first(front_.Port());
  LoopbackClient second(front_.Port());
  first.Write(Login("abc"));
  second.Write(Login("def"));

  ASSERT_TRUE(RunUntil([&] {
    return first.Received().size() >= net::kFrameSize &&
           second.Received().size() >= net::kFrameSize;
  }));
  EXPECT_EQ(Occupied(), 2);
}

TEST(TcpListenerTest, ATakenPortIsReportedWithTheAddress) {
  posix::PollBackend poll;
  posix::TcpListener taken(poll, "127.0.0.1", posix::kCommandLinePorts,
                           [](int fd, auto&) { ::close(fd); });
  try {
    posix::TcpListener again(poll, "127.0.0.1", taken.Port(), [](int, auto&) {});
    FAIL() << "listened twice on one port";
  } catch (const std::system_error& error) {
    EXPECT_NE(std::string(error.what())
                  .find("cannot listen on 127.0.0.1:" + std::to_string(taken.Port())),
              std::string::npos)
        << error.what();
  }
}

}  // namespace
}  // namespace tlj::server
