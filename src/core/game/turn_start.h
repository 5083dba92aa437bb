#pragma once
// The turn command: two gate cards to the active seat, the bet bounds, the countdown, and the
// keypad or the automatic give-up on the user's turn.

#include "core/net/frame.h"

namespace tlj::game {

void HandleTurnStart(const net::Frame& message);  // type 2

}  // namespace tlj::game
