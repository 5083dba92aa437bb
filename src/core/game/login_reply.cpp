#include "core/game/login_reply.h"

#include "core/actions/betting_state.h"
#include "core/actions/button_state.h"
#include "core/game/table_model.h"
#include "core/lobby/lobby_ops.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/services.h"
#include "core/view/layout.h"
#include "core/view/ui.h"

namespace tlj::game {
namespace {

constexpr std::uint8_t kAccepted = 1;
constexpr std::uint8_t kStartFailed = 2;
constexpr std::size_t kTurnSecondsAt = 11;
constexpr std::size_t kAdPageAt = 16;
constexpr std::size_t kAdPageSize = 100;

void Accept(const net::Frame& message) {
  actions::g_bGameActive = true;
  lobby::PostToLobby(771);
  actions::g_iTimeoutLimit = 2;
  view::ClearSysmsg(0);
  view::ClearSysmsg(1);
  view::AddSysmsg(0, "连接服务器成功！");
  view::AddSysmsg(1, std::string("欢迎进入") + kPlatformWebSite);
  actions::g_iDefaultCountdown =
      actions::g_bHiddenTurns ? 2 : static_cast<std::int16_t>(message[kTurnSecondsAt]);
  AdPage = net::ReadByteText(message, kAdPageAt, kAdPageSize);
  if (!AdPage.empty()) {
    AdPanelPage = AdPage + ".gamead";
    auto& panel = view::El("WebBrowser1");
    panel.url = AdPage;
    panel.visible = true;
  }
}

[[noreturn]] void Refuse(const char* line) {
  lobby::PostToLobby(22);
  view::ClearSysmsg(0);
  view::AddSysmsg(0, line);
  lobby::RestoreLobby();
  platform::EndProcess(0);
}

}  // namespace

void HandleLoginReply(const net::Frame& message) {
  view::ResetTableView();
  net::EnableKeepAlive(true);
  g_bHandPlayed = false;
  net::LoginPending = false;
  g_bTimeLimit = true;
  switch (message[net::kStatusAt]) {
    case kAccepted:
      Accept(message);
      break;
    case kStartFailed:
      Refuse("启动游戏失败，请重新在大厅就座后进入游戏！");
    default:
      Refuse("验证错误，请重新在大厅就座后进入游戏！");
  }
}

}  // namespace tlj::game
