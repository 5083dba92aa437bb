#pragma once
// Players arriving, leaving, being removed and getting ready; emptying a seat.

#include <array>
#include <string>

#include "core/model/table_state.h"
#include "core/net/frame.h"

namespace tlj::game {

void HandlePlayerArrives(const net::Frame& message);  // type 20
void HandlePlayerLeft(const net::Frame& message);     // type 21
void HandleRemoved(const net::Frame& message);        // type 22
void HandlePlayerReady(const net::Frame& message);    // type 23

// Empties screen position 1..3.
void ClearSeat(int pos);

// The ready badge's picture class for a player's coins: 0, 1 or 2.
int ReadyBadgeClass(double coins);

}  // namespace tlj::game
