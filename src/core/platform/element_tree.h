#pragma once
// Every visual element is a named node (window, name, index). The logic writes the tree; a front
// end renders it and turns input into element events. Tests assert on the tree.

#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/platform/image.h"

namespace tlj::platform {

struct Element {
  std::string name;
  std::optional<int> index;  // set for members of an element array
  bool visible = true;
  bool enabled = true;
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  std::optional<int> picture;  // resource id of the picture shown
  // The decoded picture shown (a resource's, or a frame the animated picture control painted);
  // front ends draw this, tests mostly look at `picture`.
  std::shared_ptr<const Image> image;
  bool stretch = false;  // the picture is stretched to the element's size
  std::string caption;   // label caption or text box text (UTF-8)
  int color = 0;         // foreground colour, 0xBBGGRR
  double fontSize = 9;
  int z = 0;  // stacking order: higher is in front
  std::string tooltip;
  std::vector<std::string> lines;  // list box lines
  std::string url;                 // web panel: the address navigated to
};

struct Window {
  std::string name;
  bool visible = false;
  bool minimized = false;
  std::string caption;
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  std::vector<std::unique_ptr<Element>> elements;  // in creation order
  int top_z = 0;
  // The same elements by name and index, for lookups: the logic addresses elements by name
  // many thousand times a game. An element without an index is filed under kNoIndex.
  static constexpr int kNoIndex = std::numeric_limits<int>::min();
  std::map<std::string, std::map<int, Element*>, std::less<>> by_name;
};

enum class EventKind { Click, DblClick, MouseMove, KeyDown, Change };

struct ElementEvent {
  std::string window;
  std::string name;
  std::optional<int> index;
  EventKind kind = EventKind::Click;
  int line = -1;     // DblClick on a list: the line
  int key = 0;       // KeyDown: the key code
  std::string text;  // Change: the new text
};

class ElementTree {
 public:
  using Handler = std::function<void(const ElementEvent&)>;

  // Find-or-create: element arrays grow at run time as the logic addresses new indexes.
  Window& Win(std::string_view window);
  Element& El(std::string_view window, std::string_view name, std::optional<int> index = {});
  Element* Find(std::string_view window, std::string_view name,
                std::optional<int> index = {}) const;
  const Window* FindWin(std::string_view window) const;
  const std::vector<std::unique_ptr<Window>>& Windows() const { return windows_; }

  void BringToFront(std::string_view window, Element& element);
  // Deletes an element created at run time; returns false when there is none by that name.
  // References to the element become invalid.
  bool Remove(std::string_view window, std::string_view name, std::optional<int> index = {});

  // Handlers are registered per element name (any index) and event kind.
  void On(std::string_view window, std::string_view name, EventKind kind, Handler handler);
  // Delivers an input event; returns false when no handler takes it.
  bool Fire(const ElementEvent& event);

  void Clear();

 private:
  std::vector<std::unique_ptr<Window>> windows_;
  std::map<std::tuple<std::string, std::string, EventKind>, Handler> handlers_;
};

}  // namespace tlj::platform
