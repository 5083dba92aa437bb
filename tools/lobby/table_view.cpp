#include "lobby/table_view.h"

#include <stdexcept>

#include <nlohmann/json.hpp>

namespace tlj::lobby_tool {
namespace {

constexpr const char* kTableWindow = "MainForm";
constexpr const char* kStatusLines = "Sysmsg";

}  // namespace

TableView ReadTableView(std::string_view dump_json) {
  try {
    const nlohmann::json dump = nlohmann::json::parse(dump_json);
    for (const auto& window : dump.at("windows")) {
      if (window.at("name") != kTableWindow) continue;
      TableView view;
      view.caption = window.at("caption").get<std::string>();
      view.minimized = window.at("minimized").get<bool>();
      for (const auto& element : window.at("elements")) {
        if (element.at("name") != kStatusLines || !element.at("index").is_number_integer()) {
          continue;
        }
        const int index = element.at("index").get<int>();
        if (index == 0 || index == 1) {
          view.status_lines[index] = element.at("lines").get<std::vector<std::string>>();
        }
      }
      return view;
    }
  } catch (const nlohmann::json::exception& error) {
    throw std::runtime_error(std::string("the client's dump cannot be read: ") + error.what());
  }
  throw std::runtime_error("the client's dump has no table window");
}

}  // namespace tlj::lobby_tool
