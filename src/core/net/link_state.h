#pragma once
// The state of the link to the game server.

#include <cstdint>

namespace tlj::net {

inline bool DataMode = true;         // socket bytes go to RecvRing (false: to the proxy buffer)
inline bool LoginPending = false;    // the login request went out, no reply yet
inline bool HandInProgress = false;  // a hand is being played with this client in it
inline std::int32_t WatchdogCount = 0;
inline bool Reconnected = false;  // the link was restored by a reconnect; leaving waits longer
// Reconnect attempts made since the link was lost; the view reset starts every hand at 0.
inline std::int16_t ReconnectAttempts = 0;
inline void ResetReconnectAttempts() {
  ReconnectAttempts = 0;
}

}  // namespace tlj::net
