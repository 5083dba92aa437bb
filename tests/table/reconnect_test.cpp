#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/frame.h"
#include "core/net/frame_fields.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/lobby_link.h"
#include "core/table/reconnection.h"
#include "tests/support/table_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tlj::testing {
namespace {

using ::testing::ElementsAre;

constexpr std::uint8_t kRefused = 0;  // any status but accepted

class ReconnectTest : public LoggedInFixture {
 protected:
  void SetUp() override {
    LoggedInFixture::SetUp();
    // In a hand the user plays, with a token from the last frame.
    Send(IgnoredFrame(0x12, 0x34));
    net::HandInProgress = true;
    model::HandId = 0x01020304;
  }
};

TEST_F(ReconnectTest, AttemptsEveryThreeSecondsAndResumes) {
  h.StopListening();
  h.ServerClose();
  h.RunFor(200);
  EXPECT_FALSE(model::g_bGameActive);
  EXPECT_TRUE(net::KeepAliveEnabled());
  EXPECT_FALSE(h.tree.Win("MainForm").minimized);
  h.RunFor(6'000);  // two attempts fail
  EXPECT_EQ(net::ReconnectAttempts, 2);
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("正在重新连接服务器..."));
  h.Listen();
  h.RunFor(3'300);  // the third attempt gets through, and the request goes out
  EXPECT_EQ(net::ReconnectAttempts, 3);
  const auto frames = h.FramesFromClient();
  ASSERT_FALSE(frames.empty());
  const net::Frame& request = frames[0];
  EXPECT_EQ(request[net::kTypeAt], net::kTypeReconnect);
  EXPECT_EQ(request[net::login::kAccountAt], 'a');
  EXPECT_EQ(request[net::login::kPasswordAt], 'x');
  EXPECT_EQ(request[net::kTokenAt], 0x12);
  EXPECT_EQ(request[net::kTokenAt + 1], 0x34);
  EXPECT_EQ(request[net::kHandIdAt], 0x04);
  EXPECT_EQ(request[net::kHandIdAt + 3], 0x01);
  h.ServerSend(ReconnectReplyFrame());
  h.RunFor(300);
  EXPECT_TRUE(model::g_bGameActive);
  EXPECT_TRUE(net::Reconnected);
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("正在重连服务器，请等待...！"));
  h.RunFor(3'000);
  EXPECT_FALSE(table::ReconnectWindowLoaded());
}

// The deal and the link's end come together, at each phase of the pump's ticks: the deal is
// handled first, so the user is in a hand and the client reconnects rather than leaving.
class DealThenLinkEndTest : public ReconnectTest, public ::testing::WithParamInterface<int> {};

TEST_P(DealThenLinkEndTest, TheDealIsHandledFirst) {
  net::HandInProgress = false;
  h.StopListening();
  h.RunFor(GetParam() * net::kPumpIntervalMs / 2);
  h.ServerSend(NewHandFrame(100));
  h.ServerClose();
  h.RunFor(1'000);
  EXPECT_TRUE(net::HandInProgress);
  EXPECT_TRUE(table::ReconnectWindowLoaded());
  EXPECT_FALSE(h.tree.Win("MainForm").minimized);
}

INSTANTIATE_TEST_SUITE_P(PumpPhases, DealThenLinkEndTest, ::testing::Range(0, 8));  // half ticks

TEST_F(ReconnectTest, AFrameTheLostLinkCutShortDoesNotSpoilTheNewLink) {
  const net::Frame deal = NewHandFrame(100);
  h.ServerSendBytes({deal.begin(), deal.begin() + 100});
  h.ServerClose();
  h.RunFor(3'300);
  ASSERT_FALSE(h.FramesFromClient().empty()) << "the reconnect request";
  h.ServerSend(ReconnectReplyFrame());
  h.RunFor(300);
  EXPECT_TRUE(model::g_bGameActive) << "the reply was read as a reply";
  EXPECT_TRUE(net::Reconnected);
}

TEST_F(ReconnectTest, GivesUpAfterTwentyOneAttempts) {
  h.StopListening();
  h.ServerClose();
  h.RunFor(200);
  h.RunFor(63'000);
  EXPECT_EQ(net::ReconnectAttempts, 21);
  EXPECT_FALSE(h.tree.FindWin("frmOtherExit") && h.tree.FindWin("frmOtherExit")->visible);
  h.RunFor(3'000);
  EXPECT_TRUE(h.tree.Win("frmOtherExit").visible);
  EXPECT_TRUE(h.tree.Win("frmOtherExit").topmost);
  EXPECT_TRUE(table::ReconnectWindowLoaded());
  EXPECT_EQ(h.tree.El("frmOtherExit", "Label1").caption, "网络已断开,请退出大厅重新登陆游戏");
  EXPECT_TRUE(h.tree.Win("MainForm").minimized);
  const auto& to_lobby = h.lobby.Received(sim::kLobbyTitle);
  ASSERT_FALSE(to_lobby.empty());
  EXPECT_EQ(to_lobby.back().wparam, platform::kScRestore) << "the lobby shows again";
  EXPECT_FALSE(h.Ended());
}

TEST_F(ReconnectTest, RefusedReconnectEndsTheProcess) {
  h.ServerClose();
  h.RunFor(3'500);
  h.ServerSend(ReconnectReplyFrame(kRefused));
  h.RunFor(300);
  ASSERT_TRUE(h.Ended());
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].text, "重连服务器失败，退出后请重新入座！");
}

TEST_F(ReconnectTest, LossWhileNotPlayingStartsNoReconnection) {
  model::g_bGameActive = false;
  h.StopListening();
  h.ServerClose();
  h.RunFor(10'000);
  EXPECT_FALSE(table::ReconnectWindowLoaded());
  EXPECT_EQ(net::ReconnectAttempts, 0);
}

}  // namespace
}  // namespace tlj::testing
