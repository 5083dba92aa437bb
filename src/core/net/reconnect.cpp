#include "core/net/reconnect.h"

#include "core/actions/betting_state.h"
#include "core/game/table_model.h"
#include "core/lobby/connect.h"
#include "core/lobby/leave.h"
#include "core/lobby/lobby_ops.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/net/reconnect_state.h"
#include "core/net/socks5.h"
#include "core/platform/services.h"
#include "core/view/ui.h"

namespace tlj::net {
namespace {

constexpr platform::TimeMs kAttemptIntervalMs = 3000;

// The hidden window frmReconnect only hosts the two timers; it stays loaded after a give-up.
bool g_bReconnectLoaded = false;
platform::Timer TimerReconnect;
platform::Timer TimerCount;

void StartReconnectAttempt() {
  view::ClearSysmsg(0);
  view::ClearSysmsg(1);
  view::AddSysmsg(0, "正在重新连接服务器...");
  MakeReconnectRequest();
  DataMode = true;
  auto& socket = *platform::Sys().socket;
  socket.Close();
  if (lobby::ProxyType == lobby::kDirect) {
    socket.Connect();
    ArmChannel(kLoginChannel);
  } else if (lobby::ProxyType == lobby::kSocks5) {
    DisarmChannel(kLoginChannel);
    ConnectToSock5Server();
  }
}

void GiveUp() {
  lobby::GiveUpTable();
  TimerCount.SetEnabled(false);
  view::ElOf("frmOtherExit", "Label1").caption = "网络已断开,请退出大厅重新登陆游戏";
  view::Win("frmOtherExit").visible = true;
}

void TimerCount_Timer() {
  if (platform::Sys().socket->State() == platform::SocketState::Connected) {
    TimerCount.SetEnabled(false);
    g_bReconnectLoaded = false;
    return;
  }
  if (ReconnectAttempts > kMaxReconnectAttempts) {
    GiveUp();
    return;
  }
  ++ReconnectAttempts;
  StartReconnectAttempt();
}

void TimerReconnect_Timer() {
  TimerReconnect.SetEnabled(false);
  TimerCount.SetInterval(kAttemptIntervalMs);
  TimerCount.SetEnabled(true);
}

}  // namespace

void CreateReconnectTimers() {
  auto& loop = *platform::Sys().loop;
  TimerReconnect = platform::Timer(loop, TimerReconnect_Timer);
  TimerReconnect.SetInterval(1);
  TimerCount = platform::Timer(loop, TimerCount_Timer);
  TimerCount.SetInterval(kAttemptIntervalMs);
  g_bReconnectLoaded = false;
}

void DestroyReconnectTimers() {
  TimerReconnect = platform::Timer();
  TimerCount = platform::Timer();
}

void StartReconnection() {
  // After a give-up the window is still loaded and its load step would not run; a later loss
  // during a hand deserves a fresh series of attempts all the same.
  ReconnectAttempts = 0;
  TimerCount.SetEnabled(false);
  TimerReconnect.SetEnabled(true);
  g_bReconnectLoaded = true;
}

void MakeReconnectRequest() {
  LoginFrame[kTypeAt] = kTypeReconnect;
  LoginFrame[kTokenAt] = ServerToken[0];
  LoginFrame[kTokenAt + 1] = ServerToken[1];
  for (int k = 0; k < 4; ++k)
    LoginFrame[kHandIdAt + k] = static_cast<std::uint8_t>((game::HandId >> (8 * k)) & 0xFF);
}

void HandleReconnectReply(const Frame& reply) {
  if (reply[kStatusAt] != 1) {
    platform::Sys().msgbox->Show(view::kProgramTitle, "重连服务器失败，退出后请重新入座！");
    lobby::RestoreLobby();
    platform::EndProcess(0);
  }
  actions::g_bGameActive = true;
  Reconnected = true;
  view::ClearSysmsg(0);
  view::ClearSysmsg(1);
  view::AddSysmsg(0, "正在重连服务器，请等待...！");
}

bool ReconnectWindowLoaded() {
  return g_bReconnectLoaded;
}

}  // namespace tlj::net
