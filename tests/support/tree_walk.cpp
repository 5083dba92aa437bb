#include "tests/support/tree_walk.h"

#include <set>
#include <string_view>
#include <tuple>

#include "core/view/window_designs.h"

namespace tlj::testing {
namespace {

using Key = std::tuple<std::string, std::string, int>;

Key KeyOf(std::string_view window, const platform::Element& e) {
  return {std::string(window), e.name, e.index.value_or(platform::Window::kNoIndex)};
}

std::string Name(std::string_view window, const platform::Element& e) {
  std::string name = std::string(window) + "." + e.name;
  if (e.index) name += "(" + std::to_string(*e.index) + ")";
  return name;
}

// Element arrays that the logic extends at run time.
bool LoadedAtRunTime(const platform::Element& e) {
  return e.name == "imgCoin" && e.index.value_or(0) > 0;
}

bool Overlaps(const platform::Element& e, double width, double height) {
  return e.left < width && e.top < height && e.left + e.width > 0 && e.top + e.height > 0;
}

}  // namespace

std::vector<std::string> TreeFaults(const platform::ElementTree& tree) {
  platform::ElementTree designed;
  view::DesignWindows(designed);
  std::set<Key> design;
  for (const auto& w : designed.Windows())
    for (const auto& e : w->elements) design.insert(KeyOf(w->name, *e));

  std::vector<std::string> faults;
  for (const auto& w : tree.Windows()) {
    if (designed.FindWin(w->name) == nullptr) faults.push_back(w->name + ": no design made it");
    if (w->width <= 0 || w->height <= 0) faults.push_back(w->name + ": no size");
    for (const auto& e : w->elements) {
      if (!design.contains(KeyOf(w->name, *e)) && !LoadedAtRunTime(*e))
        faults.push_back(Name(w->name, *e) + ": no design made it");
      if (!e->visible) continue;
      if (e->parent.empty()) {
        if (!Overlaps(*e, w->width, w->height))
          faults.push_back(Name(w->name, *e) + ": outside its window");
        continue;
      }
      const platform::Element* parent = tree.Find(w->name, e->parent);
      if (parent == nullptr || parent->kind != platform::ElementKind::PictureBox) {
        faults.push_back(Name(w->name, *e) + ": its container " + e->parent + " is no picture box");
      } else if (!Overlaps(*e, parent->width, parent->height)) {
        faults.push_back(Name(w->name, *e) + ": outside " + e->parent);
      }
    }
  }
  return faults;
}

}  // namespace tlj::testing
