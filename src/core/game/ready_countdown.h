#pragma once
// The countdown to the next game, on pump channel 7; when it runs out the client reports ready.

#include <cstdint>

namespace tlj::game {

// Starts it: `seconds` shown in `colour` beside the clock.
void StartReadyCountdown(std::int16_t seconds, int colour);

}  // namespace tlj::game
