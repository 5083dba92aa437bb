#pragma once
// The type-3 frame that answers the user's turn: a bet of an amount, or a give-up.

#include "core/net/frame.h"

namespace tlj::actions {

inline constexpr std::size_t kHotPotFlagAt = 32;

net::Frame BuildBetFrame(double amount);
// A bet of nothing: only the type and the user's seat are set.
net::Frame BuildGiveUpFrame();
// Hides and disables Operation(0..2), so that the turn cannot be answered twice.
void HideActionButtons();

}  // namespace tlj::actions
