#include "core/model/lobby_window.h"

#include "core/platform/services.h"

namespace tlj::model {
namespace {

bool TitleBlank() {
  return LobbyWindowTitle.find_first_not_of(' ') == std::string::npos;
}

void SysCommandToLobby(int command) {
  if (TitleBlank()) return;
  if (!platform::Sys().lobby->PostMessage(LobbyWindowTitle, platform::kWmSysCommand, command, 0))
    platform::EndProcess(0);
}

}  // namespace

void SetLobbyStartValues() {
  LobbyWindowTitle.clear();
}

bool LobbyWindowExists() {
  return platform::Sys().lobby->FindWindow(LobbyWindowTitle);
}

void PostToLobby(int msg) {
  platform::Sys().lobby->PostMessage(LobbyWindowTitle, msg, 0, 0);
}

void RestoreLobby() {
  SysCommandToLobby(platform::kScRestore);
}

void MinimizeLobby() {
  SysCommandToLobby(platform::kScMinimize);
}

}  // namespace tlj::model
