#pragma once
// The score sheet of a finished game, the record file "info.xh" and the level titles.

#include <cstddef>
#include <string>

#include "core/net/frame.h"

namespace tlj::game {

// A hand-edited record file may claim any line count; a list never takes more than this.
inline constexpr std::size_t kMaxStoredLines = 1000;

// Builds the sheet from an end-of-game frame.
void ShowScoreSheet(const net::Frame& message);
// Shows game n's sheet again from the record file; nothing for 0.
void ShowStoredSheet(int n);

// "第一级" .. "第四十级" for level 1..40.
std::string LevelTitle(int level);

}  // namespace tlj::game
