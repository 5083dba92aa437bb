#pragma once
// The transport pump's timers: TimerBong (50 ms), whose tick the table window runs, and the
// keep-alive timer beside it; queueing a frame for the pump to send, and the socket's events.

#include <functional>

#include "core/net/frame.h"
#include "core/platform/event_loop.h"
#include "core/platform/game_socket.h"

namespace tlj::net {

inline constexpr platform::TimeMs kPumpIntervalMs = 50;
inline constexpr platform::TimeMs kKeepAliveIntervalMs = 5000;

// The received frame being handled.
inline Frame message{};

// `tick` runs on every TimerBong tick.
void CreateTransportTimers(std::function<void()> tick);
void DestroyTransportTimers();

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

// One keep-alive.
void TimerKeepAlive_Timer();

// Start values of everything the transport keeps: rings, channels, token, login request, chat
// text, link state, the server and proxy settings.
void ResetTransport();

}  // namespace tlj::net
