#include "core/game/player_changes.h"

namespace tlj::game {

void HandlePlayerArrives(const net::Frame&) {}
void HandlePlayerLeft(const net::Frame&) {}
void HandleRemoved(const net::Frame&) {}
void HandlePlayerReady(const net::Frame&) {}

void ClearSeat(int) {}

}  // namespace tlj::game
