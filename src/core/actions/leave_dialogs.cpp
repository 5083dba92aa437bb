#include "core/actions/leave_dialogs.h"

#include "core/actions/going_idle.h"
#include "core/lobby/leave.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/link_state.h"
#include "core/view/image_tables.h"

namespace tlj::actions {
namespace {

void ShowButtons(const char* window, const char* ok, const char* cancel) {
  view::LoadGifResource(view::DialogButtonImageIds[view::kDialogOk], "GIF",
                        model::ElOf(window, ok));
  view::LoadGifResource(view::DialogButtonImageIds[view::kDialogCancel], "GIF",
                        model::ElOf(window, cancel));
}

}  // namespace

void frmExit_Load() {
  auto& running = model::ElOf("frmExit", "Label2");
  auto& starting = model::ElOf("frmExit", "Label3");
  running.visible = starting.visible = false;
  if (net::HandInProgress && !model::g_bSpectator) {
    running.visible = true;
    model::BringToFront(running, "frmExit");
  } else if (model::g_bShuffleShown) {
    starting.visible = true;
    model::BringToFront(starting, "frmExit");
  }
  ShowButtons("frmExit", "pbCloseMe", "pbCancel");
}

void frmOtherExit_Load() {
  ShowButtons("frmOtherExit", "imgOK", "imgCancel");
}

void pbCloseMe_Click() {
  net::HandInProgress = false;
  lobby::LeaveTableIfConnected();
  GoIdle();
  BackToTheLobby();
  model::Unload("frmExit");
}

void pbCancel_Click() {
  model::Unload("frmExit");
}

void imgOK_Click() {
  GoIdle();
  model::Unload("frmOtherExit");
  BackToTheLobby();
}

void imgCancel_Click() {
  model::g_bReturnToLobby = true;
  model::Unload("frmOtherExit");
}

}  // namespace tlj::actions
