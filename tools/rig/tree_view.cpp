#include "tools/rig/tree_view.h"

#include "core/game/cards.h"

namespace tlj::rig {
namespace {

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
    view.status_lines[line] = Lines(tree.Find("MainForm", "Sysmsg", line));
  const auto* bet = tree.Find("MainForm", "Operation", 1);
  view.bet_button_shown = bet != nullptr && bet->visible && bet->enabled;
  const auto* hot_pot = tree.Find("MainForm", "ImgNum", 12);
  view.hot_pot_key_enabled = hot_pot != nullptr && hot_pot->enabled;
  view.min_bet = Caption(tree.Find("MainForm", "lblMin"));
  view.max_bet = Caption(tree.Find("MainForm", "lblMax"));
  view.pot = Caption(tree.Find("MainForm", "lblCaiChi"));
  for (int i = 0; i < game::kCardImages; ++i) {
    const auto* card = tree.Find("MainForm", "imgDiPai", i);
    if (card != nullptr && card->visible && card->picture && *card->picture != game::kCardBack)
      view.face_up_cards.push_back(*card->picture);
  }
  for (int pos = 0; pos < 4; ++pos) {
    view.players[static_cast<std::size_t>(pos)] = Caption(tree.Find("MainForm", "Nid", pos));
    view.score_names[static_cast<std::size_t>(pos)] = Caption(tree.Find("Score", "ID", pos));
  }
  for (int j = 0; j < 8; ++j)
    view.scores[static_cast<std::size_t>(j)] = Lines(tree.Find("Score", "State", j));
  const auto* score = tree.FindWin("Score");
  view.score_shown = score != nullptr && score->visible;
  view.game_numbers = Lines(tree.Find("Hero", "Num"));
  return view;
}

}  // namespace tlj::rig
