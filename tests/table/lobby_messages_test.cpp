#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "core/game/table_model.h"
#include "core/model/table_state.h"
#include "core/net/client_frames.h"
#include "core/net/frame.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "sim/client_harness.h"

namespace tlj::sim {
namespace {

using ::testing::ElementsAre;

class LobbyMessagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.Listen();
    h.Start(DirectCommandLine());
    h.RunFor(200);
  }

  void LogIn() {
    h.AcceptLogin();
    h.RunFor(200);
    h.lobby.ClearReceived(kLobbyTitle);
  }

  std::vector<int> Answer(int msg, platform::TimeMs wait = 1000) {
    h.lobby.ClearReceived(kLobbyTitle);
    EXPECT_TRUE(h.lobby.PostToClient(msg));
    h.RunFor(wait);
    return h.LobbyMessages();
  }

  ClientHarness h;
};

TEST_F(LobbyMessagesTest, TheTableWindowIsFoundByItsCaption) {
  EXPECT_EQ(h.lobby.ClientTitle(), "铜炉局");
}

TEST_F(LobbyMessagesTest, LeaveRequestWhileLoggingInIsPutOff) {
  EXPECT_THAT(Answer(771), ElementsAre(1126));
  EXPECT_TRUE(h.ServerConnected());
  EXPECT_TRUE(net::LoginPending);
}

TEST_F(LobbyMessagesTest, MayILeaveIsAnsweredWithoutChange) {
  LogIn();
  EXPECT_THAT(Answer(1125), ElementsAre(1024));
  net::HandInProgress = true;
  EXPECT_THAT(Answer(1125), ElementsAre(1125));
  EXPECT_TRUE(h.ServerConnected());
}

TEST_F(LobbyMessagesTest, LeaveRequestDuringAHandIsRefused) {
  LogIn();
  net::HandInProgress = true;
  EXPECT_THAT(Answer(771), ElementsAre(1125));
  EXPECT_TRUE(h.ServerConnected());
  EXPECT_FALSE(h.tree.Win("MainForm").minimized);
}

TEST_F(LobbyMessagesTest, LeaveRequestAfterTheHandLeavesAndGoesIdle) {
  LogIn();
  model::custom[0].seat = 2;
  std::ofstream(h.app_dir.path() / "info.xh") << "[juNum:1]\n";
  const std::size_t sent = h.FramesFromClient().size();
  EXPECT_THAT(Answer(771), ElementsAre(1024));
  const auto frames = h.FramesFromClient();
  ASSERT_EQ(frames.size(), sent + 1);
  net::Frame leave{};
  leave[net::kTypeAt] = 16;
  leave[net::kSeatAt] = 2;
  EXPECT_EQ(frames.back(), leave);  // sent directly: no token, status 0
  EXPECT_TRUE(h.tree.Win("MainForm").minimized);
  EXPECT_EQ(h.socket.State(), platform::SocketState::Closed);
  EXPECT_FALSE(std::filesystem::exists(h.app_dir.path() / "info.xh"));
  EXPECT_EQ(h.El("lblCaiChi").caption, "0");
}

TEST_F(LobbyMessagesTest, SilentLeaveAnswersNobody) {
  LogIn();
  EXPECT_TRUE(Answer(1024).empty());
  EXPECT_TRUE(h.tree.Win("MainForm").minimized);
  EXPECT_EQ(h.socket.State(), platform::SocketState::Closed);
}

TEST_F(LobbyMessagesTest, LeaveFrameGoesOutBeforeTheSocketCloses) {
  LogIn();
  const platform::TimeMs asked = h.Now();
  h.lobby.PostToClient(1024);
  h.RunFor(1);
  // The leave frame had 0.4 s to reach the server, handling other events, before the close.
  EXPECT_GT(h.Now() - asked, 400);
  ASSERT_FALSE(h.FramesFromClient().empty());
  EXPECT_EQ(h.FramesFromClient().back()[net::kTypeAt], 16);
  EXPECT_EQ(h.socket.State(), platform::SocketState::Closed);
}

TEST_F(LobbyMessagesTest, ReEntryConnectsAndLogsInAgain) {
  LogIn();
  Answer(1024);
  const int connections = h.connections;
  EXPECT_THAT(Answer(22, 200), ElementsAre(22, 771));
  EXPECT_EQ(h.connections, connections + 1);
  const auto frames = h.FramesFromClient();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0], net::LoginFrame);
  EXPECT_FALSE(model::g_bBtnLocked[2]);
  EXPECT_FALSE(h.El("Time_Img").visible);
}

TEST_F(LobbyMessagesTest, RestoreFromTheLobbyBringsTheTableBackAndSendsTheLobbyDown) {
  LogIn();
  Answer(1024);
  EXPECT_THAT(Answer(platform::kWmSysCommand), ElementsAre());  // wParam 0: nothing to do
  h.lobby.ClearReceived(kLobbyTitle);
  h.lobby.PostToClient(platform::kWmSysCommand, platform::kScRestore);
  h.RunFor(10);
  EXPECT_FALSE(h.tree.Win("MainForm").minimized);
  ASSERT_EQ(h.lobby.Received(kLobbyTitle).size(), 1u);
  EXPECT_EQ(h.lobby.Received(kLobbyTitle)[0].wparam, platform::kScMinimize);
}

}  // namespace
}  // namespace tlj::sim
