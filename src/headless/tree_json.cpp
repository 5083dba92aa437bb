#include "headless/tree_json.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace tlj::headless {
namespace {

// Positions are kept as doubles but are whole pixels nearly always: write those as integers.
nlohmann::json Number(double value) {
  if (std::trunc(value) == value && std::abs(value) < 1e15) {
    return static_cast<std::int64_t>(value);
  }
  return value;
}

nlohmann::json Index(const std::optional<int>& index) {
  return index ? nlohmann::json(*index) : nlohmann::json(nullptr);
}

nlohmann::json Picture(const std::optional<int>& picture) {
  return picture ? nlohmann::json(*picture) : nlohmann::json(nullptr);
}

const char* KindName(platform::ElementKind kind) {
  switch (kind) {
    case platform::ElementKind::Label:
      return "label";
    case platform::ElementKind::Picture:
      return "picture";
    case platform::ElementKind::PictureBox:
      return "pictureBox";
    case platform::ElementKind::List:
      return "list";
    case platform::ElementKind::TextBox:
      return "textBox";
    case platform::ElementKind::WebPanel:
      return "webPanel";
    case platform::ElementKind::AnimatedPicture:
      return "animatedPicture";
    case platform::ElementKind::Shape:
      return "shape";
    case platform::ElementKind::Component:
      return "component";
  }
  return "";
}

const char* AlignmentName(platform::Alignment alignment) {
  switch (alignment) {
    case platform::Alignment::Left:
      return "left";
    case platform::Alignment::Right:
      return "right";
    case platform::Alignment::Center:
      return "center";
  }
  return "";
}

const char* PointerName(platform::Pointer pointer) {
  switch (pointer) {
    case platform::Pointer::Default:
      return "default";
    case platform::Pointer::Arrow:
      return "arrow";
    case platform::Pointer::Hand:
      return "hand";
    case platform::Pointer::Move:
      return "move";
    case platform::Pointer::Custom:
      return "custom";
  }
  return "";
}

}  // namespace

nlohmann::json ElementToJson(const platform::Element& element) {
  return {
      {"name", element.name},
      {"index", Index(element.index)},
      {"kind", KindName(element.kind)},
      {"parent", element.parent},
      {"visible", element.visible},
      {"enabled", element.enabled},
      {"left", Number(element.left)},
      {"top", Number(element.top)},
      {"width", Number(element.width)},
      {"height", Number(element.height)},
      {"picture", Picture(element.picture)},
      {"stretch", element.stretch},
      {"caption", element.caption},
      {"color", element.color},
      {"font", element.font},
      {"fontSize", Number(element.fontSize)},
      {"alignment", AlignmentName(element.alignment)},
      {"transparent", element.transparent},
      {"z", element.z},
      {"tooltip", element.tooltip},
      {"pointer", PointerName(element.pointer)},
      {"pointerFile", element.pointerFile},
      {"lines", element.lines},
      {"selected", element.selected},
      {"topLine", element.topLine},
      {"maxLength", element.maxLength},
      {"caret", element.caret},
      {"autoSize", element.autoSize},
      {"url", element.url},
      {"page", element.page},
  };
}

nlohmann::json WindowToJson(const platform::Window& window, bool active) {
  nlohmann::json shape = nlohmann::json::array();
  for (const platform::Rect& r : window.shape) shape.push_back({r.left, r.top, r.width, r.height});
  nlohmann::json painting = nlohmann::json::array();
  for (const platform::PaintedPiece& piece : window.painting) {
    const platform::Rect& s = piece.source;
    const platform::Rect& t = piece.target;
    painting.push_back({{"source", {s.left, s.top, s.width, s.height}},
                        {"target", {t.left, t.top, t.width, t.height}}});
  }
  nlohmann::json json = {
      {"name", window.name},
      {"design", window.design},
      {"tag", window.tag},
      {"loaded", window.loaded},
      {"visible", window.visible},
      {"minimized", window.minimized},
      {"active", active},
      {"caption", window.caption},
      {"left", Number(window.left)},
      {"top", Number(window.top)},
      {"width", Number(window.width)},
      {"height", Number(window.height)},
      {"picture", Picture(window.picture)},
      {"icon", Picture(window.icon)},
      {"owner", window.owner},
      {"frameless", window.frameless},
      {"topmost", window.topmost},
      {"activates", window.activates},
      {"opacity", window.opacity},
      {"shape", shape},
      {"painting", painting},
      {"moveRequests", window.moveRequests},
      {"elements", nlohmann::json::array()},
  };
  for (const auto& element : window.elements) json["elements"].push_back(ElementToJson(*element));
  return json;
}

nlohmann::json FocusToJson(const platform::ElementTree& tree) {
  const auto& focus = tree.Focus();
  if (!focus) return nullptr;
  return {{"window", focus->window}, {"name", focus->name}, {"index", Index(focus->index)}};
}

std::string JsonText(const nlohmann::json& json) {
  return json.dump(1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace tlj::headless
