#pragma once
// How the demo plays the user's turns: what a cautious player would do with the two gate cards
// and the bounds the table shows, as the clicks that do it.

#include <optional>
#include <string>
#include <vector>

#include "tools/lobby/table_view.h"

namespace tlj::lobby_tool {

struct TurnAnswer {
  std::vector<std::string> commands;  // automation lines, in order
  std::string description;            // for the transcript, e.g. "bets 150 on ♠J ♥5"
};

// Nothing while the table does not offer the user a turn.
std::optional<TurnAnswer> AnswerTurn(const TableView& view);

// "♠J", "♥10", ... for a card picture of the full layout; "?" for any other picture.
std::string CardText(int picture);

}  // namespace tlj::lobby_tool
