#include "core/platform/element_tree.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

#include "core/platform/utf8.h"

namespace tlj::platform {
namespace {

std::string Describe(std::string_view window, std::string_view name, std::optional<int> index) {
  std::string text = std::string(window) + "." + std::string(name);
  if (index) text += "(" + std::to_string(*index) + ")";
  return text;
}

bool IsWindowEvent(EventKind kind) {
  switch (kind) {
    case EventKind::Load:
    case EventKind::Unload:
    case EventKind::Activate:
    case EventKind::Minimize:
    case EventKind::Restore:
    case EventKind::Move:
    case EventKind::CloseRequest:
    // The mouse over the window's own background, where no element stands.
    case EventKind::MouseMove:
    case EventKind::MouseDown:
    case EventKind::MouseUp:
      return true;
    default:
      return false;
  }
}

Element* FindIn(const Window& w, std::string_view name, std::optional<int> index) {
  const auto named = w.by_name.find(name);
  if (named == w.by_name.end()) return nullptr;
  const auto found = named->second.find(index.value_or(Window::kNoIndex));
  return found != named->second.end() ? found->second : nullptr;
}

ElementEvent EventOn(std::string_view window, std::string_view name, std::optional<int> index,
                     EventKind kind) {
  ElementEvent event;
  event.window = std::string(window);
  event.name = std::string(name);
  event.index = index;
  event.kind = kind;
  return event;
}

}  // namespace

void Element::Changed() {
  if (window != nullptr) ++window->revision;
}

Window& ElementTree::AddWindow(std::string_view name, Design design) {
  if (FindWin(name) != nullptr)
    throw std::logic_error("window designed twice: " + std::string(name));
  windows_.push_back(std::make_unique<Window>());
  Window& w = *windows_.back();
  w.name = std::string(name);
  designs_[w.name] = std::move(design);
  Build(w);
  return w;
}

void ElementTree::Build(Window& w) {
  const std::uint64_t revision = w.revision;
  const std::string name = w.name;
  w = Window{};
  w.name = name;
  w.design = name;
  w.revision = revision + 1;
  designs_.at(name)(*this, w);
}

Element& ElementTree::Add(Window& w, std::string_view name, std::optional<int> index,
                          ElementKind kind, std::string_view parent) {
  auto& slot = w.by_name[std::string(name)][index.value_or(Window::kNoIndex)];
  if (slot != nullptr)
    throw std::logic_error("element designed twice: " + Describe(w.name, name, index));
  if (!parent.empty() && !w.by_name.contains(parent)) {
    throw std::logic_error("parent designed after its child: " + Describe(w.name, name, index));
  }
  w.elements.push_back(std::make_unique<Element>());
  Element& e = *w.elements.back();
  e.name = std::string(name);
  e.index = index;
  e.kind = kind;
  e.parent = std::string(parent);
  e.z = ++w.top_z;
  e.window = &w;
  slot = &e;
  ++w.revision;
  return e;
}

Window* ElementTree::FindMutable(std::string_view window) const {
  for (const auto& w : windows_)
    if (w->name == window) return w.get();
  return nullptr;
}

const Window* ElementTree::FindWin(std::string_view window) const {
  return FindMutable(window);
}

Element* ElementTree::Find(std::string_view window, std::string_view name,
                           std::optional<int> index) const {
  const Window* w = FindWin(window);
  return w != nullptr ? FindIn(*w, name, index) : nullptr;
}

Window& ElementTree::Win(std::string_view window) {
  Window* w = FindMutable(window);
  if (w == nullptr) throw std::logic_error("no window designed as " + std::string(window));
  if (!w->loaded) LoadWindow(window);
  ++w->revision;
  return *w;
}

Element& ElementTree::El(std::string_view window, std::string_view name, std::optional<int> index) {
  Element* e = FindIn(Win(window), name, index);
  if (e == nullptr)
    throw std::logic_error("no element designed as " + Describe(window, name, index));
  return *e;
}

void ElementTree::LoadWindow(std::string_view window) {
  Window* w = FindMutable(window);
  if (w == nullptr) throw std::logic_error("no window designed as " + std::string(window));
  if (w->loaded) return;
  w->loaded = true;
  ++w->revision;
  if (when_loading_) when_loading_(*w);
  ElementEvent load = EventOn(w->name, {}, {}, EventKind::Load);
  Run(load);
}

void ElementTree::UnloadWindow(std::string_view window) {
  Window* w = FindMutable(window);
  if (w == nullptr) throw std::logic_error("no window designed as " + std::string(window));
  if (!w->loaded) return;
  ElementEvent unload = EventOn(w->name, {}, {}, EventKind::Unload);
  Run(unload);
  if (focus_ && focus_->window == w->name) focus_.reset();
  if (active_ == w->name) active_.clear();
  ++own_revision_;
  Build(*w);
}

Element& ElementTree::LoadElement(std::string_view window, std::string_view name, int index) {
  Window& w = Win(window);
  const auto named = w.by_name.find(name);
  if (named == w.by_name.end() || named->second.contains(Window::kNoIndex)) {
    throw std::logic_error("no element array designed as " + Describe(window, name, {}));
  }
  if (Element* existing = Find(window, name, index)) return *existing;
  const Element& first = *named->second.begin()->second;
  w.elements.push_back(std::make_unique<Element>(first));
  Element& e = *w.elements.back();
  e.index = index;
  e.visible = false;
  e.z = ++w.top_z;
  named->second[index] = &e;
  ++w.revision;
  return e;
}

void ElementTree::BringToFront(std::string_view window, Element& element) {
  element.z = ++Win(window).top_z;
}

bool ElementTree::Remove(std::string_view window, std::string_view name, std::optional<int> index) {
  Window* w = FindMutable(window);
  if (w == nullptr) return false;
  if (const auto named = w->by_name.find(name); named != w->by_name.end()) {
    named->second.erase(index.value_or(Window::kNoIndex));
    if (named->second.empty()) w->by_name.erase(named);
  }
  ++w->revision;
  return std::erase_if(w->elements,
                       [&](const auto& e) { return e->name == name && e->index == index; }) > 0;
}

void ElementTree::SetActiveWindow(std::string_view window) {
  if (active_ == window) return;
  active_ = std::string(window);
  ++own_revision_;
}

void ElementTree::SetFocus(const FocusTarget& target) {
  if (focus_ == target) return;
  const auto previous = focus_;
  focus_ = target;
  ++own_revision_;
  if (previous) {
    ElementEvent lost =
        EventOn(previous->window, previous->name, previous->index, EventKind::LostFocus);
    Run(lost);
  }
  ElementEvent got = EventOn(target.window, target.name, target.index, EventKind::GotFocus);
  Run(got);
}

std::uint64_t ElementTree::Revision() const {
  return std::accumulate(windows_.begin(), windows_.end(), own_revision_,
                         [](std::uint64_t sum, const auto& w) { return sum + w->revision; });
}

void ElementTree::On(std::string_view window, std::string_view name, EventKind kind,
                     Handler handler) {
  handlers_[{std::string(window), std::string(name), kind}] = std::move(handler);
}

void ElementTree::Run(ElementEvent& event) {
  auto it = handlers_.find({event.window, event.name, event.kind});
  if (it == handlers_.end()) return;
  auto handler = it->second;  // a handler may replace itself
  handler(event);
}

void ElementTree::ApplyInput(ElementEvent& event, Element* element, Window& window) {
  switch (event.kind) {
    case EventKind::Click:
    case EventKind::DblClick:
      if (element->kind == ElementKind::List && event.line >= 0 &&
          event.line < static_cast<int>(element->lines.size())) {
        element->selected = event.line;
        element->Changed();
      }
      break;
    case EventKind::Scroll:
      if (element->kind == ElementKind::List) {
        const int last = std::max(static_cast<int>(element->lines.size()) - 1, 0);
        element->topLine = std::clamp(event.line, 0, last);
        event.line = element->topLine;
        element->Changed();
      }
      break;
    case EventKind::Minimize:
      window.minimized = true;
      ++window.revision;
      break;
    case EventKind::Restore:
      window.minimized = false;
      ++window.revision;
      break;
    case EventKind::Activate:
      SetActiveWindow(window.name);
      break;
    case EventKind::Move:
      window.left = event.x;
      window.top = event.y;
      ++window.revision;
      break;
    default:
      break;
  }
}

bool ElementTree::Fire(ElementEvent event) {
  Window* window = FindMutable(event.window);
  if (window == nullptr) return false;
  Element* element = nullptr;
  if (!event.name.empty()) {
    element = Find(event.window, event.name, event.index);
    if (element == nullptr) return false;
  } else if (!IsWindowEvent(event.kind)) {
    return false;
  }
  ApplyInput(event, element, *window);
  if (element != nullptr && event.kind == EventKind::KeyPress) {
    Run(event);
    if (event.cancel || element->kind != ElementKind::TextBox) return true;
    if (TypeInto(*element, event.key)) {
      ElementEvent change = EventOn(event.window, event.name, event.index, EventKind::Change);
      change.text = element->caption;
      Run(change);
    }
    return true;
  }
  Run(event);
  return true;
}

bool TypeInto(Element& text_box, int code) {
  std::u32string text = DecodeUtf8(text_box.caption);
  std::size_t caret = std::min<std::size_t>(std::max(text_box.caret, 0), text.size());
  if (code == 8) {
    if (caret == 0) return false;
    text.erase(caret - 1, 1);
    --caret;
  } else if (code < 32 || code == 127 || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
    return false;
  } else {
    if (text_box.maxLength > 0 && text.size() >= static_cast<std::size_t>(text_box.maxLength)) {
      return false;
    }
    text.insert(caret, 1, static_cast<char32_t>(code));
    ++caret;
  }
  text_box.caption = EncodeUtf8(text);
  text_box.caret = static_cast<int>(caret);
  text_box.Changed();
  return true;
}

void ElementTree::Clear() {
  own_revision_ = Revision() + 1;  // the count never goes back, so no change goes unseen
  windows_.clear();
  designs_.clear();
  when_loading_ = nullptr;
  handlers_.clear();
  active_.clear();
  focus_.reset();
}

int FontPixels(const Element& element) {
  constexpr double kDesignDpi = 96;
  constexpr double kPointsPerInch = 72;
  return std::max(1, static_cast<int>(std::lround(element.fontSize * kDesignDpi / kPointsPerInch)));
}

int ListLineHeight(const Element& list) {
  return FontPixels(list) + 1;
}

int VisibleLines(const Element& list) {
  return std::max(1, static_cast<int>(list.height) / ListLineHeight(list));
}

void ShowLastLine(Element& list) {
  list.topLine = std::max(0, static_cast<int>(list.lines.size()) - VisibleLines(list));
  list.Changed();
}

}  // namespace tlj::platform
