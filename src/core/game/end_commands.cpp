#include "core/game/end_commands.h"

namespace tlj::game {

void HandleEndOfHand(const net::Frame&) {}
void HandleGameOver(const net::Frame&) {}

}  // namespace tlj::game
