#include "core/actions/leave_dialogs.h"

#include "core/actions/going_idle.h"
#include "core/lobby/leave.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/link_state.h"
#include "core/platform/services.h"
#include "core/view/image_tables.h"

namespace tlj::actions {
namespace {

constexpr int kOkEntry = 0;
constexpr int kCancelEntry = 2;

void ShowButtons(const char* window, const char* ok, const char* cancel) {
  view::LoadGifResource(view::DialogButtonImageIds[kOkEntry], "GIF", model::ElOf(window, ok));
  view::LoadGifResource(view::DialogButtonImageIds[kCancelEntry], "GIF",
                        model::ElOf(window, cancel));
}

void Unload(const char* window) {
  platform::Sys().ui->UnloadWindow(window);
}

}  // namespace

void frmExit_Load() {
  auto& ui = *platform::Sys().ui;
  auto& running = model::ElOf("frmExit", "Label2");
  auto& starting = model::ElOf("frmExit", "Label3");
  running.visible = starting.visible = false;
  if (net::HandInProgress && !model::g_bSpectator) {
    running.visible = true;
    ui.BringToFront("frmExit", running);
  } else if (model::g_bShuffleShown) {
    starting.visible = true;
    ui.BringToFront("frmExit", starting);
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
  Unload("frmExit");
}

void pbCancel_Click() {
  Unload("frmExit");
}

void imgOK_Click() {
  GoIdle();
  Unload("frmOtherExit");
  BackToTheLobby();
}

void imgCancel_Click() {
  model::g_bReturnToLobby = true;
  Unload("frmOtherExit");
}

}  // namespace tlj::actions
