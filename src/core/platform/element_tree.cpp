#include "core/platform/element_tree.h"

namespace tlj::platform {

Window& ElementTree::Win(std::string_view window) {
  for (auto& w : windows_)
    if (w->name == window) return *w;
  windows_.push_back(std::make_unique<Window>());
  windows_.back()->name = std::string(window);
  return *windows_.back();
}

const Window* ElementTree::FindWin(std::string_view window) const {
  for (const auto& w : windows_)
    if (w->name == window) return w.get();
  return nullptr;
}

Element* ElementTree::Find(std::string_view window, std::string_view name,
                           std::optional<int> index) const {
  const Window* w = FindWin(window);
  if (w == nullptr) return nullptr;
  const auto named = w->by_name.find(name);
  if (named == w->by_name.end()) return nullptr;
  const auto found = named->second.find(index.value_or(Window::kNoIndex));
  return found != named->second.end() ? found->second : nullptr;
}

Element& ElementTree::El(std::string_view window, std::string_view name, std::optional<int> index) {
  if (Element* e = Find(window, name, index)) return *e;
  Window& w = Win(window);
  w.elements.push_back(std::make_unique<Element>());
  Element& e = *w.elements.back();
  e.name = std::string(name);
  e.index = index;
  e.z = ++w.top_z;
  w.by_name[e.name][index.value_or(Window::kNoIndex)] = &e;
  return e;
}

void ElementTree::BringToFront(std::string_view window, Element& element) {
  element.z = ++Win(window).top_z;
}

bool ElementTree::Remove(std::string_view window, std::string_view name, std::optional<int> index) {
  for (auto& w : windows_) {
    if (w->name != window) continue;
    if (const auto named = w->by_name.find(name); named != w->by_name.end()) {
      named->second.erase(index.value_or(Window::kNoIndex));
      if (named->second.empty()) w->by_name.erase(named);
    }
    return std::erase_if(w->elements,
                         [&](const auto& e) { return e->name == name && e->index == index; }) > 0;
  }
  return false;
}

void ElementTree::On(std::string_view window, std::string_view name, EventKind kind,
                     Handler handler) {
  handlers_[{std::string(window), std::string(name), kind}] = std::move(handler);
}

bool ElementTree::Fire(const ElementEvent& event) {
  auto it = handlers_.find({event.window, event.name, event.kind});
  if (it == handlers_.end()) return false;
  auto handler = it->second;  // a handler may replace itself
  handler(event);
  return true;
}

void ElementTree::Clear() {
  windows_.clear();
  handlers_.clear();
}

}  // namespace tlj::platform
