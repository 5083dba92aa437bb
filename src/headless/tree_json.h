#pragma once
// The element tree as JSON, for the automation dump and for tools that read one:
//   {"windows": [{"name": ..., "visible": ..., "elements": [{"name": ..., "index": ...}]}],
//    "focus": {"window": ..., "name": ..., "index": ...} or null,
//    "messageBoxes": [{"title": ..., "text": ...}]}
// "index" is null outside element arrays and "picture" null when none is shown.

#include <string>

#include <nlohmann/json.hpp>

#include "core/platform/element_tree.h"

namespace tlj::headless {

nlohmann::json ElementToJson(const platform::Element& element);
nlohmann::json WindowToJson(const platform::Window& window, bool active);
nlohmann::json FocusToJson(const platform::ElementTree& tree);

// `boxes` is any range of records with `title` and `text`, in the order they were shown.
template <typename MessageBoxes>
nlohmann::json DumpToJson(const platform::ElementTree& tree, const MessageBoxes& boxes) {
  nlohmann::json dump = {{"windows", nlohmann::json::array()},
                         {"focus", FocusToJson(tree)},
                         {"messageBoxes", nlohmann::json::array()}};
  for (const auto& window : tree.Windows()) {
    dump["windows"].push_back(WindowToJson(*window, window->name == tree.ActiveWindow()));
  }
  for (const auto& box : boxes) {
    dump["messageBoxes"].push_back({{"title", box.title}, {"text", box.text}});
  }
  return dump;
}

// UTF-8 text as it is; bytes that are not UTF-8 become U+FFFD rather than failing the dump.
std::string JsonText(const nlohmann::json& json);

}  // namespace tlj::headless
