#pragma once
// Table button state read outside the button handlers.

namespace tlj::actions {

inline bool g_bFirstStart = true;    // the ready button still offers "start"
inline bool g_bHiddenTurns = false;  // hidden mode: short turns

}  // namespace tlj::actions
