#include "core/net/pump.h"

#include <algorithm>
#include <cstring>

#include "core/actions/betting.h"
#include "core/actions/betting_state.h"
#include "core/game/shuffle_notice.h"
#include "core/game/table_model.h"
#include "core/lobby/leave.h"
#include "core/lobby/lobby_ops.h"
#include "core/net/dispatch.h"
#include "core/net/link_state.h"
#include "core/net/reconnect.h"
#include "core/net/rings.h"
#include "core/net/socks5.h"
#include "core/platform/services.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/ui.h"

namespace tlj::net {
namespace {

constexpr std::int32_t kWatchdogLimit = 5000;
constexpr platform::TimeMs kSecondMs = 1000;

// Tick periods of the tick-counted channels; 0 for channels that keep no count (unused, or
// timed by the clock), whose counters therefore stay at 0.
constexpr std::array<int, kPumpChannels> kPeriod{1, 2, 4, 8, 0, 2, 0, 0, 0, 20};

platform::Timer TimerBong;
platform::Timer TimerKeepAlive;
// Clock time of the last step of the channels timed by the clock (6 and 7).
std::array<platform::TimeMs, kPumpChannels> g_lastSecondStep{};

platform::GameSocket& Socket() {
  return *platform::Sys().socket;
}
bool Connected() {
  return Socket().State() == platform::SocketState::Connected;
}
platform::TimeMs Now() {
  return platform::Sys().loop->Now();
}

bool Due(int k) {
  return PumpArmed[k] && PumpTicks[k] >= kPeriod[k];
}

// A counter that has reached its period goes back to 0, armed or not, so none grows past it.
void WrapCounters() {
  for (int k = 0; k < kPumpChannels; ++k)
    if (PumpTicks[k] >= kPeriod[k]) PumpTicks[k] = 0;
}

void SendStep() {
  if (Due(kSendChannel)) {
    if (SendRing.Unread() < kFrameSize) {
      DisarmChannel(kSendChannel);
    } else {
      Frame frame;
      std::memcpy(frame.data(), &SendRing.bytes[SendRing.read], kFrameSize);
      SendRing.read = (SendRing.read + kFrameSize) % kRingSize;
      if (Connected()) Socket().SendData(frame);
      PumpTicks[kSendChannel] = 0;
    }
  }
}

void ReceiveStep() {
  if (Due(kReceiveChannel)) {
    if (HandInProgress && ++WatchdogCount >= kWatchdogLimit) {
      if (!lobby::LobbyWindowExists()) platform::EndProcess(0);
      lobby::GiveUpTable();
      WatchdogCount = 0;
    }
    if (RecvRing.Unread() >= kFrameSize) {
      std::memcpy(message.data(), &RecvRing.bytes[RecvRing.read], kFrameSize);
      RecvRing.read = (RecvRing.read + kFrameSize) % kRingSize;
      DispatchCommand(message);
      if (HandInProgress) WatchdogCount = 0;
    }
    PumpTicks[kReceiveChannel] = RecvRing.Unread() >= kFrameSize ? 1 : 0;
  }
}

void LoginStep() {
  if (Due(kLoginChannel)) {
    lobby::PostToLobby(22);
    if (Connected()) {
      LoginPending = true;
      lobby::PostToLobby(771);
      Socket().SendData(LoginFrame);
      ArmChannel(kLinkWatchChannel);
      DisarmChannel(kLoginChannel);
    }
    PumpTicks[kLoginChannel] = 0;
  }
}

void ReadyCountdownStep() {
  if (!SecondChannelDue(kReadyCountdownChannel)) return;
  using game::g_iCountdown;
  if (g_iCountdown > 0) {
    --g_iCountdown;
    auto& number = view::El("Number");
    number.caption = std::to_string(g_iCountdown);
    number.color = g_iCountdown < 6 ? view::kRed : view::kGreen;
    return;
  }
  view::HideClock();
  if (!game::g_bGameStarted) {
    view::LoadGifResource(view::ButtonImageIds[6], "GIF", view::El("AnNiu", 2));
    game::g_bBtnLocked[2] = true;
    view::ResetTableView();
    game::ResetGameState(true);
    game::g_bGameStarted = true;
  }
  Frame ready{};
  ready[kTypeAt] = kTypeEndOfHand;
  ready[kSeatAt] = game::custom[0].seat;
  ready[kStatusAt] = 1;
  QueueFrame(ready);
  game::ShowPendingShuffleNotice();
  DisarmChannel(kReadyCountdownChannel);
}

void LinkWatchStep() {
  if (Due(kLinkWatchChannel)) {
    if (!Connected()) {
      if (!lobby::LobbyWindowExists()) platform::EndProcess(0);
      if (!HandInProgress) {
        lobby::GiveUpTable();
      } else if (actions::g_bGameActive) {
        actions::g_bGameActive = false;
        DisarmChannel(kLinkWatchChannel);
        EnableKeepAlive(true);
        StartReconnection();
      }
    }
    PumpTicks[kLinkWatchChannel] = 0;
  }
}

void BubbleStep() {
  if (Due(kBubbleChannel)) {
    if (game::g_iLastActor >= 0 && game::g_iLastActor <= 3)
      view::El("Speak", game::g_iLastActor).visible = false;
    view::El("Words").visible = false;
    PumpTicks[kBubbleChannel] = 0;
  }
}

}  // namespace

void CreateTransportTimers() {
  auto& loop = *platform::Sys().loop;
  TimerBong = platform::Timer(loop, TimerBong_Timer);
  TimerBong.SetInterval(kPumpIntervalMs);
  TimerKeepAlive = platform::Timer(loop, TimerKeepAlive_Timer);
  TimerKeepAlive.SetInterval(kKeepAliveIntervalMs);
}

void DestroyTransportTimers() {
  TimerBong = platform::Timer();
  TimerKeepAlive = platform::Timer();
}

void ArmChannel(int k) {
  PumpArmed[k] = true;
  PumpTicks[k] = 0;
}

void DisarmChannel(int k) {
  PumpArmed[k] = false;
  PumpTicks[k] = 0;
}

void DisarmAllChannels() {
  PumpArmed.fill(false);
  PumpTicks[kLinkWatchChannel] = 0;
}

void StartReadyCountdown(std::int16_t seconds, int colour) {
  ArmChannel(kReadyCountdownChannel);
  game::g_iCountdown = seconds;
  auto& number = view::El("Number");
  auto& clock = view::El("Time_Img");
  number.caption = std::to_string(seconds);
  number.color = colour;
  number.visible = true;
  clock.visible = true;
  view::BringToFront(clock);
  view::BringToFront(number);
}

bool SecondChannelDue(int k) {
  if (!PumpArmed[k] || !actions::g_bGameActive) return false;
  if (Now() - g_lastSecondStep[k] < kSecondMs) return false;
  g_lastSecondStep[k] = Now();
  return true;
}

void StartPump() {
  TimerBong.SetEnabled(true);
}
void StopPump() {
  TimerBong.SetEnabled(false);
}
bool PumpRunning() {
  return TimerBong.Enabled();
}

void EnableKeepAlive(bool on) {
  if (on) TimerKeepAlive.SetInterval(kKeepAliveIntervalMs);
  TimerKeepAlive.SetEnabled(on);
}

bool KeepAliveEnabled() {
  return TimerKeepAlive.Enabled();
}

void QueueFrame(Frame frame) {
  if (frame[kTypeAt] == kTypeChat && !EncodeChatText(frame)) return;
  frame[kTokenAt] = ServerToken[0];
  frame[kTokenAt + 1] = ServerToken[1];
  // No full test on this side: a backlog of more than 128 frames overwrites the oldest.
  for (std::uint8_t b : frame) SendRing.Push(b);
  ArmChannel(kSendChannel);
}

void Winsock1_DataArrival(const platform::GameSocket::Bytes& bytes) {
  if (!DataMode) {
    ProxyBytesArrived(bytes);
    return;
  }
  AppendArrived(RecvRing, bytes);
  ArmChannel(kReceiveChannel);
}

void Winsock1_Close() {
  Socket().Close();
}

void TimerBong_Timer() {
  TimerBong.SetEnabled(false);
  for (int k = 0; k < kPumpChannels; ++k)
    if (kPeriod[k] > 0) ++PumpTicks[k];
  SendStep();
  ReceiveStep();
  LoginStep();
  actions::CountdownTick();
  ReadyCountdownStep();
  LinkWatchStep();
  BubbleStep();
  WrapCounters();
  TimerBong.SetEnabled(true);
}

void TimerKeepAlive_Timer() {
  QueueFrame(BuildKeepAlive(game::custom[0].seat));
}

void ResetTransport() {
  ResetRings();
  PumpArmed.fill(false);
  PumpTicks.fill(0);
  g_lastSecondStep.fill(-kSecondMs);
  message.fill(0);
  ServerToken.fill(0);
  LoginFrame.fill(0);
  DataMode = true;
  LoginPending = false;
  HandInProgress = false;
  WatchdogCount = 0;
  Reconnected = false;
}

}  // namespace tlj::net
