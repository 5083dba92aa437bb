#pragma once
// The seat-change notice: its flags and the caption texts it cycles through.

#include <array>
#include <cstdint>
#include <string>

namespace tlj::game {

inline bool g_bShufflePending = false;  // show the notice when the next game is due
inline bool g_bShuffleShown = false;    // the notice is on screen
inline bool g_bShuffleNext = false;     // the server announced a seat change
inline std::array<std::string, 4> g_sShuffleText;
inline std::int16_t g_iShuffleStep = 0;

}  // namespace tlj::game
