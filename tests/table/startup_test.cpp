#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "core/model/lobby_window.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/frame.h"
#include "core/net/frame_fields.h"
#include "core/net/pump.h"
#include "core/platform/lobby_link.h"
#include "core/settings/ini_file.h"
#include "tests/support/table_fixture.h"

namespace tlj::sim {
namespace {

using ::testing::ElementsAre;

using StartUpTest = tlj::testing::ClientFixture;

TEST_F(StartUpTest, DirectLineConnectsAndLogsIn) {
  h.Listen();
  h.Start(DirectCommandLine());
  ASSERT_FALSE(h.Ended());
  EXPECT_EQ(h.socket.RemoteHost(), kServerHost);
  EXPECT_EQ(h.socket.RemotePort(), kServerPort);
  EXPECT_EQ(model::LobbyWindowTitle, kLobbyTitle);
  EXPECT_EQ(h.tree.Win("MainForm").caption, "铜炉局");
  EXPECT_TRUE(h.tree.Win("MainForm").visible);
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("正在连接服务器..."));
  EXPECT_EQ(h.El("Location").caption, "房间一");

  h.RunFor(200);  // the login channel fires on the fourth tick
  EXPECT_THAT(h.LobbyMessages(), ElementsAre(platform::kConnecting, platform::kLoggedIn));
  const auto frames = h.FramesFromClient();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0][net::kTypeAt], net::kTypeLogin);
  EXPECT_EQ(frames[0][net::login::kAccountAt], 'a');
  EXPECT_EQ(frames[0][net::login::kPasswordAt], 'x');
}

TEST_F(StartUpTest, OwnTitlesNameTheLobbyAndTheTable) {
  h.lobby.OpenWindow("我的大厅");
  h.Start("a$p$1.2.3.4$5000$room$0$$$$$1$我的大厅$第3桌$");
  ASSERT_FALSE(h.Ended());
  EXPECT_EQ(model::LobbyWindowTitle, "我的大厅");
  EXPECT_EQ(h.tree.Win("MainForm").caption, "第3桌");
  EXPECT_EQ(h.lobby.ClientTitle(), "第3桌");
  EXPECT_EQ(model::g_iDefaultCountdown, 1);
}

TEST_F(StartUpTest, UnknownProxyTypeNeverConnects) {
  h.Listen();
  h.Start("a$p$1.2.3.4$5000$room$3$$$$$0$$$");
  h.RunFor(5000);
  EXPECT_FALSE(h.Ended());
  EXPECT_EQ(h.socket.ConnectCount(), 0);
  EXPECT_FALSE(net::PumpRunning());
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("正在连接服务器..."));
}

TEST_F(StartUpTest, UnreachableServerKeepsConnecting) {
  h.Start(DirectCommandLine());
  h.RunFor(1000);
  EXPECT_FALSE(h.Ended());
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("正在连接服务器..."));
  // The login channel tells the lobby every 200 ms that the client is still on its way.
  EXPECT_EQ(h.LobbyMessages(), std::vector<int>(5, platform::kConnecting));
}

TEST_F(StartUpTest, EmptyCommandLineSendsTheUserToTheLobby) {
  h.Start("   ");
  ASSERT_TRUE(h.Ended());
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].title, "警告");
  EXPECT_EQ(h.boxes.shown[0].text, "本游戏需从游戏大厅中启动！");
}

TEST_F(StartUpTest, SecondInstanceStops) {
  h.lobby.other_instance_running = true;
  h.Start(DirectCommandLine());
  ASSERT_TRUE(h.Ended());
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].text, "铜炉局已经运行！");
}

struct FailureCase {
  const char* name;
  const char* command_line;
  const char* video_file;  // content of vidiosetting.ini, or null for none
};

class StartUpFailure : public tlj::testing::ClientFixture,
                       public ::testing::WithParamInterface<FailureCase> {};

TEST_P(StartUpFailure, EndsWithTheFailureMessage) {
  if (GetParam().video_file != nullptr)
    std::ofstream(h.app_dir.path() / "vidiosetting.ini") << GetParam().video_file;
  h.Start(GetParam().command_line);
  ASSERT_TRUE(h.Ended());
  EXPECT_NE(*h.exit_code, 0);
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].text, "游戏启动失败！");
  EXPECT_EQ(h.socket.ConnectCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, StartUpFailure,
    ::testing::Values(FailureCase{"TwelveFields", "a$p$h$5000$room$0$$$$$0$$", nullptr},
                      FailureCase{"PortNotANumber", "a$p$h$port$room$0$$$$$0$$$", nullptr},
                      FailureCase{"PortTooLarge", "a$p$h$40000$room$0$$$$$0$$$", nullptr},
                      FailureCase{"DoubleByteAccount", "张三$p$h$5000$room$0$$$$$0$$$", nullptr},
                      FailureCase{"DoubleBytePassword", "a$密码$h$5000$room$0$$$$$0$$$", nullptr},
                      FailureCase{"EmptyVideoValue", "a$p$h$5000$room$0$$$$$0$$$",
                                  "[vidiosetting]\nvidiovalue=\n"},
                      FailureCase{"VideoValueNotANumber", "a$p$h$5000$room$0$$$$$0$$$",
                                  "[vidiosetting]\nvidiovalue=on\n"},
                      FailureCase{"VideoFileWithoutTheKey", "a$p$h$5000$room$0$$$$$0$$$",
                                  "garbage\x01\x02"}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(StartUpTest, FailureRestoresAKnownLobby) {
  h.lobby.OpenWindow("大厅");
  std::ofstream(h.app_dir.path() / "vidiosetting.ini") << "[vidiosetting]\nvidiovalue=x\n";
  h.Start("a$p$h$5000$room$0$$$$$1$大厅$桌$");
  ASSERT_TRUE(h.Ended());
  ASSERT_EQ(h.lobby.Received("大厅").size(), 1u);
  EXPECT_EQ(h.lobby.Received("大厅")[0].msg, platform::kWmSysCommand);
  EXPECT_EQ(h.lobby.Received("大厅")[0].wparam, platform::kScRestore);
}

TEST_F(StartUpTest, MissingVideoSettingIsCreated) {
  h.Start(DirectCommandLine());
  ASSERT_FALSE(h.Ended());
  settings::classIniFile ini;
  ini.INIFileName = (h.app_dir.path() / "vidiosetting.ini").string();
  EXPECT_EQ(ini.GetIniKey("vidiosetting", "vidiovalue"), "1");
}

TEST_F(StartUpTest, ExistingVideoSettingIsKept) {
  std::ofstream(h.app_dir.path() / "vidiosetting.ini") << "[vidiosetting]\nvidiovalue=0\n";
  h.Start(DirectCommandLine());
  EXPECT_FALSE(h.Ended());
}

TEST(StartUpLocation, LongLocationTextIsTwoPointsSmaller) {
  double ten = 0;
  double eleven = 0;
  {
    ClientHarness h;
    h.Start(DirectCommandLine("一二三四五六七八九十"));
    ten = h.El("Location").fontSize;
  }
  {
    ClientHarness h;
    h.Start(DirectCommandLine("一二三四五六七八九十一"));
    eleven = h.El("Location").fontSize;
  }
  EXPECT_EQ(eleven, ten - 2);
}

TEST(StartUpLocation, ReducedLayoutUsesTenPoints) {
  ClientHarness h;
  platform::Sys().screen_width = 800;
  platform::Sys().screen_height = 600;
  h.Start(DirectCommandLine("短"));
  EXPECT_EQ(h.El("Location").fontSize, 10);
}

}  // namespace
}  // namespace tlj::sim
