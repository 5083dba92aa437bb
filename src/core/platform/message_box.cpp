#include "core/platform/message_box.h"

#include "core/platform/services.h"

namespace tlj::platform {

void ShowMessageBox(const std::string& title, const std::string& text) {
  auto& sys = Sys();
  sys.msgbox->Show(title, text);
  sys.loop->ProcessEventsUntil(kForever, [&sys] { return !sys.msgbox->Waiting(); });
}

}  // namespace tlj::platform
