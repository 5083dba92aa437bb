#include "core/table/give_up.h"

#include "core/actions/going_idle.h"
#include "core/model/lobby_window.h"
#include "core/view/window_state.h"

namespace tlj::table {

void GiveUpTable() {
  view::MinimizeMainForm();
  model::RestoreLobby();
  actions::GoIdle();
}

}  // namespace tlj::table
