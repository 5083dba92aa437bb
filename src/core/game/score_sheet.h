#pragma once
// The score sheet of a finished game, the record file "info.xh" and the level titles.

#include <array>

#include "core/net/frame.h"

namespace tlj::game {

// Each position's running total over the games shown in the ranking window.
inline std::array<double, 4> g_dTotalScore{};

// Builds the sheet from an end-of-game frame.
void ShowScoreSheet(const net::Frame& message);
// Shows game n's sheet again from the record file; nothing for 0.
void ShowStoredSheet(int n);
// Registers the ranking window's double clicks.
void HookScoreSheetEvents();

}  // namespace tlj::game
