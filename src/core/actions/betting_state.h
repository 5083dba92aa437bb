#pragma once
// The flags and counters of the user's turn that other modules read and reset.

#include <array>
#include <cstdint>

namespace tlj::actions {

inline bool g_bGameActive = false;             // the user plays at this table
inline std::int16_t g_iDefaultCountdown = 15;  // the turn countdown's starting value
inline std::int16_t g_iTimeoutCount = 0;       // consecutive turns that ran out
inline std::int16_t g_iTimeoutLimit = 0;       // time-outs after which the table hides
inline bool g_bAway = false;                   // the table was hidden by F1 or time-outs

inline bool g_bMyTurn = false;     // the user has the turn
inline bool g_bTurnArmed = false;  // the turn is unanswered: its expiry gives up for the user
inline bool g_bHotPot = false;     // the composed amount is a hot-pot buy

// Which keypad keys ImgNum(i) and action buttons Operation(i) show their hover picture.
inline std::array<bool, 15> g_bNumHover{};
inline std::array<bool, 4> g_bOpHover{};

}  // namespace tlj::actions
