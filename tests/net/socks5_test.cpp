#include "core/net/socks5.h"
#include "core/model/turn_state.h"
#include "core/net/client_frames.h"
#include "core/net/frame_fields.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/net/rings.h"
#include "core/platform/lobby_link.h"
#include "tests/support/frames.h"
#include "tests/support/table_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tlj::sim {
namespace {

using ::testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* kProxyHost = "10.1.1.1";
constexpr int kProxyPort = 1080;

// A proxy that answers each request with the next scripted reply.
class Socks5Test : public tlj::testing::ClientFixture {
 protected:
  void SetUp() override {
    h.network.Listen(kProxyHost, kProxyPort, [this](std::shared_ptr<SimEnd> end) {
      proxy_ = std::move(end);
      proxy_->on_data = [this](const SimEnd::Bytes& bytes) {
        requests.push_back(bytes);
        if (replies.empty()) {
          tunnel.insert(tunnel.end(), bytes.begin(), bytes.end());
          return;
        }
        for (const auto& piece : replies.front()) proxy_->Send(piece);
        replies.erase(replies.begin());
        if (replies.empty() && close_after_replies) proxy_->Close();
      };
    });
  }

  void Start(const std::string& user = "u", const std::string& password = "pw") {
    h.Start(std::string("abc$xyz$10.0.0.7$5000$room$5$") + kProxyHost + "$" +
            std::to_string(kProxyPort) + "$" + user + "$" + password + "$0$$$");
    h.RunFor(500);
  }

  // The game server's frame, through the tunnel.
  void ServerSays(const net::Frame& frame) {
    proxy_->Send(frame);
    h.RunFor(100);
  }
  void ProxyCloses() { proxy_->Close(); }

  std::vector<std::vector<Bytes>> replies;  // per request: the pieces the proxy sends back
  bool close_after_replies = false;         // the proxy closes once its replies are out
  std::vector<Bytes> requests;
  Bytes tunnel;  // what came through after the handshake

 private:
  std::shared_ptr<SimEnd> proxy_;
};

TEST(Socks5Requests, BytesAsSent) {
  EXPECT_EQ(net::BuildGreeting(), (Bytes{5, 2, 0, 2}));
  EXPECT_EQ(net::BuildAuthentication("", ""), (Bytes{1, 0, 0}));
  EXPECT_EQ(net::BuildAuthentication("ab", "c"), (Bytes{1, 2, 'a', 'b', 1, 'c'}));
  EXPECT_EQ(net::BuildConnectRequest("10.0.0.7", 5000), (Bytes{5, 1, 0, 1, 10, 0, 0, 7, 19, 136}));
  // Parts that are no byte, and missing parts, leave zeros.
  EXPECT_EQ(net::BuildConnectRequest("1.300.x", 1), (Bytes{5, 1, 0, 1, 1, 0, 0, 0, 0, 1}));
  EXPECT_EQ(net::BuildConnectRequest("host.example", 80), (Bytes{5, 1, 0, 1, 0, 0, 0, 0, 0, 80}));
}

TEST_F(Socks5Test, FullHandshakeThenTheLoginGoesThroughTheTunnel) {
  replies = {{{5, 2}}, {{1, 0}}, {{5, 0, 0, 1, 10, 0, 0, 7, 19, 136}}};
  Start();
  ASSERT_FALSE(h.Ended());
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(requests[0], (Bytes{5, 2, 0, 2}));
  EXPECT_EQ(requests[1], (Bytes{1, 1, 'u', 2, 'p', 'w'}));
  EXPECT_EQ(requests[2], (Bytes{5, 1, 0, 1, 10, 0, 0, 7, 19, 136}));
  EXPECT_EQ(requests[3], Bytes(net::LoginFrame.begin(), net::LoginFrame.end()));
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("连接代理服务器成功！"));
  EXPECT_THAT(h.LobbyMessages(), ElementsAre(platform::kLoggedIn));
  EXPECT_TRUE(net::DataMode);
  EXPECT_TRUE(net::PumpRunning());
  EXPECT_TRUE(h.boxes.shown.empty());
}

