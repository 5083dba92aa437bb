#include "tools/lobby/table_view.h"

#include <stdexcept>

#include "tools/lobby/dump_elements.h"

namespace tlj::lobby_tool {
namespace {

constexpr int kCardBack = 18;

using dump::Json;

void ReadTableElement(const Json& element, TableView& view) {
  const std::string name = dump::Name(element);
  const int index = dump::IndexOf(element);
  const std::string caption = dump::Caption(element);
  if (name == "Sysmsg" && (index == 0 || index == 1)) {
    view.status_lines[index] = dump::Lines(element);
  } else if (name == "Operation" && index == 1) {
    view.bet_button_shown = dump::Shown(element);
  } else if (name == "ImgNum" && index == 12) {
    view.hot_pot_key_enabled = element.value("enabled", true);
  } else if (name == "lblMin") {
    view.min_bet = caption;
  } else if (name == "lblMax") {
    view.max_bet = caption;
  } else if (name == "lblCaiChi") {
    view.pot = caption;
  } else if (name == "Nid" && dump::Within(index, view.players.size())) {
    view.players[static_cast<std::size_t>(index)] = caption;
  } else if (name == "WebBrowser1" && dump::Visible(element) &&
             !element.value("page", std::string()).empty()) {
    view.advert = element.value("url", std::string());
  } else if (name == "WebBrowser2" && dump::Visible(element) &&
             !element.value("page", std::string()).empty()) {
    view.notice = element.value("url", std::string());
  } else if (name == "imgDiPai" && dump::Visible(element)) {
    const auto picture = dump::Picture(element);
    if (picture && *picture != kCardBack) view.face_up_cards.push_back(*picture);
  }
}

void ReadScoreElement(const Json& element, TableView& view) {
  const std::string name = dump::Name(element);
  const int index = dump::IndexOf(element);
  if (name == "State" && dump::Within(index, view.scores.size())) {
    view.scores[static_cast<std::size_t>(index)] = dump::Lines(element);
  } else if (name == "ID" && dump::Within(index, view.score_names.size())) {
    view.score_names[static_cast<std::size_t>(index)] = dump::Caption(element);
  }
}

// A bubble counts while its window shows on the screen with a phrase.
void ReadBubble(const std::string& name, const Json& window, TableView& view) {
  const int seat = name.back() - '0';
  if (!dump::Within(seat, view.bubbles.size()) || !dump::WindowVisible(window)) return;
  if (window.value("left", 0.0) < 0 || window.value("top", 0.0) < 0) return;
  for (const auto& element : window.at("elements")) {
    if (dump::Name(element) == "labPhrase")
      view.bubbles[static_cast<std::size_t>(seat)] = dump::Caption(element);
  }
}

void ReadRankingElement(const Json& element, TableView& view) {
  if (dump::Name(element) == "Num") view.game_numbers = dump::Lines(element);
}

}  // namespace

TableView ReadTableView(std::string_view dump_json) {
  TableView view;
  bool table_found = false;
  dump::ForEachWindow(dump_json, [&](const std::string& name, const Json& window) {
    if (name == "MainForm") {
      table_found = true;
      view.caption = window.at("caption").get<std::string>();
      view.minimized = window.at("minimized").get<bool>();
      for (const auto& element : window.at("elements")) ReadTableElement(element, view);
    } else if (name == "Score") {
      view.score_shown = dump::WindowVisible(window);
      for (const auto& element : window.at("elements")) ReadScoreElement(element, view);
    } else if (name == "Hero") {
      for (const auto& element : window.at("elements")) ReadRankingElement(element, view);
    } else if (name == "Talk") {
      for (const auto& element : window.at("elements"))
        if (dump::Name(element) == "Text1") view.chat_lines = dump::Lines(element);
    } else if (name.starts_with("speak") && name.size() == 6) {
      ReadBubble(name, window, view);
    }
  });
  if (!table_found) throw std::runtime_error("the client's dump has no table window");
  return view;
}

}  // namespace tlj::lobby_tool
