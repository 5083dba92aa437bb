#include "core/lobby/lobby_ops.h"

#include "core/lobby/connect.h"
#include "core/lobby/leave.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/services.h"
#include "core/view/window_state.h"

namespace tlj::lobby {
namespace {

bool TitleBlank() {
  return LobbyWindowTitle.find_first_not_of(' ') == std::string::npos;
}

void SysCommandToLobby(int command) {
  if (TitleBlank()) return;
  if (!platform::Sys().lobby->PostMessage(LobbyWindowTitle, platform::kWmSysCommand, command, 0))
    platform::EndProcess(0);
}

bool SocketConnected() {
  return platform::Sys().socket->State() == platform::SocketState::Connected;
}

// Leaves the table at the lobby's request: the leave frame if the link is up, then idle.
void LeaveForLobby() {
  if (SocketConnected()) {
    net::DisarmChannel(net::kLinkWatchChannel);
    LeaveTable();
  }
  ReturnToIdle();
}

// What the table window does with a system command of its own (restore, minimize).
void TableWindowSysCommand(long command) {
  if (command == platform::kScRestore) view::RestoreMainForm();
  if (command == platform::kScMinimize) view::MinimizeMainForm();
}

}  // namespace

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

void LobbyMessageHandler(int msg, long wparam, long) {
  switch (msg) {
    case 22:
      ReEnterTable();
      break;
    case 1125:
      if (!LobbyWindowExists()) return;
      PostToLobby(net::HandInProgress ? 1125 : 1024);
      break;
    case 771:
      if (!LobbyWindowExists()) return;
      if (net::LoginPending) {
        PostToLobby(1126);
      } else if (net::HandInProgress) {
        PostToLobby(1125);
      } else {
        LeaveForLobby();
        PostToLobby(1024);
      }
      break;
    case 1024:
      LeaveForLobby();
      break;
    case platform::kWmSysCommand:
      TableWindowSysCommand(wparam);
      break;
    default:
      break;
  }
}

}  // namespace tlj::lobby