TEST_F(Socks5Test, NoAuthenticationGoesStraightToConnect) {
  replies = {{{5, 0}}, {{5, 0, 0, 1, 0, 0, 0, 0, 0, 0}}};
  Start();
  ASSERT_GE(requests.size(), 2u);
  EXPECT_EQ(requests[1][0], 5);
  EXPECT_EQ(requests[1][1], 1);
}

TEST_F(Socks5Test, ConnectReplyInPiecesStaysOutOfTheFrameStream) {
  replies = {{{5, 0}}, {{5, 0}, {0, 1, 10, 0}, {0, 7, 19, 136}}};
  Start();
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("连接代理服务器成功！"));
  EXPECT_EQ(net::RecvRing.Unread(), 0u);
}

struct ProxyFailure {
  std::vector<std::vector<Bytes>> replies;
  const char* text;
};

class Socks5Failure : public Socks5Test, public ::testing::WithParamInterface<ProxyFailure> {};

TEST_P(Socks5Failure, ShowsTheMessageAndCloses) {
  replies = GetParam().replies;
  Start();
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].text, GetParam().text);
  EXPECT_EQ(h.socket.State(), platform::SocketState::Closed);
  EXPECT_FALSE(net::PumpRunning());
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("正在连接服务器..."));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, Socks5Failure,
    ::testing::Values(ProxyFailure{{{{5, 255}}}, "请求代理失败！"},
                      ProxyFailure{{{{4, 2}}}, "请求代理失败！"},
                      ProxyFailure{{{{5, 2}}, {{1, 1}}}, "代理服务器用户验证失败！"},
                      ProxyFailure{{{{5, 0}}, {{5, 5, 0, 1, 0, 0, 0, 0, 0, 0}}},
                                   "通过代理连接主站失败！"}));

TEST_F(Socks5Test, UnreachableProxyFailsInsteadOfWaitingForever) {
  h.network.StopListening(kProxyHost, kProxyPort);
  Start();
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].text, "请求代理失败！");
}

// A hostile proxy: what it sends, and how it comes.

Bytes Singles(const Bytes& bytes, std::vector<Bytes>& pieces) {
  for (std::uint8_t b : bytes) pieces.push_back({b});
  return bytes;
}

// A whole handshake's replies, each byte an arrival of its own.
std::vector<std::vector<Bytes>> SingleByteHandshake() {
  std::vector<Bytes> greeting, auth, connect;
  Singles({5, 2}, greeting);
  Singles({1, 0}, auth);
  Singles({5, 0, 0, 1, 10, 0, 0, 7, 19, 136}, connect);
  return {greeting, auth, connect};
}

TEST_F(Socks5Test, RepliesInSingleBytesAreGatheredBeforeTheyAreJudged) {
  replies = SingleByteHandshake();
  Start();
  EXPECT_TRUE(h.boxes.shown.empty());
  EXPECT_TRUE(net::DataMode);
  EXPECT_EQ(net::RecvRing.Unread(), 0u) << "no byte of the reply reaches the frame stream";
}

TEST_F(Socks5Test, FramesInTheConnectReplysBatchAreKept) {
  const net::Frame reply = tlj::testing::LoginReplyFrame();
  Bytes batch{5, 0, 0, 1, 10, 0, 0, 7, 19, 136};
  batch.insert(batch.end(), reply.begin(), reply.end());
  replies = {{{5, 2}}, {{1, 0}}, {batch}};
  Start();
  EXPECT_TRUE(h.boxes.shown.empty());
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("连接服务器成功！"))
      << "the login reply that came with the proxy's reply was read";
}

// A batch beyond the proxy buffer's size, where a reply and then frames are due: the frames
// after the reply are all read, the last one too.
TEST_F(Socks5Test, MoreFramesInTheConnectReplysBatchThanTheProxyBufferHoldsAreKept) {
  Bytes batch{5, 0, 0, 1, 10, 0, 0, 7, 19, 136};
  const net::Frame reply = tlj::testing::LoginReplyFrame();
  batch.insert(batch.end(), reply.begin(), reply.end());
  for (std::uint8_t k = 1; k <= 4; ++k) {
    const net::Frame frame = tlj::testing::IgnoredFrame(0x40, k);
    batch.insert(batch.end(), frame.begin(), frame.end());
  }
  ASSERT_GT(batch.size(), net::kProxyBufferSize);
  replies = {{{5, 2}}, {{1, 0}}, {batch}};
  Start();
  ASSERT_FALSE(h.Ended());
  EXPECT_TRUE(h.boxes.shown.empty());
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("连接服务器成功！"));
  EXPECT_THAT(net::ServerToken, ElementsAre(0x40, 4)) << "the last frame of the batch was read";
}

