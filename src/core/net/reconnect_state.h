#pragma once
// The state of the reconnection after the link is lost during a hand.

#include <cstdint>

namespace tlj::net {

// Reconnect attempts made since the link was lost; the view reset starts every hand at 0.
inline std::int16_t ReconnectAttempts = 0;

}  // namespace tlj::net
