#pragma once
// The lobby program's window: found anew by its title for every operation.

#include <string>

namespace tlj::model {

inline constexpr const char* kDefaultLobbyTitle = "星湖山庄";
inline std::string LobbyWindowTitle;
// Start value: no title until the command line is read.
void SetLobbyStartValues();

bool LobbyWindowExists();
// Posts msg (wParam 0, lParam 0) if the lobby window is found.
void PostToLobby(int msg);
// Restores (or minimizes) the lobby window; ends the process when it cannot be found.
void RestoreLobby();
void MinimizeLobby();

}  // namespace tlj::model
