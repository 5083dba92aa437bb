#include "core/table/pump_tick.h"

#include <cstring>
#include <string>

#include "core/actions/countdown.h"
#include "core/chat/receive.h"
#include "core/game/table_model.h"
#include "core/model/button_indexes.h"
#include "core/model/elements.h"
#include "core/model/lobby_window.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/channels.h"
#include "core/net/client_frames.h"
#include "core/net/connect.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/net/rings.h"
#include "core/platform/services.h"
#include "core/table/dispatch.h"
#include "core/table/give_up.h"
#include "core/table/reconnection.h"
#include "core/view/layout.h"
#include "core/view/ready_button.h"
#include "core/view/shuffle_notice.h"

namespace tlj::table {
namespace {

using net::kFrameSize;

constexpr std::int32_t kWatchdogLimit = 5000;

platform::GameSocket& Socket() {
  return *platform::Sys().socket;
}

void SendStep() {
  if (!net::ChannelDue(net::kSendChannel)) return;
  auto& ring = net::SendRing;
  if (ring.Unread() < kFrameSize) {
    net::DisarmChannel(net::kSendChannel);
    return;
  }
  net::Frame frame;
  std::memcpy(frame.data(), &ring.bytes[ring.read], kFrameSize);
  ring.read = (ring.read + kFrameSize) % net::kRingSize;
  if (net::SocketConnected()) Socket().SendData(frame);
  net::PumpTicks[net::kSendChannel] = 0;
}

void ReceiveStep() {
  if (!net::ChannelDue(net::kReceiveChannel)) return;
  auto& ring = net::RecvRing;
  if (net::HandInProgress && ++net::WatchdogCount >= kWatchdogLimit) {
    if (!model::LobbyWindowExists()) platform::EndProcess(0);
    GiveUpTable();
    net::WatchdogCount = 0;
  }
  if (ring.Unread() >= kFrameSize) {
    std::memcpy(net::message.data(), &ring.bytes[ring.read], kFrameSize);
    ring.read = (ring.read + kFrameSize) % net::kRingSize;
    DispatchCommand(net::message);
    if (net::HandInProgress) net::WatchdogCount = 0;
  }
  net::PumpTicks[net::kReceiveChannel] = ring.Unread() >= kFrameSize ? 1 : 0;
}

void LoginStep() {
  if (!net::ChannelDue(net::kLoginChannel)) return;
  model::PostToLobby(platform::kConnecting);
  if (net::SocketConnected()) {
    net::LoginPending = true;
    model::PostToLobby(platform::kLoggedIn);
    Socket().SendData(net::LoginFrame);
    net::ArmChannel(net::kLinkWatchChannel);
    net::DisarmChannel(net::kLoginChannel);
  }
  net::PumpTicks[net::kLoginChannel] = 0;
}

void ReadyCountdownStep() {
  if (!net::SecondChannelDue(net::kReadyCountdownChannel)) return;
  using model::g_iCountdown;
  if (g_iCountdown > 0) {
    --g_iCountdown;
    auto& number = model::El("Number");
    number.caption = std::to_string(g_iCountdown);
    number.color = g_iCountdown < 6 ? model::kRed : model::kGreen;
    return;
  }
  model::HideClock();
  if (!model::g_bGameStarted) {
    view::ShowContinueOnReadyButton();
    model::g_bBtnLocked[model::kReadyButton] = true;
    view::ResetTableView();
    game::ResetGameState(true);
    model::g_bGameStarted = true;
  }
  net::QueueFrame(net::BuildReadyFrame(model::custom[0].seat));
  view::ShowPendingShuffleNotice();
  net::DisarmChannel(net::kReadyCountdownChannel);
}

void LinkWatchStep() {
  if (!net::ChannelDue(net::kLinkWatchChannel)) return;
  if (!net::SocketConnected()) {
    // Frames that arrived before the link went are handled first: a deal still in the ring
    // means the user is in a hand, and leaving would drop it.
    if (net::RecvRing.Unread() >= kFrameSize) return;
    if (!model::LobbyWindowExists()) platform::EndProcess(0);
    if (!net::HandInProgress) {
      GiveUpTable();
    } else if (model::g_bGameActive) {
      model::g_bGameActive = false;
      net::DisarmChannel(net::kLinkWatchChannel);
      net::EnableKeepAlive(true);
      StartReconnection();
    }
  }
  net::PumpTicks[net::kLinkWatchChannel] = 0;
}

void BubbleStep() {
  if (!net::ChannelDue(net::kBubbleChannel)) return;
  if (model::g_iLastActor >= 0 && model::g_iLastActor <= 3)
    model::El("Speak", model::g_iLastActor).visible = false;
  model::El("Words").visible = false;
  net::PumpTicks[net::kBubbleChannel] = 0;
}

}  // namespace

void TimerBong_Timer() {
  net::StopPump();
  net::CountTick();
  SendStep();
  ReceiveStep();
  LoginStep();
  chat::ChatBlinkStep();
  actions::CountdownTick();
  ReadyCountdownStep();
  LinkWatchStep();
  BubbleStep();
  net::WrapCounters();
  net::StartPump();
}

}  // namespace tlj::table
