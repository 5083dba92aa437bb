#pragma once
// The flags and counters of the user's turn and of the table buttons, which the command
// handlers, the leave and idle resets and the transport's countdown channels read and set.

#include <array>
#include <cstdint>

#include "core/model/button_indexes.h"

namespace tlj::model {

inline bool g_bGameActive = false;             // the user plays at this table
inline std::int16_t g_iDefaultCountdown = 15;  // the turn countdown's starting value
inline std::int16_t g_iTimeoutCount = 0;       // consecutive turns that ran out
inline std::int16_t g_iTimeoutLimit = 0;       // time-outs after which the table hides
inline bool g_bAway = false;                   // the table was hidden by F1 or time-outs

inline bool g_bMyTurn = false;     // the user has the turn
inline bool g_bTurnArmed = false;  // the turn is unanswered: its expiry gives up for the user
inline bool g_bHotPot = false;     // the composed amount is a hot-pot buy

inline bool g_bFirstStart = true;      // the ready button still offers "start"
inline bool g_bHiddenTurns = false;    // hidden mode: short turns
inline bool g_bReturnToLobby = false;  // the next click on the ready button goes to idle

// Which keypad keys ImgNum(i), action buttons Operation(i) and table buttons AnNiu(k) show
// their hover picture.
inline std::array<bool, 15> g_bNumHover{};
inline std::array<bool, 4> g_bOpHover{};
inline std::array<bool, kTableButtons> g_bBtnHover{};
// The title bar's close and minimise buttons show their normal pictures.
inline bool TitleButtonsNormal = true;

// The Alt, C key sequence: which of the two keys came since another key broke it. The table
// surface keeps one, the chat history's text another.
struct KeySequence {
  bool alt = false;
  bool c = false;
};
inline KeySequence TableKeys;
inline KeySequence HistoryKeys;

// Sets every value above to its value when the window opens.
void SetTurnStartValues();

// The idle reset's part: no time-outs counted, not away, no table button highlighted, the ready
// button offers "start".
void SetIdleTurnValues();

}  // namespace tlj::model
