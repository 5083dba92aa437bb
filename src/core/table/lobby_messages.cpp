#include "core/table/lobby_messages.h"

#include "core/lobby/leave.h"
#include "core/lobby/re_entry.h"
#include "core/model/lobby_window.h"
#include "core/net/link_state.h"
#include "core/platform/lobby_link.h"
#include "core/view/window_state.h"

namespace tlj::table {
namespace {

// Leaves the table at the lobby's request: the leave frame if the link is up, then idle.
void LeaveForLobby() {
  lobby::LeaveTableIfConnected();
  lobby::ReturnToIdle();
}

// What the table window does with a system command of its own (restore, minimize).
void TableWindowSysCommand(long command) {
  if (command == platform::kScRestore) view::RestoreMainForm();
  if (command == platform::kScMinimize) view::MinimizeMainForm();
}

}  // namespace

void LobbyMessageHandler(int msg, long wparam, long) {
  switch (msg) {
    case platform::kEnterTable:
      lobby::ReEnterTable();
      break;
    case platform::kMayLeave:
      if (!model::LobbyWindowExists()) return;
      model::PostToLobby(net::HandInProgress ? platform::kHandRunning : platform::kLeft);
      break;
    case platform::kLeaveUnlessBusy:
      if (!model::LobbyWindowExists()) return;
      if (net::LoginPending) {
        model::PostToLobby(platform::kStillLoggingIn);
      } else if (net::HandInProgress) {
        model::PostToLobby(platform::kHandRunning);
      } else {
        LeaveForLobby();
        model::PostToLobby(platform::kLeft);
      }
      break;
    case platform::kLeaveNow:
      LeaveForLobby();
      break;
    case platform::kWmSysCommand:
      TableWindowSysCommand(wparam);
      break;
    default:
      break;
  }
}

}  // namespace tlj::table
