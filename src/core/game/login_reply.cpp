#include "core/game/login_reply.h"

#include "core/model/elements.h"
#include "core/model/lobby_window.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/frame_fields.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/services.h"
#include "core/view/layout.h"
#include "core/view/web_panels.h"

namespace tlj::game {
namespace {

void Accept(const net::Frame& message) {
  model::g_bGameActive = true;
  model::PostToLobby(platform::kLoggedIn);
  model::g_iTimeoutLimit = 2;
  model::ClearSysmsg(0);
  model::ClearSysmsg(1);
  model::AddSysmsg(0, "连接服务器成功！");
  model::AddSysmsg(1, std::string("欢迎进入") + kPlatformWebSite);
  model::g_iDefaultCountdown =
      model::g_bHiddenTurns ? 2
                            : static_cast<std::int16_t>(message[net::login_reply::kTurnSecondsAt]);
  model::AdPage =
      net::ReadByteText(message, net::login_reply::kAdPageAt, net::login_reply::kAdPageSize);
  if (!model::AdPage.empty()) {
    model::AdPanelPage = model::AdPage + ".gamead";
    view::Navigate("WebBrowser1", model::AdPage);
    model::El("WebBrowser1").visible = true;
  }
}

[[noreturn]] void Refuse(const char* line) {
  model::PostToLobby(platform::kConnecting);
  model::ClearSysmsg(0);
  model::AddSysmsg(0, line);
  model::RestoreLobby();
  platform::EndProcess(0);
}

}  // namespace

void HandleLoginReply(const net::Frame& message) {
  view::ResetTableView();
  net::EnableKeepAlive(true);
  model::g_bHandPlayed = false;
  net::LoginPending = false;
  model::g_bTimeLimit = true;
  switch (message[net::kStatusAt]) {
    case net::login_reply::kAccepted:
      Accept(message);
      break;
    case net::login_reply::kStartFailed:
      Refuse("启动游戏失败，请重新在大厅就座后进入游戏！");
    default:
      Refuse("验证错误，请重新在大厅就座后进入游戏！");
  }
}

}  // namespace tlj::game
