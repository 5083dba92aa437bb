#pragma once
// The flags and counters of the user's turn that other modules read and reset.

#include <cstdint>

namespace tlj::actions {

inline bool g_bGameActive = false;             // the user plays at this table
inline std::int16_t g_iDefaultCountdown = 15;  // the turn countdown's starting value
inline std::int16_t g_iTimeoutCount = 0;       // consecutive turns that ran out
inline std::int16_t g_iTimeoutLimit = 0;       // time-outs after which the table hides
inline bool g_bAway = false;                   // the table was hidden by F1 or time-outs

}  // namespace tlj::actions
