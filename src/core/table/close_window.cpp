#include "core/table/close_window.h"

#include "core/model/elements.h"
#include "core/platform/services.h"
#include "core/table/startup.h"
#include "core/view/sound.h"
#include "core/view/window_designs.h"

namespace tlj::table {

void CloseTableWindow() {
  auto& ui = *platform::Sys().ui;
  for (const char* window : {"ChuPai", "frmExit", "frmOtherExit", "frmReconnect", "frmMingXi",
                             "Hero", "huifu", "Information", "Score", "Talk", "VosSet"}) {
    ui.UnloadWindow(window);
  }
  if (view::g_bSound) view::StopSound();
  for (const std::string_view bubble : view::kBubbleWindows) ui.UnloadWindow(bubble);
  // The window's timers and controls go before the window whose elements they hold.
  ShutDownWindows();
  ui.UnloadWindow(model::kMainForm);
  platform::EndProcess(0);
}

}  // namespace tlj::table
