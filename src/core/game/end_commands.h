#pragma once
// The end-of-hand notice and the end of game.

#include "core/net/frame.h"

namespace tlj::game {

void HandleEndOfHand(const net::Frame& message);  // type 16
void HandleGameOver(const net::Frame& message);   // type 9

}  // namespace tlj::game
