#include "core/actions/going_idle.h"

#include "core/game/table_model.h"
#include "core/lobby/leave.h"
#include "core/model/lobby_window.h"
#include "core/model/table_state.h"
#include "core/platform/services.h"
#include "core/view/layout.h"
#include "core/view/window_state.h"

namespace tlj::actions {

void GoIdle() {
  model::g_bGameStarted = false;
  lobby::ReturnToIdle();
  game::ResetGameState();
  view::ResetTableView();
}

void BackToTheLobby() {
  if (!model::LobbyWindowExists()) platform::EndProcess(0);
  view::MinimizeMainForm();
  model::RestoreLobby();
}

}  // namespace tlj::actions
