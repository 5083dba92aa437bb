#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "core/model/button_indexes.h"
#include "core/model/table_state.h"
#include "core/net/client_frames.h"
#include "core/net/frame.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/lobby_link.h"
#include "tests/support/table_fixture.h"

namespace tlj::testing {
namespace {

using ::testing::ElementsAre;

class LobbyMessagesTest : public ConnectedFixture {
 protected:
  std::vector<int> Answer(int msg, platform::TimeMs wait = 1000) {
    h.lobby.ClearReceived(sim::kLobbyTitle);
    EXPECT_TRUE(h.lobby.PostToClient(msg));
    h.RunFor(wait);
    return h.LobbyMessages();
  }
};

TEST_F(LobbyMessagesTest, TheTableWindowIsFoundByItsCaption) {
  EXPECT_EQ(h.lobby.ClientTitle(), "铜炉局");
}

TEST_F(LobbyMessagesTest, LeaveRequestWhileLoggingInIsPutOff) {
  EXPECT_THAT(Answer(platform::kLeaveUnlessBusy), ElementsAre(platform::kStillLoggingIn));
  EXPECT_TRUE(h.ServerConnected());
  EXPECT_TRUE(net::LoginPending);
}

TEST_F(LobbyMessagesTest, MayILeaveIsAnsweredWithoutChange) {
  LogIn();
  EXPECT_THAT(Answer(platform::kMayLeave), ElementsAre(platform::kLeft));
  net::HandInProgress = true;
  EXPECT_THAT(Answer(platform::kMayLeave), ElementsAre(platform::kHandRunning));
  EXPECT_TRUE(h.ServerConnected());
}

TEST_F(LobbyMessagesTest, LeaveRequestDuringAHandIsRefused) {
  LogIn();
  net::HandInProgress = true;
  EXPECT_THAT(Answer(platform::kLeaveUnlessBusy), ElementsAre(platform::kHandRunning));
  EXPECT_TRUE(h.ServerConnected());
  EXPECT_FALSE(h.tree.Win("MainForm").minimized);
}

TEST_F(LobbyMessagesTest, LeaveRequestAfterTheHandLeavesAndGoesIdle) {
  LogIn();
  model::custom[0].seat = 2;
  std::ofstream(h.app_dir.path() / "info.xh") << "[juNum:1]\n";
  const std::size_t sent = h.FramesFromClient().size();
  EXPECT_THAT(Answer(platform::kLeaveUnlessBusy), ElementsAre(platform::kLeft));
  const auto frames = h.FramesFromClient();
  ASSERT_EQ(frames.size(), sent + 1);
  net::Frame leave{};
  leave[net::kTypeAt] = net::kTypeEndOfHand;
  leave[net::kSeatAt] = 2;
  EXPECT_EQ(frames.back(), leave);  // sent directly: no token, status 0
  EXPECT_TRUE(h.tree.Win("MainForm").minimized);
  EXPECT_EQ(h.socket.State(), platform::SocketState::Closed);
  EXPECT_FALSE(std::filesystem::exists(h.app_dir.path() / "info.xh"));
  EXPECT_EQ(h.El("lblCaiChi").caption, "0");
}

TEST_F(LobbyMessagesTest, SilentLeaveAnswersNobody) {
  LogIn();
  EXPECT_TRUE(Answer(platform::kLeaveNow).empty());
  EXPECT_TRUE(h.tree.Win("MainForm").minimized);
  EXPECT_EQ(h.socket.State(), platform::SocketState::Closed);
}

// Told to leave at the user's turn: the turn's buttons go, so that nothing can answer it on the
// next link, before the server has seated the user again.
TEST_F(LobbyMessagesTest, LeavingAtTheUsersTurnTakesItsButtonsAway) {
  LogIn();
  for (int k = 0; k <= 2; ++k) {
    h.El("Operation", k).visible = true;
    h.El("Operation", k).enabled = true;
  }
  Answer(platform::kLeaveNow);
  for (int k = 0; k <= 2; ++k) {
    EXPECT_FALSE(h.El("Operation", k).visible) << k;
    EXPECT_FALSE(h.El("Operation", k).enabled) << k;
  }
}

TEST_F(LobbyMessagesTest, LeaveFrameGoesOutBeforeTheSocketCloses) {
  LogIn();
  const platform::TimeMs asked = h.Now();
  h.lobby.PostToClient(platform::kLeaveNow);
  h.RunFor(1);
  // The leave frame had 0.4 s to reach the server, handling other events, before the close.
  EXPECT_GT(h.Now() - asked, 400);
  ASSERT_FALSE(h.FramesFromClient().empty());
  EXPECT_EQ(h.FramesFromClient().back()[net::kTypeAt], net::kTypeEndOfHand);
  EXPECT_EQ(h.socket.State(), platform::SocketState::Closed);
}

TEST_F(LobbyMessagesTest, ReEntryConnectsAndLogsInAgain) {
  LogIn();
  Answer(platform::kLeaveNow);
  const int connections = h.connections;
  EXPECT_THAT(Answer(platform::kEnterTable, 200),
              ElementsAre(platform::kConnecting, platform::kLoggedIn));
  EXPECT_EQ(h.connections, connections + 1);
  const auto frames = h.FramesFromClient();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0], net::LoginFrame);
  EXPECT_FALSE(model::g_bBtnLocked[model::kReadyButton]);
  EXPECT_FALSE(h.El("Time_Img").visible);
}

// A reconnection rewrote the login request into a reconnect request; a client that has left
// since and is sent back by the lobby logs in, as a reconnect request would be refused.
TEST_F(LobbyMessagesTest, ReEntryAfterAReconnectionLogsIn) {
  LogIn();
  const net::Frame login = net::LoginFrame;
  net::MakeReconnectRequest(7);
  Answer(platform::kLeaveNow);
  Answer(platform::kEnterTable, 200);
  const auto frames = h.FramesFromClient();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0], login);
}

TEST_F(LobbyMessagesTest, RestoreFromTheLobbyBringsTheTableBackAndSendsTheLobbyDown) {
  LogIn();
  Answer(platform::kLeaveNow);
  EXPECT_THAT(Answer(platform::kWmSysCommand), ElementsAre());  // wParam 0: nothing to do
  h.lobby.ClearReceived(sim::kLobbyTitle);
  h.lobby.PostToClient(platform::kWmSysCommand, platform::kScRestore);
  h.RunFor(10);
  EXPECT_FALSE(h.tree.Win("MainForm").minimized);
  ASSERT_EQ(h.lobby.Received(sim::kLobbyTitle).size(), 1u);
  EXPECT_EQ(h.lobby.Received(sim::kLobbyTitle)[0].wparam, platform::kScMinimize);
}

}  // namespace
}  // namespace tlj::testing
