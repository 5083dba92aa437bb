#include "rig/tree_view.h"

namespace tlj::rig {
namespace {

constexpr int kCardBack = 18;
constexpr int kCardImages = 12;

const platform::Element* Find(const platform::ElementTree& tree, const char* window,
                              const char* name, std::optional<int> index = {}) {
  return tree.Find(window, name, index);
}

std::string Caption(const platform::Element* element) {
  return element != nullptr ? element->caption : std::string();
}

std::vector<std::string> Lines(const platform::Element* element) {
  return element != nullptr ? element->lines : std::vector<std::string>();
}

}  // namespace

lobby_tool::TableView ViewOfTree(const platform::ElementTree& tree) {
  lobby_tool::TableView view;
  if (const auto* form = tree.FindWin("MainForm")) {
    view.caption = form->caption;
    view.minimized = form->minimized;
  }
  for (int line = 0; line < 2; ++line)
    view.status_lines[line] = Lines(Find(tree, "MainForm", "Sysmsg", line));
  const auto* bet = Find(tree, "MainForm", "Operation", 1);
  view.bet_button_shown = bet != nullptr && bet->visible && bet->enabled;
  const auto* hot_pot = Find(tree, "MainForm", "ImgNum", 12);
  view.hot_pot_key_enabled = hot_pot != nullptr && hot_pot->enabled;
  view.min_bet = Caption(Find(tree, "MainForm", "lblMin"));
  view.max_bet = Caption(Find(tree, "MainForm", "lblMax"));
  view.pot = Caption(Find(tree, "MainForm", "lblCaiChi"));
  for (int i = 0; i < kCardImages; ++i) {
    const auto* card = Find(tree, "MainForm", "imgDiPai", i);
    if (card != nullptr && card->visible && card->picture && *card->picture != kCardBack)
      view.face_up_cards.push_back(*card->picture);
  }
  for (int pos = 0; pos < 4; ++pos) {
    view.players[static_cast<std::size_t>(pos)] = Caption(Find(tree, "MainForm", "Nid", pos));
    view.score_names[static_cast<std::size_t>(pos)] = Caption(Find(tree, "Score", "ID", pos));
  }
  for (int j = 0; j < 8; ++j)
    view.scores[static_cast<std::size_t>(j)] = Lines(Find(tree, "Score", "State", j));
  const auto* score = tree.FindWin("Score");
  view.score_shown = score != nullptr && score->visible;
  view.game_numbers = Lines(Find(tree, "Hero", "Num"));
  return view;
}

}  // namespace tlj::rig
