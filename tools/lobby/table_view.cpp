#include "tools/lobby/table_view.h"

#include <stdexcept>

#include <nlohmann/json.hpp>

namespace tlj::lobby_tool {
namespace {

constexpr int kCardBack = 18;

using Json = nlohmann::json;

// The element's index, or -1 for an element that is not part of an array.
int IndexOf(const Json& element) {
  const Json index = element.value("index", Json());
  return index.is_number_integer() ? index.get<int>() : -1;
}

bool Visible(const Json& element) {
  return element.value("visible", true);
}

bool Shown(const Json& element) {
  return Visible(element) && element.value("enabled", true);
}

std::string Caption(const Json& element) {
  return element.value("caption", std::string());
}

std::vector<std::string> Lines(const Json& element) {
  return element.value("lines", std::vector<std::string>());
}

void ReadTableElement(const Json& element, TableView& view) {
  const auto name = element.at("name").get<std::string>();
  const int index = IndexOf(element);
  const std::string caption = Caption(element);
  if (name == "Sysmsg" && (index == 0 || index == 1)) {
    view.status_lines[index] = Lines(element);
  } else if (name == "Operation" && index == 1) {
    view.bet_button_shown = Shown(element);
  } else if (name == "ImgNum" && index == 12) {
    view.hot_pot_key_enabled = element.value("enabled", true);
  } else if (name == "lblMin") {
    view.min_bet = caption;
  } else if (name == "lblMax") {
    view.max_bet = caption;
  } else if (name == "lblCaiChi") {
    view.pot = caption;
  } else if (name == "Nid" && index >= 0 && index < 4) {
    view.players[static_cast<std::size_t>(index)] = caption;
  } else if (name == "imgDiPai" && Visible(element) &&
             element.value("picture", Json()).is_number_integer()) {
    const int picture = element.at("picture").get<int>();
    if (picture != kCardBack) view.face_up_cards.push_back(picture);
  }
}

void ReadScoreElement(const Json& element, TableView& view) {
  const auto name = element.at("name").get<std::string>();
  const int index = IndexOf(element);
  if (name == "State" && index >= 0 && index < 8) {
    view.scores[static_cast<std::size_t>(index)] = Lines(element);
  } else if (name == "ID" && index >= 0 && index < 4) {
    view.score_names[static_cast<std::size_t>(index)] = Caption(element);
  }
}

void ReadRankingElement(const Json& element, TableView& view) {
  if (element.at("name") == "Num") view.game_numbers = Lines(element);
}

}  // namespace

TableView ReadTableView(std::string_view dump_json) {
  TableView view;
  bool table_found = false;
  try {
    const Json dump = Json::parse(dump_json);
    for (const auto& window : dump.at("windows")) {
      const auto name = window.at("name").get<std::string>();
      if (name == "MainForm") {
        table_found = true;
        view.caption = window.at("caption").get<std::string>();
        view.minimized = window.at("minimized").get<bool>();
        for (const auto& element : window.at("elements")) ReadTableElement(element, view);
      } else if (name == "Score") {
        view.score_shown = window.value("visible", false);
        for (const auto& element : window.at("elements")) ReadScoreElement(element, view);
      } else if (name == "Hero") {
        for (const auto& element : window.at("elements")) ReadRankingElement(element, view);
      }
    }
  } catch (const Json::exception& error) {
    throw std::runtime_error(std::string("the client's dump cannot be read: ") + error.what());
  }
  if (!table_found) throw std::runtime_error("the client's dump has no table window");
  return view;
}

}  // namespace tlj::lobby_tool
