#pragma once
// Table button state read outside the button handlers.

#include <array>

namespace tlj::actions {

inline bool g_bFirstStart = true;      // the ready button still offers "start"
inline bool g_bHiddenTurns = false;    // hidden mode: short turns
inline bool g_bReturnToLobby = false;  // the next click on the ready button goes to idle

// Which table buttons AnNiu(k) show their hover picture.
inline std::array<bool, 9> g_bBtnHover{};

}  // namespace tlj::actions
