#include "tools/lobby/dump_elements.h"

#include <stdexcept>

namespace tlj::lobby_tool::dump {

void ForEachWindow(std::string_view dump_json,
                   const std::function<void(const std::string& name, const Json& window)>& read) {
  try {
    const Json dump = Json::parse(dump_json);
    for (const auto& window : dump.at("windows")) read(Name(window), window);
  } catch (const Json::exception& error) {
    throw std::runtime_error(std::string("the client's dump cannot be read: ") + error.what());
  }
}

std::string Name(const Json& element) {
  return element.at("name").get<std::string>();
}

int IndexOf(const Json& element) {
  const Json index = element.value("index", Json());
  return index.is_number_integer() ? index.get<int>() : -1;
}

bool Within(int index, std::size_t size) {
  return index >= 0 && static_cast<std::size_t>(index) < size;
}

bool Visible(const Json& element) {
  return element.value("visible", true);
}

bool Shown(const Json& element) {
  return Visible(element) && element.value("enabled", true);
}

bool WindowVisible(const Json& window) {
  return window.value("visible", false);
}

std::string Caption(const Json& element) {
  return element.value("caption", std::string());
}

std::vector<std::string> Lines(const Json& element) {
  return element.value("lines", std::vector<std::string>());
}

std::optional<int> Picture(const Json& element) {
  const Json picture = element.value("picture", Json());
  if (!picture.is_number_integer()) return std::nullopt;
  return picture.get<int>();
}

}  // namespace tlj::lobby_tool::dump
