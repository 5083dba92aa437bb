#include "core/actions/leave_dialogs.h"

#include "core/actions/going_idle.h"
#include "core/lobby/leave.h"
#include "core/model/elements.h"
#include "core/model/turn_state.h"
#include "core/net/link_state.h"

namespace tlj::actions {

void pbCloseMe_Click() {
  net::HandInProgress = false;
  lobby::LeaveTableIfConnected();
  GoIdle();
  BackToTheLobby();
  model::Win("frmExit").visible = false;
}

void pbCancel_Click() {
  model::Win("frmExit").visible = false;
}

void imgOK_Click() {
  GoIdle();
  model::Win("frmOtherExit").visible = false;
  BackToTheLobby();
}

void imgCancel_Click() {
  model::g_bReturnToLobby = true;
  model::Win("frmOtherExit").visible = false;
}

}  // namespace tlj::actions
