#pragma once
// Getting back into a running hand after the link was lost: an attempt every three seconds,
// each sending the login buffer rewritten into a reconnect request.

#include "core/net/frame.h"

namespace tlj::table {

inline constexpr int kMaxReconnectAttempts = 20;  // given up at the tick after the 21st attempt

void CreateReconnectTimers();
void DestroyReconnectTimers();

// Called by the link watch when the link is lost during a hand the user plays.
void StartReconnection();
// The server's answer (type 29).
void HandleReconnectReply(const net::Frame& reply);

bool ReconnectWindowLoaded();

}  // namespace tlj::table
