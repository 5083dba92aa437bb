#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/game/login_reply.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/frame_fields.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/lobby_link.h"
#include "tests/support/fake_downloader.h"
#include "tests/support/table_fixture.h"

namespace tlj::testing {
namespace {

using ::testing::ElementsAre;

using LoginReplyTest = ConnectedFixture;

TEST_F(LoginReplyTest, AcceptedPutsTheClientAtTheTable) {
  const std::string page = "http://ads.example/p";
  FakeDownloader downloads(h.loop);  // the page stays on its way
  platform::Sys().downloader = &downloads;
  Send(LoginReplyFrame({.turn_seconds = 20, .ad_page = page}));
  platform::Sys().downloader = nullptr;
  ASSERT_FALSE(h.Ended());
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("连接服务器成功！"));
  ASSERT_EQ(h.SysmsgLines(1).size(), 1u);
  EXPECT_EQ(h.SysmsgLines(1)[0].rfind("欢迎进入", 0), 0u);
  EXPECT_THAT(h.LobbyMessages(), ElementsAre(platform::kLoggedIn));
  EXPECT_FALSE(net::LoginPending);
  EXPECT_TRUE(model::g_bTimeLimit);
  EXPECT_TRUE(model::g_bGameActive);
  EXPECT_EQ(model::g_iTimeoutLimit, 2);
  EXPECT_EQ(model::g_iDefaultCountdown, 20);
  EXPECT_TRUE(net::KeepAliveEnabled());
  EXPECT_EQ(model::AdPage, page);
  EXPECT_EQ(model::AdPanelPage, page + ".gamead");
  EXPECT_EQ(h.El("WebBrowser1").url, page);
  EXPECT_EQ(downloads.urls, std::vector<std::string>{page});
  EXPECT_TRUE(h.El("WebBrowser1").visible);
}

TEST_F(LoginReplyTest, NoAdvertisementLeavesThePanelAlone) {
  auto reply = LoginReplyFrame({.turn_seconds = 0});
  reply[net::login_reply::kAdPageAt + 1] = 'x';  // after the terminating zero: not part of the name
  Send(reply);
  EXPECT_TRUE(model::AdPage.empty());
  EXPECT_TRUE(model::AdPanelPage.empty());
  EXPECT_TRUE(h.El("WebBrowser1").url.empty());
  EXPECT_EQ(model::g_iDefaultCountdown, 0);
}

TEST_F(LoginReplyTest, FullLengthAdvertisementName) {
  auto reply = LoginReplyFrame({.ad_page = std::string(net::login_reply::kAdPageSize, 'a')});
  reply[net::login_reply::kAdPageAt + net::login_reply::kAdPageSize] = 'b';
  Send(reply);
  EXPECT_EQ(model::AdPage, std::string(100, 'a'));
}

struct RefusalCase {
  std::uint8_t status;
  const char* line;
};

class LoginRefused : public LoginReplyTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(LoginRefused, EndsWithTheLineAndTheLobby) {
  Send(LoginReplyFrame({.status = GetParam().status}));
  ASSERT_TRUE(h.Ended());
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre(GetParam().line));
  const auto& lobby = h.lobby.Received(sim::kLobbyTitle);
  ASSERT_EQ(lobby.size(), 2u);
  EXPECT_EQ(lobby[0].msg, platform::kConnecting);
  EXPECT_EQ(lobby[1].msg, platform::kWmSysCommand);
  EXPECT_EQ(lobby[1].wparam, platform::kScRestore);
  // The keep-alive was started before the status was looked at.
  EXPECT_TRUE(net::KeepAliveEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, LoginRefused,
    ::testing::Values(RefusalCase{net::login_reply::kStartFailed,
                                  "启动游戏失败，请重新在大厅就座后进入游戏！"},
                      RefusalCase{0, "验证错误，请重新在大厅就座后进入游戏！"},
                      RefusalCase{3, "验证错误，请重新在大厅就座后进入游戏！"},
                      RefusalCase{255, "验证错误，请重新在大厅就座后进入游戏！"}));

TEST_F(LoginReplyTest, HiddenTurnsShortenTheDefaultCountdown) {
  model::g_bHiddenTurns = true;
  Send(LoginReplyFrame({.turn_seconds = 15}));
  EXPECT_EQ(model::g_iDefaultCountdown, 2);
}

}  // namespace
}  // namespace tlj::testing
