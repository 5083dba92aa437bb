#include "headless/tree_json.h"

#include <cmath>
#include <cstdint>

namespace tlj::headless {
namespace {

// Positions are kept as doubles but are whole pixels nearly always: write those as integers.
nlohmann::json Number(double value) {
  if (std::trunc(value) == value && std::abs(value) < 1e15) {
    return static_cast<std::int64_t>(value);
  }
  return value;
}

}  // namespace

nlohmann::json ElementToJson(const platform::Element& element) {
  return {
      {"name", element.name},
      {"index", element.index ? nlohmann::json(*element.index) : nlohmann::json(nullptr)},
      {"visible", element.visible},
      {"enabled", element.enabled},
      {"left", Number(element.left)},
      {"top", Number(element.top)},
      {"width", Number(element.width)},
      {"height", Number(element.height)},
      {"picture", element.picture ? nlohmann::json(*element.picture) : nlohmann::json(nullptr)},
      {"stretch", element.stretch},
      {"caption", element.caption},
      {"color", element.color},
      {"fontSize", Number(element.fontSize)},
      {"z", element.z},
      {"tooltip", element.tooltip},
      {"lines", element.lines},
      {"url", element.url},
  };
}

nlohmann::json WindowToJson(const platform::Window& window) {
  nlohmann::json json = {
      {"name", window.name},
      {"visible", window.visible},
      {"minimized", window.minimized},
      {"caption", window.caption},
      {"left", Number(window.left)},
      {"top", Number(window.top)},
      {"width", Number(window.width)},
      {"height", Number(window.height)},
      {"elements", nlohmann::json::array()},
  };
  for (const auto& element : window.elements) json["elements"].push_back(ElementToJson(*element));
  return json;
}

std::string JsonText(const nlohmann::json& json) {
  return json.dump(1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace tlj::headless
