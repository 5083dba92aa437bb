#pragma once
// What the lobby reads off the client's small windows in a dump: the ranking window, the sound
// settings, the player information pop-up and the leave dialog. (The score sheet is part of the
// table view: the demo watches it to see a game end.)

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tlj::lobby_tool {

struct Ranking {  // Hero
  bool shown = false;
  std::vector<std::string> games;                  // Num: one line per finished game
  std::array<std::string, 4> names;                // ID(0..3)
  std::array<std::vector<std::string>, 4> grades;  // Grade(0..3): each game's result
  std::array<std::string, 4> totals;               // sunScore(0..3)
};

struct SoundSettings {  // VosSet
  bool shown = false;
  std::array<std::optional<int>, 4> switches;  // the pictures of Command2(0..3)
};

struct PlayerCard {  // Information
  bool shown = false;
  // Inf(0..8): nickname, sex, area, points, credit, logins, drops, wins, losses.
  std::array<std::string, 9> values;
};

struct LeaveDialog {  // frmExit
  bool shown = false;
  std::array<std::string, 3> lines;  // Label1..Label3: the question and the two warnings
  std::array<bool, 3> lines_shown{};
};

struct SmallWindows {
  Ranking ranking;
  SoundSettings settings;
  PlayerCard player_card;
  LeaveDialog leave_dialog;
};

// Throws std::runtime_error when the text is no dump.
SmallWindows ReadSmallWindows(std::string_view dump_json);

}  // namespace tlj::lobby_tool
