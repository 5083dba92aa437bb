#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "core/game/table_model.h"
#include "core/model/lobby_window.h"
#include "core/model/table_state.h"
#include "core/net/channels.h"
#include "core/net/client_frames.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/net/rings.h"
#include "tests/support/frame_bytes.h"
#include "tests/support/table_fixture.h"

namespace tlj::testing {
namespace {

using ::testing::ElementsAre;

// A frame the client ignores, whose token tells which frame it was.
net::Frame Marked(std::uint8_t mark) {
  return IgnoredFrame(0xA0, mark);
}

class PumpTest : public ConnectedFixture {
 protected:
  // Marks of the received frames handled so far, seen through the token they leave behind.
  std::uint8_t LastMark() const { return net::ServerToken[1]; }

  // Runs one tick at a time and notes when the handled frame changes.
  std::vector<std::pair<int, std::uint8_t>> TicksOfHandling(int ticks) {
    std::vector<std::pair<int, std::uint8_t>> seen;
    std::uint8_t last = LastMark();
    for (int t = 1; t <= ticks; ++t) {
      h.RunFor(net::kPumpIntervalMs);
      if (LastMark() != last) seen.emplace_back(t, last = LastMark());
    }
    return seen;
  }
};

TEST_F(PumpTest, PartialFrameWaitsForItsLastByte) {
  const auto frame = Marked(1);
  h.ServerSendBytes({frame.begin(), frame.end() - 1});
  EXPECT_TRUE(TicksOfHandling(10).empty());
  h.ServerSendBytes({frame.back()});
  // Handled on the second tick after the byte that completed it.
  EXPECT_THAT(TicksOfHandling(4), ElementsAre(std::pair(2, 1)));
}

TEST_F(PumpTest, BurstIsWorkedOffOneFramePerTick) {
  std::vector<std::uint8_t> burst;
  for (std::uint8_t m = 1; m <= 3; ++m) {
    const auto f = Marked(m);
    burst.insert(burst.end(), f.begin(), f.end());
  }
  h.ServerSendBytes(burst);
  EXPECT_THAT(TicksOfHandling(6), ElementsAre(std::pair(2, 1), std::pair(3, 2), std::pair(4, 3)));
}

TEST_F(PumpTest, FramingHoldsForEverySplit) {
  std::vector<std::uint8_t> stream;
  for (std::uint8_t m = 1; m <= 5; ++m) {
    const auto f = Marked(m);
    stream.insert(stream.end(), f.begin(), f.end());
  }
  for (std::size_t chunk :
       {std::size_t{1}, std::size_t{7}, std::size_t{271}, std::size_t{273}, stream.size()}) {
    SCOPED_TRACE(chunk);
    std::vector<std::uint8_t> marks;
    net::ServerToken = {0, 0};
    for (std::size_t at = 0; at < stream.size(); at += chunk) {
      const auto end = std::min(stream.size(), at + chunk);
      h.ServerSendBytes(
          {stream.begin() + static_cast<long>(at), stream.begin() + static_cast<long>(end)});
      h.RunFor(net::kPumpIntervalMs);
      if (marks.empty() || marks.back() != LastMark()) marks.push_back(LastMark());
    }
    for (int t = 0; t < 20; ++t) {
      h.RunFor(net::kPumpIntervalMs);
      if (marks.back() != LastMark()) marks.push_back(LastMark());
    }
    marks.erase(std::remove(marks.begin(), marks.end(), 0), marks.end());
    EXPECT_THAT(marks, ElementsAre(1, 2, 3, 4, 5));
    EXPECT_EQ(net::RecvRing.Unread(), 0u);
  }
}

TEST_F(PumpTest, PerGameRingResetKeepsWhatArrivedUnhandled) {
  const auto first = Marked(1);
  const auto second = Marked(2);
  std::vector<std::uint8_t> bytes(first.begin(), first.end());
  bytes.insert(bytes.end(), second.begin(), second.begin() + 100);
  h.ServerSendBytes(bytes);
  h.RunFor(1);
  game::ResetGameState(true);
  h.ServerSendBytes({second.begin() + 100, second.end()});
  EXPECT_THAT(TicksOfHandling(6), ElementsAre(std::pair(2, 1), std::pair(3, 2)));
  EXPECT_EQ(net::RecvRing.Unread(), 0u);
}

TEST_F(PumpTest, OneFrameLeavesPerTick) {
  const std::size_t before = h.ServerReceived().size();
  for (int i = 0; i < 3; ++i) net::QueueFrame(net::BuildGiveUpFrame(1));
  h.RunFor(net::kPumpIntervalMs);
  EXPECT_EQ(h.ServerReceived().size(), before + net::kFrameSize);
  h.RunFor(2 * net::kPumpIntervalMs);
  EXPECT_EQ(h.ServerReceived().size(), before + 3 * net::kFrameSize);
}

TEST_F(PumpTest, QueuedFramesCarryTheLastToken) {
  h.ServerSend(Marked(0x34));
  h.RunFor(200);
  net::QueueFrame(net::BuildGiveUpFrame(1));
  h.RunFor(net::kPumpIntervalMs);
  const auto frames = h.FramesFromClient();
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames.back()[net::kTokenAt], 0xA0);
  EXPECT_EQ(frames.back()[net::kTokenAt + 1], 0x34);
}

TEST_F(PumpTest, FrameQueuedWhileClosedIsLost) {
  h.socket.Close();
  net::QueueFrame(net::BuildGiveUpFrame(1));
  h.RunFor(net::kPumpIntervalMs);
  EXPECT_EQ(net::SendRing.Unread(), 0u);
}

TEST_F(PumpTest, CountersNeverPassTheirPeriod) {
  const int period[] = {1, 2, 4, 8, 0, 2, 0, 0, 0, 20};
  for (int t = 0; t < 100; ++t) {
    h.RunFor(net::kPumpIntervalMs);
    for (int k = 0; k < net::kPumpChannels; ++k) ASSERT_LE(net::PumpTicks[k], period[k]) << k;
  }
}

TEST_F(PumpTest, KeepAliveEveryFiveSecondsAfterLogin) {
  net::ServerToken = {0x12, 0x34};
  model::custom[0].seat = 4;
  auto reply = LoginReplyFrame();
  PutToken(reply, 0x12, 0x34);
  Send(reply);
  const std::size_t after_login = h.FramesFromClient().size();
  h.RunFor(10'000);
  const auto frames = h.FramesFromClient();
  ASSERT_EQ(frames.size(), after_login + 2);
  net::Frame expected{};
  expected[net::kTypeAt] = net::kTypeKeepAlive;
  expected[net::kSeatAt] = 4;
  PutToken(expected, 0x12, 0x34);
  EXPECT_EQ(frames.back(), expected);
}

TEST_F(PumpTest, LostLinkOutsideAHandGoesIdle) {
  LogIn();
  h.ServerClose();
  h.RunFor(200);
  EXPECT_FALSE(h.Ended());
  EXPECT_TRUE(h.tree.Win("MainForm").minimized);
  ASSERT_FALSE(h.lobby.Received(sim::kLobbyTitle).empty());
  EXPECT_EQ(h.lobby.Received(sim::kLobbyTitle)[0].msg, platform::kWmSysCommand);
  EXPECT_EQ(h.lobby.Received(sim::kLobbyTitle)[0].wparam, platform::kScRestore);
  EXPECT_TRUE(h.SysmsgLines(0).empty());
  EXPECT_FALSE(net::KeepAliveEnabled());
  for (bool armed : net::PumpArmed) EXPECT_FALSE(armed);
  // Idle stays idle: nothing more reaches the lobby.
  const std::size_t seen = h.lobby.Received(sim::kLobbyTitle).size();
  h.RunFor(10'000);
  EXPECT_EQ(h.lobby.Received(sim::kLobbyTitle).size(), seen);
}

TEST_F(PumpTest, LostLinkWithoutLobbyEndsTheProcess) {
  h.lobby.CloseWindow(sim::kLobbyTitle);
  h.ServerClose();
  h.RunFor(200);
  EXPECT_TRUE(h.Ended());
}

TEST_F(PumpTest, SilentServerDuringAHandGivesTheTableUp) {
  LogIn();
  net::HandInProgress = true;
  h.RunFor(499'000);
  EXPECT_FALSE(h.tree.Win("MainForm").minimized);
  h.RunFor(2'000);
  EXPECT_TRUE(h.tree.Win("MainForm").minimized);
  EXPECT_FALSE(net::HandInProgress);
}

TEST_F(PumpTest, FullReceiveRingEndsTheProcess) {
  std::vector<std::uint8_t> flood(net::kRingSize, 0);
  h.ServerSendBytes(flood);
  h.RunFor(1);
  EXPECT_TRUE(h.Ended());
  ASSERT_FALSE(h.lobby.Received(sim::kLobbyTitle).empty());
  EXPECT_EQ(h.lobby.Received(sim::kLobbyTitle).back().wparam, platform::kScRestore);
}

TEST_F(PumpTest, OutOfRangeFrameIsDroppedWhole) {
  auto hand = NewHandFrame(100);
  hand[net::kHandIdAt + 3] = 0x80;
  hand[net::kTokenAt] = 0x55;
  Send(hand);
  EXPECT_NE(net::ServerToken[0], 0x55);
}

TEST_F(PumpTest, ReconnectReplyKeepsTheToken) {
  h.ServerSend(Marked(7));
  auto reply = ReconnectReplyFrame();
  reply[net::kTokenAt] = 0x99;
  h.ServerSend(reply);
  h.RunFor(300);
  EXPECT_EQ(net::ServerToken[0], 0xA0);
  EXPECT_EQ(net::ServerToken[1], 7);
}

}  // namespace
}  // namespace tlj::testing
