#pragma once
// The lobby program's window: found anew by its title for every operation.

#include <string>

namespace tlj::lobby {

inline constexpr const char* kDefaultLobbyTitle = "星湖山庄";
inline std::string LobbyWindowTitle;

bool LobbyWindowExists();
// Posts msg (wParam 0, lParam 0) if the lobby window is found.
void PostToLobby(int msg);
// Restores (or minimizes) the lobby window; ends the process when it cannot be found.
void RestoreLobby();
void MinimizeLobby();

// Messages posted to the table window: the lobby's 22, 771, 1024 and 1125; system commands.
void LobbyMessageHandler(int msg, long wparam, long lparam);

}  // namespace tlj::lobby
