#include "core/actions/window_restore.h"

#include "core/model/elements.h"
#include "core/model/lobby_window.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"

namespace tlj::actions {

void RestoreMainForm() {
  model::Win().minimized = false;
  model::MinimizeLobby();
  if (model::g_bHidden) {
    model::g_bHiddenTurns = false;
    model::g_bHidden = false;
    model::g_bAway = false;
    model::g_iDefaultCountdown = 15;
  }
  model::g_iTimeoutCount = 0;
}

}  // namespace tlj::actions
