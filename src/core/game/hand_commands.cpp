#include "core/game/hand_commands.h"

namespace tlj::game {

void HandleNewHand(const net::Frame&) {}
void HandleBet(const net::Frame&) {}
void HandleBetResult(const net::Frame&) {}
void HandlePotRefill(const net::Frame&) {}
void HandlePotUpdate(const net::Frame&) {}

}  // namespace tlj::game
