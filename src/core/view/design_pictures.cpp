#include "core/view/design_pictures.h"

#include "core/platform/services.h"
#include "core/view/picture_cache.h"

namespace tlj::view {

void GiveDesignPictures(platform::Window& window) {
  const platform::ResourceStore* store = platform::Sys().store;
  if (store == nullptr) return;
  for (const DesignPicture& entry : kDesignPictures) {
    if (entry.window != window.name) continue;
    const auto found = window.by_name.find(entry.element);
    if (found == window.by_name.end()) continue;
    const auto member = found->second.find(entry.index.value_or(platform::Window::kNoIndex));
    if (member == found->second.end()) continue;
    const auto bytes = store->Get("DESIGN", entry.number);
    if (!bytes) continue;
    // Negative cache keys keep the design pictures apart from the numbered resources.
    if (auto image = CachedPicture(-entry.number, *bytes)) member->second->image = std::move(image);
  }
}

}  // namespace tlj::view
