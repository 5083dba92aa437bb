#include "core/net/pump.h"

#include "core/model/table_state.h"
#include "core/net/channels.h"
#include "core/net/client_frames.h"
#include "core/net/connect.h"
#include "core/net/link_state.h"
#include "core/net/rings.h"
#include "core/net/socks5.h"
#include "core/platform/services.h"

namespace tlj::net {
namespace {

platform::Timer TimerBong;
platform::Timer TimerKeepAlive;

}  // namespace

void CreateTransportTimers(std::function<void()> tick) {
  auto& loop = *platform::Sys().loop;
  TimerBong = platform::Timer(loop, std::move(tick));
  TimerBong.SetInterval(kPumpIntervalMs);
  TimerKeepAlive = platform::Timer(loop, TimerKeepAlive_Timer);
  TimerKeepAlive.SetInterval(kKeepAliveIntervalMs);
  CreateProxyTimer();
}

void DestroyTransportTimers() {
  TimerBong = platform::Timer();
  TimerKeepAlive = platform::Timer();
  DestroyProxyTimer();
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
  if (!DataMode) FailProxyStep();
  platform::Sys().socket->Close();
}

void TimerKeepAlive_Timer() {
  QueueFrame(BuildKeepAlive(model::custom[0].seat));
}

void ResetTransport() {
  ResetRings();
  ResetChannels();
  message.fill(0);
  ServerToken.fill(0);
  LoginFrame.fill(0);
  g_sChatText.clear();
  DataMode = true;
  LoginPending = false;
  HandInProgress = false;
  WatchdogCount = 0;
  Reconnected = false;
  ReconnectAttempts = 0;
  ServerHost.clear();
  ServerPort = 0;
  ProxyType = 0;
  ProxyHost.clear();
  ProxyPort = 0;
  ProxyUser.clear();
  ProxyPassword.clear();
  ProxyStep = 0;
  ProxyBuffer.Clear();
}

}  // namespace tlj::net
