#include <string>

#include "core/view/window_designs.h"

namespace tlj::view::design {
namespace {

using platform::ElementKind;

void CloseLabel(platform::ElementTree& ui, platform::Window& w, double width) {
  auto& close = Caption(ui, w, "Label1", {}, "×", width - 24, 4, 20, 20);
  close.alignment = platform::Alignment::Center;
  close.pointer = platform::Pointer::Hand;
}

void History(platform::ElementTree& ui, platform::Window& w) {
  Form(w, "聊天", 318, 180);
  // The lists stand in the sunken well of the window's ground.
  Put(ui, w, "Text1", {}, ElementKind::List, 10, 28, 298, 142).transparent = true;
  CloseLabel(ui, w, w.width);
}

void Phrases(platform::ElementTree& ui, platform::Window& w) {
  Form(w, "", 319, 180);
  Put(ui, w, "List1", {}, ElementKind::List, 10, 28, 299, 142).transparent = true;
  auto& voice = Put(ui, w, "List2", {}, ElementKind::List, 10, 28, 299, 142, false);
  voice.transparent = true;
  voice.tooltip = "双击后发送你想说的话";
  CloseLabel(ui, w, w.width);
}

// One bubble per screen position; the window takes the size and the shape of its picture
// when it is first made.
void Bubble(platform::ElementTree& ui, platform::Window& w) {
  Form(w, kBubbleCaption, 180, 100);
  w.design = "frmSpeakBox";
  w.owner.clear();  // top-most on its own
  w.tag = w.name;
  w.frameless = true;
  w.topmost = true;
  w.activates = false;  // the user goes on typing at the table
  Put(ui, w, "picSplash", {}, ElementKind::PictureBox, 0, 0, 180, 100, false);
  for (int p = 0; p <= 3; ++p)
    Put(ui, w, "imgSpeakBox", p, ElementKind::Picture, 0, 0, 180, 100, false);
  auto& phrase = Caption(ui, w, "labPhrase", {}, "", 17, 12, 146, 48);
  phrase.transparent = true;
  phrase.color = 0x1A2A4A;  // dark brown on the bubble's cream
}

}  // namespace

void AddChatWindows(platform::ElementTree& ui) {
  ui.AddWindow("Talk", History);
  ui.AddWindow("huifu", Phrases);
  for (const std::string_view bubble : kBubbleWindows) ui.AddWindow(bubble, Bubble);
}

}  // namespace tlj::view::design
