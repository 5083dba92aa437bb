#pragma once
// The record file "info.xh" beside the program: one section "juNum:N" per finished game with
// the players' names and avatars and the eight result lists of the score window.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/model/table_state.h"

namespace tlj::game {

// A game's sheet as the record file holds it.
struct StoredSheet {
  std::array<std::string, 4> names;
  std::array<std::optional<int>, 4> pictures;  // avatar indexes; none where the key is empty
  // The lists Score.State(0..) up to the first one whose line count is missing or unreadable;
  // an empty line comes back as one blank.
  std::vector<std::vector<std::string>> lists;
};

// A position no player has taken (no nickname) has no avatar index.
bool HasPicIndex(const model::InfoEntry& info);

// Writes game n's section from g_tInfo and the score window's lists.
void WriteGameRecord(int n);
StoredSheet ReadGameRecord(int n);

}  // namespace tlj::game
