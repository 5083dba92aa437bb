#include "core/view/window_designs.h"

namespace tlj::view::design {
namespace {

using platform::ElementKind;

platform::Element& Button(platform::ElementTree& ui, platform::Window& w, std::string_view name,
                          double left, double top) {
  auto& button = Put(ui, w, name, {}, ElementKind::Picture, left, top, 70, 29);
  button.pointer = platform::Pointer::Hand;
  return button;
}

platform::Element& Line(platform::ElementTree& ui, platform::Window& w, std::string_view name,
                        std::string_view text, double top) {
  auto& line = Caption(ui, w, name, {}, text, 20, top, 260, 20);
  line.alignment = platform::Alignment::Center;
  line.fontSize = 10.5;
  return line;
}

void LeaveConfirmation(platform::ElementTree& ui, platform::Window& w) {
  Form(w, "", 300, 150);
  w.frameless = true;
  Line(ui, w, "Label1", "您真的要退出吗？", 24);
  Line(ui, w, "Label2", "游戏正在进行，逃跑会扣分！", 54).color = 0x0000FF;
  Line(ui, w, "Label3", "游戏即将进行，可能会扣分！", 54).color = 0x0000FF;
  Button(ui, w, "pbCloseMe", 60, 100);
  Button(ui, w, "pbCancel", 170, 100);
}

void Notice(platform::ElementTree& ui, platform::Window& w) {
  Form(w, "", 360, 170);
  w.frameless = true;
  auto& text = Caption(ui, w, "Label1", {}, "", 20, 30, 320, 60);
  text.alignment = platform::Alignment::Center;
  text.fontSize = 10.5;
  Button(ui, w, "imgOK", 90, 120);
  Button(ui, w, "imgCancel", 200, 120);
}

// Only the host of the reconnection's timers: nothing of it is ever shown.
void Reconnect(platform::ElementTree& ui, platform::Window& w) {
  Form(w, "", 300, 120);
  Caption(ui, w, "Label1", {}, "", 20, 40, 260, 20);
}

}  // namespace

void AddLeaveWindows(platform::ElementTree& ui) {
  ui.AddWindow("frmExit", LeaveConfirmation);
  ui.AddWindow("frmOtherExit", Notice);
  ui.AddWindow("frmReconnect", Reconnect);
}

}  // namespace tlj::view::design
