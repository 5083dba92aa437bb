#pragma once
// The commands of a running hand: new hand, bet, result, pot refill and pot update.

#include "core/net/frame.h"

namespace tlj::game {

void HandleNewHand(const net::Frame& message);    // type 1
void HandleBet(const net::Frame& message);        // type 3
void HandleBetResult(const net::Frame& message);  // type 4
void HandlePotRefill(const net::Frame& message);  // type 5
void HandlePotUpdate(const net::Frame& message);  // type 6

}  // namespace tlj::game
