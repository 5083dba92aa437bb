#include "core/view/window_state.h"

#include "core/model/elements.h"
#include "core/model/lobby_window.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/platform/services.h"
#include "core/view/speech_bubbles.h"
#include "core/view/window_designs.h"

namespace tlj::view {
namespace {

// Each open speech bubble: a loaded window captioned as the bubbles are.
template <typename Action>
void ForEachBubble(Action action) {
  auto& ui = *platform::Sys().ui;
  for (const auto& window : ui.Windows()) {
    if (window->loaded && window->caption == kBubbleCaption) action(ui.Win(window->name));
  }
}

}  // namespace

void MinimizeMainForm() {
  model::Win().minimized = true;
  ForEachBubble([](platform::Window& bubble) { bubble.visible = false; });
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
  ForEachBubble([](platform::Window& bubble) {
    StopBubbleFade(bubble.name);
    SetWindowAlpha(bubble, 0);
    bubble.visible = false;
    SetTopMost(bubble, true);
  });
}

void ActivateMainForm() {
  auto& ui = *platform::Sys().ui;
  ui.SetActiveWindow(model::kMainForm);
  const auto& chat = model::El("Chat");
  if (chat.visible && chat.enabled) ui.SetFocus({std::string(model::kMainForm), "Chat", {}});
}

}  // namespace tlj::view
