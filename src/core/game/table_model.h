#pragma once
// Reading the table model off the server's frames: seats and screen positions, the players'
// public records, the ranges a frame's values must keep; the coin caption and the per-game
// reset.

#include <cstdint>
#include <string_view>

#include "core/model/table_state.h"
#include "core/net/frame.h"

namespace tlj::game {

int SeatIndex(std::uint8_t bits);
int ScreenPos(std::uint8_t bits);

model::PlayerProfile ParseProfile(const net::Frame& frame);
// The avatar picture index 0..19 of a face code ("m1".."m10", "w1".."w10").
int AvatarIndex(std::string_view face);

// Caption of Cash(pos): the amount followed by "金币".
void ShowCoins(int pos, double value);

// False for a received frame carrying a value outside the model's ranges (a card code or
// HandId with the top bit set, a profile counter of 2^31 or more): such a frame is dropped whole.
bool FrameInRange(const net::Frame& message);

// The per-game reset; `reset_rings` also empties RecvRing and SendRing.
void ResetGameState(bool reset_rings = false);

}  // namespace tlj::game
