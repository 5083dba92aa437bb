#include "core/table/reconnection.h"

#include "core/model/elements.h"
#include "core/model/lobby_window.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/channels.h"
#include "core/net/client_frames.h"
#include "core/net/connect.h"
#include "core/net/frame_fields.h"
#include "core/net/link_state.h"
#include "core/net/rings.h"
#include "core/net/socks5.h"
#include "core/platform/services.h"
#include "core/table/give_up.h"
#include "core/view/table_windows.h"

namespace tlj::table {
namespace {

constexpr platform::TimeMs kAttemptIntervalMs = 3000;

// The hidden window frmReconnect only hosts the two timers; it stays loaded after a give-up.
constexpr const char* kReconnectWindow = "frmReconnect";
platform::Timer TimerReconnect;
platform::Timer TimerCount;

void StartReconnectAttempt() {
  model::ClearSysmsg(0);
  model::ClearSysmsg(1);
  model::AddSysmsg(0, "正在重新连接服务器...");
  net::MakeReconnectRequest(model::HandId);
  net::DataMode = true;
  auto& socket = *platform::Sys().socket;
  socket.Close();
  if (net::ProxyType == net::kDirect) {
    socket.Connect();
    net::ArmChannel(net::kLoginChannel);
  } else if (net::ProxyType == net::kSocks5) {
    net::DisarmChannel(net::kLoginChannel);
    net::ConnectToSock5Server();
  }
}

void GiveUp() {
  GiveUpTable();
  TimerCount.SetEnabled(false);
  model::ElOf("frmOtherExit", "Label1").caption = "网络已断开,请退出大厅重新登陆游戏";
  view::ShowOtherExit();
}

void TimerCount_Timer() {
  if (net::SocketConnected()) {
    TimerCount.SetEnabled(false);
    platform::Sys().ui->UnloadWindow(kReconnectWindow);
    return;
  }
  if (net::ReconnectAttempts > kMaxReconnectAttempts) {
    GiveUp();
    return;
  }
  ++net::ReconnectAttempts;
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
}

void DestroyReconnectTimers() {
  TimerReconnect = platform::Timer();
  TimerCount = platform::Timer();
}

void StartReconnection() {
  // After a give-up the window is still loaded and its load step would not run; a later loss
  // during a hand deserves a fresh series of attempts all the same.
  net::ResetReconnectAttempts();
  // The frames that arrived whole were handled before the link was judged lost; what is left
  // is a frame the old link cut short, which the new link's bytes must not complete.
  net::ResetRings();
  TimerCount.SetEnabled(false);
  TimerReconnect.SetEnabled(true);
  platform::Sys().ui->LoadWindow(kReconnectWindow);
}

void HandleReconnectReply(const net::Frame& reply) {
  if (reply[net::kStatusAt] != net::reconnect_reply::kAccepted) {
    platform::ShowMessageBox(model::kProgramTitle, "重连服务器失败，退出后请重新入座！");
    model::RestoreLobby();
    platform::EndProcess(0);
  }
  model::g_bGameActive = true;
  net::Reconnected = true;
  model::ClearSysmsg(0);
  model::ClearSysmsg(1);
  model::AddSysmsg(0, "正在重连服务器，请等待...！");
}

bool ReconnectWindowLoaded() {
  return platform::Sys().ui->FindWin(kReconnectWindow)->loaded;
}

}  // namespace tlj::table
