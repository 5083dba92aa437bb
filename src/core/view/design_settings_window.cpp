#include "core/view/window_designs.h"

namespace tlj::view::design {
namespace {

using platform::ElementKind;

void SoundSettings(platform::ElementTree& ui, platform::Window& w) {
  Form(w, "音效设置", 221, 331);
  for (int row = 0; row <= 3; ++row) {
    const double top = 48 + 52.0 * row;
    Put(ui, w, "Image1", row, ElementKind::Picture, 20, top, 96, 36);
    // Switches 1..3 are made when the window loads; they wait hidden until then.
    auto& toggle =
        Put(ui, w, "Command2", row, ElementKind::Picture, 136, top + 3, 65, 30, row == 0);
    toggle.pointer = platform::Pointer::Hand;
  }
  for (int k = 0; k <= 1; ++k) {
    Put(ui, w, "Command1", k, ElementKind::Picture, 28 + 91.0 * k, 264, 65, 30).pointer =
        platform::Pointer::Hand;
  }
}

}  // namespace

void AddSettingsWindow(platform::ElementTree& ui) {
  ui.AddWindow("VosSet", SoundSettings);
}

}  // namespace tlj::view::design
