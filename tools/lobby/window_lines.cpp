#include "tools/lobby/window_lines.h"

#include <array>
#include <cstddef>

namespace tlj::lobby_tool {
namespace {

// The switches' pictures: a row's "off" button (the row is on), its "on" button, and the two
// table grounds.
constexpr int kOnPicture = 174;
constexpr int kOffPicture = 175;
constexpr int kFirstGroundPicture = 176;
constexpr int kSecondGroundPicture = 177;

constexpr std::array<const char*, 4> kRowNames = {"music", "end-of-game mute", "sound",
                                                  "table ground"};

std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : separator) + part;
  return text;
}

std::string SwitchText(const SoundSettings& settings, std::size_t row) {
  const std::string name = kRowNames[row];
  const std::optional<int> picture = settings.switches[row];
  if (!picture) return name + " blank";
  switch (*picture) {
    case kOnPicture:
      return name + " on";
    case kOffPicture:
      return name + " off";
    case kFirstGroundPicture:
      return name + " 1";
    case kSecondGroundPicture:
      return name + " 2";
    default:
      return name + " showing picture " + std::to_string(*picture);
  }
}

// "demo -317, 李白 7, ...": each name with its value.
std::string ByName(const std::array<std::string, 4>& names,
                   const std::array<std::string, 4>& values) {
  std::vector<std::string> parts;
  for (std::size_t pos = 0; pos < names.size(); ++pos)
    parts.push_back(names[pos] + " " + values[pos]);
  return Joined(parts, ", ");
}

}  // namespace

std::string ScoreSheetLine(const TableView& view) {
  std::vector<std::string> column;
  for (const auto* list : {&view.scores[0], &view.scores[4]}) {
    for (const std::string& line : *list)
      if (!line.empty()) column.push_back(line);
  }
  const std::vector<std::string> names(view.score_names.begin(), view.score_names.end());
  return "score sheet: columns " + Joined(names, ", ") + "; " + view.score_names[0] +
         "'s column: " + (column.empty() ? "empty" : Joined(column, " / "));
}

std::string RankingLine(const Ranking& ranking) {
  const std::size_t games = ranking.games.size();
  std::array<std::string, 4> last;
  for (std::size_t pos = 0; pos < last.size(); ++pos)
    last[pos] = ranking.grades[pos].empty() ? "-" : ranking.grades[pos].back();
  return "ranking: " + std::to_string(games) + (games == 1 ? " game" : " games") + "; totals " +
         ByName(ranking.names, ranking.totals) + "; last game " + ByName(ranking.names, last);
}

// The picture after a click tells the switch as it is; the one a window opens with may not (a
// switch that the client turned off, for want of a sound device, still shows "on").
std::string SettingsLine(const SoundSettings& opened, const SoundSettings& switched,
                         const SoundSettings& cancelled, int row) {
  std::vector<std::string> switches;
  for (std::size_t k = 0; k < kRowNames.size(); ++k) switches.push_back(SwitchText(opened, k));
  const auto r = static_cast<std::size_t>(row);
  std::string line = "settings: " + Joined(switches, ", ") + "; " + SwitchText(switched, r) +
                     " then cancel: " + SwitchText(cancelled, r);
  if (cancelled.switches[r] == switched.switches[r]) return line + " (not switched back)";
  if (cancelled.switches[r] == opened.switches[r]) return line + " again";
  return line + ", as it was (the window opened showing " + SwitchText(opened, r) + ")";
}

std::string PlayerLine(const PlayerCard& card) {
  const auto& v = card.values;
  return "player " + v[0] + ": " + v[1] + ", " + v[2] + ", points " + v[3] + ", credit " + v[4] +
         ", logins " + v[5] + ", drops " + v[6] + ", wins " + v[7] + ", losses " + v[8];
}

std::string LeaveDialogLine(const LeaveDialog& dialog) {
  std::vector<std::string> shown;
  for (std::size_t k = 0; k < dialog.lines.size(); ++k)
    if (dialog.lines_shown[k]) shown.push_back(dialog.lines[k]);
  const bool warned = dialog.lines_shown[1] || dialog.lines_shown[2];
  return "leave dialog: " + Joined(shown, " ") + (warned ? "" : " (no warning)");
}

}  // namespace tlj::lobby_tool
