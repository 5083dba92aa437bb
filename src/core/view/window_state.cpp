#include "core/view/window_state.h"

#include "core/model/elements.h"
#include "core/model/lobby_window.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/platform/services.h"

namespace tlj::view {

void MinimizeMainForm() {
  model::Win().minimized = true;
}

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

void ActivateMainForm() {
  auto& ui = *platform::Sys().ui;
  ui.SetActiveWindow(model::kMainForm);
  const auto& chat = model::El("Chat");
  if (chat.visible && chat.enabled) ui.SetFocus({std::string(model::kMainForm), "Chat", {}});
}

}  // namespace tlj::view
