#pragma once
// The state of the link to the game server.

#include <cstdint>

namespace tlj::net {

inline bool DataMode = true;         // socket bytes go to RecvRing (false: to the proxy buffer)
inline bool LoginPending = false;    // the login request went out, no reply yet
inline bool HandInProgress = false;  // a hand is being played with this client in it
inline std::int32_t WatchdogCount = 0;
inline bool Reconnected = false;  // the link was restored by a reconnect; leaving waits longer

}  // namespace tlj::net
