#include "core/view/window_designs.h"

#include "core/model/elements.h"
#include "core/view/design_pictures.h"

namespace tlj::view {

void DesignWindows(platform::ElementTree& ui) {
  ui.Clear();
  ui.WhenEachLoads(GiveDesignPictures);
  ui.AddWindow(model::kMainForm, design::MainForm);
  design::AddSmallWindows(ui);
  design::AddLeaveWindows(ui);
  design::AddChatWindows(ui);
  design::AddSettingsWindow(ui);
}

namespace design {

void Form(platform::Window& w, std::string_view caption, double width, double height) {
  w.owner = std::string(model::kMainForm);  // the small windows stay above the table
  w.caption = std::string(caption);
  w.width = width;
  w.height = height;
}

platform::Element& Put(platform::ElementTree& ui, platform::Window& w, std::string_view name,
                       std::optional<int> index, platform::ElementKind kind, double left,
                       double top, double width, double height, bool visible) {
  auto& e = ui.Add(w, name, index, kind);
  e.left = left;
  e.top = top;
  e.width = width;
  e.height = height;
  e.visible = visible;
  return e;
}

platform::Element& Caption(platform::ElementTree& ui, platform::Window& w, std::string_view name,
                           std::optional<int> index, std::string_view caption, double left,
                           double top, double width, double height) {
  auto& e = Put(ui, w, name, index, platform::ElementKind::Label, left, top, width, height);
  e.caption = std::string(caption);
  e.transparent = true;
  return e;
}

}  // namespace design
}  // namespace tlj::view
