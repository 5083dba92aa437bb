#pragma once
// What the lobby looks at in a dump of the client: the table window's caption, state and status
// lines, and what a player at the table would read off it to play: the turn controls, the
// cards, the seats and the score sheet.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tlj::lobby_tool {

struct TableView {
  std::string caption;
  bool minimized = false;
  std::vector<std::string> status_lines[2];  // the lines of Sysmsg(0) and Sysmsg(1)

  bool bet_button_shown = false;       // Operation(1) visible and enabled: the user's turn
  bool hot_pot_key_enabled = false;    // ImgNum(12)
  std::string min_bet;                 // lblMin
  std::string max_bet;                 // lblMax
  std::string pot;                     // lblCaiChi
  std::vector<int> face_up_cards;      // pictures of the visible card images showing a face
  std::array<std::string, 4> players;  // Nid(0..3), the user first

  bool score_shown = false;                        // the Score window
  std::array<std::string, 4> score_names;          // Score.ID(0..3)
  std::array<std::vector<std::string>, 8> scores;  // Score.State(0..7)
  std::vector<std::string> game_numbers;           // Hero.Num: one line per finished game

  std::string advert;                   // the advertisement panel's address while it shows
  std::string notice;                   // the notice panel's address while it shows
  std::vector<std::string> chat_lines;  // the chat history, Talk.Text1
  std::array<std::string, 4> bubbles;   // the phrase of each seat's speech bubble while it shows
};

// Throws std::runtime_error when the text is no dump or has no table window.
TableView ReadTableView(std::string_view dump_json);

}  // namespace tlj::lobby_tool
