#include "core/lobby/leave_dialogs.h"

#include "core/actions/button_state.h"
#include "core/game/table_model.h"
#include "core/lobby/leave.h"
#include "core/lobby/lobby_ops.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/services.h"
#include "core/view/layout.h"
#include "core/view/ui.h"
#include "core/view/window_state.h"

namespace tlj::lobby {
namespace {

void GoIdle() {
  game::g_bGameStarted = false;
  ReturnToIdle();
  game::ResetGameState();
  view::ResetTableView();
}

void BackToTheLobby() {
  if (!LobbyWindowExists()) platform::EndProcess(0);
  view::MinimizeMainForm();
  RestoreLobby();
}

// The button exists from the start, so that a front end can show it with its window.
void OnClick(const char* window, const char* name, void (*handler)()) {
  view::ElOf(window, name);
  platform::Sys().ui->On(window, name, platform::EventKind::Click,
                         [handler](const platform::ElementEvent&) { handler(); });
}

}  // namespace

void pbCloseMe_Click() {
  net::HandInProgress = false;
  if (platform::Sys().socket->State() == platform::SocketState::Connected) {
    net::DisarmChannel(net::kLinkWatchChannel);
    LeaveTable();
  }
  GoIdle();
  BackToTheLobby();
  view::Win("frmExit").visible = false;
}

void pbCancel_Click() {
  view::Win("frmExit").visible = false;
}

void imgOK_Click() {
  GoIdle();
  view::Win("frmOtherExit").visible = false;
  BackToTheLobby();
}

void imgCancel_Click() {
  actions::g_bReturnToLobby = true;
  view::Win("frmOtherExit").visible = false;
}

void HookLeaveDialogEvents() {
  OnClick("frmExit", "pbCloseMe", pbCloseMe_Click);
  OnClick("frmExit", "pbCancel", pbCancel_Click);
  OnClick("frmOtherExit", "imgOK", imgOK_Click);
  OnClick("frmOtherExit", "imgCancel", imgCancel_Click);
}

}  // namespace tlj::lobby
