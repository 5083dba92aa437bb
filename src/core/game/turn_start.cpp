#include "core/game/turn_start.h"

namespace tlj::game {

void HandleTurnStart(const net::Frame&) {}

}  // namespace tlj::game
