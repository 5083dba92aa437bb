#include "core/view/design_pictures.h"

#include "core/platform/services.h"
#include "core/view/picture_cache.h"

namespace tlj::view {
namespace {

std::shared_ptr<const platform::Image> Decode(const DesignPicture& entry) {
  const platform::ResourceStore* store = platform::Sys().store;
  if (store == nullptr) return nullptr;
  const auto bytes = store->Get("DESIGN", entry.number);
  if (!bytes) return nullptr;
  // Negative cache keys keep the design pictures apart from the numbered resources.
  return CachedPicture(-entry.number, *bytes);
}

platform::Element* Member(platform::Window& window, const DesignPicture& entry) {
  const auto found = window.by_name.find(entry.element);
  if (found == window.by_name.end()) return nullptr;
  const auto member = found->second.find(entry.index.value_or(platform::Window::kNoIndex));
  return member == found->second.end() ? nullptr : member->second;
}

}  // namespace

void GiveDesignPictures(platform::Window& window) {
  for (const DesignPicture& entry : kDesignPictures) {
    if (entry.window != window.design || entry.held || entry.element.empty()) continue;
    platform::Element* element = Member(window, entry);
    if (element == nullptr) continue;
    if (auto image = Decode(entry)) element->image = std::move(image);
  }
}

std::shared_ptr<const platform::Image> DesignGround(const platform::Window& window) {
  for (const DesignPicture& entry : kDesignPictures) {
    if (entry.window == window.design && entry.element.empty()) return Decode(entry);
  }
  return nullptr;
}

std::shared_ptr<const platform::Image> HeldPicture(const platform::Element& holder) {
  if (holder.image || holder.window == nullptr) return holder.image;
  for (const DesignPicture& entry : kDesignPictures) {
    if (entry.window == holder.window->design && entry.element == holder.name &&
        entry.index == holder.index)
      return Decode(entry);
  }
  return nullptr;
}

}  // namespace tlj::view