// Garbage is judged by its first two bytes, however much of it comes at once.
class Socks5Garbage : public Socks5Test, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(Socks5Garbage, ForAGreetingIsRefused) {
  replies = {{Bytes(GetParam(), 0xAB)}};
  Start();
  ASSERT_FALSE(h.Ended());
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].text, "请求代理失败！");
  EXPECT_EQ(h.socket.State(), platform::SocketState::Closed);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Socks5Garbage,
                         ::testing::Values(net::kProxyBufferSize - 1, net::kProxyBufferSize,
                                           4 * net::kProxyBufferSize));

// A proxy that stops answering fails the step it stopped at once the handshake's time is up,
// instead of leaving the table waiting; one that closes fails it at once.
struct SilentProxy {
  const char* name;
  std::vector<std::vector<Bytes>> replies;  // before it falls silent, or closes
  const char* text;
  friend void PrintTo(const SilentProxy& c, std::ostream* out) { *out << c.name; }
};

class Socks5Silence : public Socks5Test, public ::testing::WithParamInterface<SilentProxy> {};

TEST_P(Socks5Silence, FailsTheStepItStoppedAt) {
  replies = GetParam().replies;
  Start();
  h.RunFor(net::kProxyHandshakeTimeoutMs - 1000);
  EXPECT_TRUE(h.boxes.shown.empty()) << "still within the handshake's time";
  h.RunFor(1000);
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].text, GetParam().text);
  EXPECT_EQ(h.socket.State(), platform::SocketState::Closed);
  EXPECT_FALSE(net::PumpRunning());
}

const auto kStoppingPoints = ::testing::Values(
    SilentProxy{"AfterTheGreeting", {{}}, "请求代理失败！"},
    SilentProxy{"AfterTheMethodChoice", {{{5, 2}}}, "代理服务器用户验证失败！"},
    SilentProxy{"AfterTheAuthentication", {{{5, 2}}, {{1, 0}}}, "通过代理连接主站失败！"},
    SilentProxy{"InTheConnectReply", {{{5, 2}}, {{1, 0}}, {{5}}}, "通过代理连接主站失败！"});

INSTANTIATE_TEST_SUITE_P(
    Proxies, Socks5Silence,
    ::testing::Values(
        SilentProxy{"NeverAnswers", {}, "请求代理失败！"},
        SilentProxy{"SilentAfterTheGreeting", {{{5, 2}}}, "代理服务器用户验证失败！"},
        SilentProxy{"SilentAfterTheAuthentication", {{{5, 2}}, {{1, 0}}}, "通过代理连接主站失败！"},
        SilentProxy{"HalfAConnectReply", {{{5, 2}}, {{1, 0}}, {{5}}}, "通过代理连接主站失败！"}),
    [](const auto& test) { return std::string(test.param.name); });

class Socks5Close : public Socks5Test, public ::testing::WithParamInterface<SilentProxy> {};

TEST_P(Socks5Close, FailsTheStepItStoppedAtAtOnce) {
  replies = GetParam().replies;
  close_after_replies = true;
  Start();
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].text, GetParam().text);
  EXPECT_EQ(h.socket.State(), platform::SocketState::Closed);
  EXPECT_FALSE(net::PumpRunning());
  h.RunFor(net::kProxyHandshakeTimeoutMs);
  EXPECT_EQ(h.boxes.shown.size(), 1u) << "the handshake's time running out fails nothing again";
}

INSTANTIATE_TEST_SUITE_P(Proxies, Socks5Close, kStoppingPoints,
                         [](const auto& test) { return std::string(test.param.name); });

// A refusal stays one message while its box waits for the user, whatever the proxy does
// meanwhile: closes, or sends more.
class Socks5RefusalWhileTheBoxWaits : public Socks5Test,
                                      public ::testing::WithParamInterface<bool> {};

