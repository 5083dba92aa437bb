#include "core/view/window_state.h"

#include "core/actions/betting_state.h"
#include "core/actions/button_state.h"
#include "core/game/table_model.h"
#include "core/lobby/lobby_ops.h"
#include "core/view/ui.h"

namespace tlj::view {

void MinimizeMainForm() {
  Win().minimized = true;
}

void RestoreMainForm() {
  Win().minimized = false;
  lobby::MinimizeLobby();
  if (game::g_bHidden) {
    actions::g_bHiddenTurns = false;
    game::g_bHidden = false;
    actions::g_bAway = false;
    actions::g_iDefaultCountdown = 15;
  }
  actions::g_iTimeoutCount = 0;
}

}  // namespace tlj::view
