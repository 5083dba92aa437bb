#include "core/view/table_windows.h"

#include "core/model/elements.h"
#include "core/view/image_tables.h"

namespace tlj::view {

void CentreOverMainForm(std::string_view window) {
  const auto& form = model::Win();
  auto& w = model::Win(window);
  w.left = form.left + (form.width - w.width) / 2;
  w.top = form.top + (form.height - w.height) / 2;
}

void ShowOtherExit() {
  CentreOverMainForm("frmOtherExit");
  auto& notice = model::Win("frmOtherExit");
  notice.topmost = true;
  notice.visible = true;
}

void RemovePicture(platform::Element& element) {
  element.picture.reset();
  element.image.reset();
}

void CopyPicture(const platform::Element& from, platform::Element& to) {
  to.picture = from.picture;
  to.image = from.image;
}

void ShowAvatar(platform::Element& element, int index) {
  if (index < 0 || index >= static_cast<int>(view::AvatarImageIds.size())) return;
  view::LoadGifResource(view::AvatarImageIds[static_cast<std::size_t>(index)], "GIF", element);
}

void EmptyInWindows(int pos) {
  for (const char* window : {"Hero", "Score"}) {
    RemovePicture(model::ElOf(window, "Tou", pos));
    model::ElOf(window, "ID", pos).caption.clear();
  }
}

}  // namespace tlj::view