TEST_P(Socks5RefusalWhileTheBoxWaits, IsOneMessage) {
  const bool closes = GetParam();
  h.boxes.AnswerAfter(h.loop, 5000);
  replies = {{{5, 2}}, {closes ? std::vector<Bytes>{{1, 1}} : std::vector<Bytes>{{1, 1}, {1, 1}}}};
  close_after_replies = closes;
  Start();
  h.RunFor(10'000);
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].text, "代理服务器用户验证失败！");
  EXPECT_EQ(h.socket.State(), platform::SocketState::Closed);
}

INSTANTIATE_TEST_SUITE_P(Proxies, Socks5RefusalWhileTheBoxWaits, ::testing::Bool());

TEST_F(Socks5Test, ATunnelThatOpenedInTimeIsNotFailedLater) {
  replies = {{{5, 2}}, {{1, 0}}, {{5, 0, 0, 1, 10, 0, 0, 7, 19, 136}}};
  Start();
  h.RunFor(net::kProxyHandshakeTimeoutMs + 1000);
  EXPECT_TRUE(h.boxes.shown.empty());
  EXPECT_TRUE(net::DataMode);
}

// Back at a table from the lobby (22), the client goes through the proxy again; a proxy that
// now falls silent fails as at start-up, and one that answers in single bytes lets it in.
class Socks5ReEntryTest : public Socks5Test {
 protected:
  // In through the proxy, then sent back to the lobby: the client is idle.
  void SetUp() override {
    Socks5Test::SetUp();
    replies = {{{5, 2}}, {{1, 0}}, {{5, 0, 0, 1, 10, 0, 0, 7, 19, 136}}};
    Start();
    h.lobby.PostToClient(platform::kLeaveNow);
    h.RunFor(1000);
    ASSERT_FALSE(h.Ended());
    requests.clear();
  }
};

TEST_F(Socks5ReEntryTest, GoesThroughTheProxyAgain) {
  replies = SingleByteHandshake();
  h.lobby.PostToClient(platform::kEnterTable);
  h.RunFor(1000);
  ASSERT_EQ(requests.size(), 4u) << "greeting, authentication, CONNECT, and the login";
  EXPECT_EQ(requests[3], Bytes(net::LoginFrame.begin(), net::LoginFrame.end()));
  EXPECT_TRUE(h.boxes.shown.empty());
  EXPECT_TRUE(net::DataMode);
}

TEST_F(Socks5ReEntryTest, ASilentProxyFailsAsAtStartUp) {
  h.lobby.PostToClient(platform::kEnterTable);  // no replies now
  h.RunFor(net::kProxyHandshakeTimeoutMs + 1000);
  ASSERT_FALSE(h.Ended());
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].text, "请求代理失败！");
  EXPECT_EQ(h.socket.State(), platform::SocketState::Closed);
}

// A link lost in a hand comes back through the proxy: the reconnect request goes out once the
// handshake, this time in single bytes, is through.
TEST_F(Socks5Test, AReconnectionGoesThroughTheProxy) {
  replies = {{{5, 2}}, {{1, 0}}, {{5, 0, 0, 1, 10, 0, 0, 7, 19, 136}}};
  Start();
  ServerSays(tlj::testing::LoginReplyFrame());
  ServerSays(tlj::testing::IgnoredFrame(0x12, 0x34));
  net::HandInProgress = true;
  ASSERT_TRUE(model::g_bGameActive);
  requests.clear();

  replies = SingleByteHandshake();
  ProxyCloses();
  h.RunFor(4'000);
  ASSERT_GE(requests.size(), 4u) << "greeting, authentication, CONNECT, and the request";
  EXPECT_EQ(requests[3][net::kTypeAt], net::kTypeReconnect);
  EXPECT_EQ(requests[3][net::kTokenAt], 0x12);
  ServerSays(tlj::testing::ReconnectReplyFrame());
  EXPECT_TRUE(model::g_bGameActive);
  EXPECT_TRUE(net::Reconnected);
  EXPECT_TRUE(h.boxes.shown.empty());
}

}  // namespace
}  // namespace tlj::sim
