#include "desktop/element_layout.h"

#include <algorithm>
#include <map>
#include <utility>

#include <QFontMetrics>
#include <QString>

#include "core/view/layout.h"
#include "desktop/element_style.h"

namespace tlj::desktop {
namespace {

using platform::Element;

// An element array named as a container means its first member.
const Element* Container(const platform::Window& window, const std::string& name) {
  const auto named = window.by_name.find(name);
  if (named == window.by_name.end() || named->second.empty()) return nullptr;
  return named->second.begin()->second;
}

class Placer {
 public:
  explicit Placer(const platform::Window& window) {
    for (const auto& e : window.elements) {
      const Element* container = e->parent.empty() ? nullptr : Container(window, e->parent);
      held_[container].push_back(e.get());
    }
    for (auto& [container, elements] : held_) {
      std::sort(elements.begin(), elements.end(),
                [](const Element* a, const Element* b) { return a->z < b->z; });
    }
  }

  std::vector<PlacedElement> Place(const platform::Window& window) {
    Add(nullptr, QPoint(0, 0), QRect(0, 0, view::Px(window.width), view::Px(window.height)), true);
    return std::move(placed_);
  }

 private:
  void Add(const Element* container, QPoint origin, QRect clip, bool enabled) {
    const auto held = held_.find(container);
    if (held == held_.end()) return;
    for (const Element* e : held->second) {
      if (!e->visible) continue;
      const QRect rect(QPoint(origin.x() + view::Px(e->left), origin.y() + view::Px(e->top)),
                       Size(*e));
      placed_.push_back({e, rect, clip & rect, enabled && e->enabled});
      if (e->kind == platform::ElementKind::PictureBox)
        Add(e, rect.topLeft(), clip & rect, enabled && e->enabled);
    }
  }

  std::map<const Element*, std::vector<const Element*>> held_;
  std::vector<PlacedElement> placed_;
};

}  // namespace

QSize Size(const platform::Element& e) {
  if (e.autoSize && e.kind == platform::ElementKind::Label) {
    const QFontMetrics metrics(ElementFont(e));
    return {metrics.horizontalAdvance(QString::fromStdString(e.caption)), metrics.height()};
  }
  return {view::Px(e.width), view::Px(e.height)};
}

std::vector<PlacedElement> PlaceElements(const platform::Window& window) {
  return Placer(window).Place(window);
}

const PlacedElement* ElementAt(const std::vector<PlacedElement>& placed, QPoint point) {
  for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
    if (it->enabled && it->element->kind != platform::ElementKind::Component &&
        it->clip.contains(point)) {
      return &*it;
    }
  }
  return nullptr;
}

int ListLineAt(const platform::Element& list, int y) {
  if (y < 0) return -1;
  const int line = list.topLine + y / platform::ListLineHeight(list);
  return line < static_cast<int>(list.lines.size()) ? line : -1;
}

}  // namespace tlj::desktop
