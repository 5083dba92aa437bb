#pragma once
// The transport pump: a 50 ms timer that sends at most one queued frame and hands at most one
// received frame to the dispatcher per tick, sends the login once connected, watches the link
// and drives the table's tick-based channels. The keep-alive timer beside it.

#include <array>
#include <cstdint>

#include "core/net/frame.h"
#include "core/platform/event_loop.h"
#include "core/platform/game_socket.h"

namespace tlj::net {

inline constexpr int kPumpChannels = 10;
inline constexpr int kSendChannel = 0;
inline constexpr int kReceiveChannel = 1;
inline constexpr int kLoginChannel = 2;
inline constexpr int kChatBlinkChannel = 3;
inline constexpr int kLinkWatchChannel = 5;  // its armed flag is Disconnect_Flag
inline constexpr int kTurnCountdownChannel = 6;
inline constexpr int kReadyCountdownChannel = 7;
inline constexpr int kBubbleChannel = 9;
inline constexpr platform::TimeMs kPumpIntervalMs = 50;
inline constexpr platform::TimeMs kKeepAliveIntervalMs = 5000;

inline std::array<bool, kPumpChannels> PumpArmed{};
inline std::array<int, kPumpChannels> PumpTicks{};
// The turn countdown runs while channel 6 is armed.
inline bool& g_bCountdownOn = PumpArmed[kTurnCountdownChannel];
// The received frame being handled.
inline Frame message{};

void CreateTransportTimers();
void DestroyTransportTimers();

// Arms channel k with its counter at 0, or disarms it.
void ArmChannel(int k);
void DisarmChannel(int k);
// Disarms every channel, the link watch's counter back to 0.
void DisarmAllChannels();
// Starts the countdown to the next game on channel 7: `seconds` shown in `colour` beside the
// clock; when it runs out the client reports ready.
void StartReadyCountdown(std::int16_t seconds, int colour);
// For the channels timed by the clock (6 and 7): armed, the user plays, and a second has
// passed since the channel's last step, which is then taken to be now.
bool SecondChannelDue(int k);

void StartPump();  // TimerBong on
void StopPump();   // TimerBong off
bool PumpRunning();
void EnableKeepAlive(bool on);
bool KeepAliveEnabled();

// Appends a frame to SendRing (type 19: after encoding the chat text) with the current token.
void QueueFrame(Frame frame);

// Socket events.
void Winsock1_DataArrival(const platform::GameSocket::Bytes& bytes);
void Winsock1_Close();

// One pump tick; one keep-alive.
void TimerBong_Timer();
void TimerKeepAlive_Timer();

// Start values: rings, channels, token, link state and watchdog.
void ResetTransport();

}  // namespace tlj::net
