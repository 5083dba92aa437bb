#include "tools/lobby/small_windows.h"

#include "tools/lobby/dump_elements.h"

namespace tlj::lobby_tool {
namespace {

using dump::Json;

// The member `index` of `array`, or nothing when the index is outside it.
template <typename T, std::size_t N>
T* Member(std::array<T, N>& array, int index) {
  return dump::Within(index, N) ? &array[static_cast<std::size_t>(index)] : nullptr;
}

void ReadRanking(const Json& element, Ranking& ranking) {
  const std::string name = dump::Name(element);
  const int index = dump::IndexOf(element);
  if (name == "Num") {
    ranking.games = dump::Lines(element);
  } else if (name == "ID") {
    if (auto* id = Member(ranking.names, index)) *id = dump::Caption(element);
  } else if (name == "Grade") {
    if (auto* grade = Member(ranking.grades, index)) *grade = dump::Lines(element);
  } else if (name == "sunScore") {
    if (auto* total = Member(ranking.totals, index)) *total = dump::Caption(element);
  }
}

void ReadSettings(const Json& element, SoundSettings& settings) {
  if (dump::Name(element) != "Command2") return;
  if (auto* picture = Member(settings.switches, dump::IndexOf(element)))
    *picture = dump::Picture(element);
}

void ReadPlayerCard(const Json& element, PlayerCard& card) {
  if (dump::Name(element) != "Inf") return;
  if (auto* value = Member(card.values, dump::IndexOf(element))) *value = dump::Caption(element);
}

void ReadLeaveDialog(const Json& element, LeaveDialog& dialog) {
  const std::string name = dump::Name(element);
  for (std::size_t k = 0; k < dialog.lines.size(); ++k) {
    if (name != "Label" + std::to_string(k + 1)) continue;
    dialog.lines[k] = dump::Caption(element);
    dialog.lines_shown[k] = dump::Visible(element);
  }
}

template <typename Part>
void ReadWindow(const Json& window, Part& part, void (*read)(const Json&, Part&)) {
  part.shown = dump::WindowVisible(window);
  for (const auto& element : window.at("elements")) read(element, part);
}

}  // namespace

SmallWindows ReadSmallWindows(std::string_view dump_json) {
  SmallWindows windows;
  dump::ForEachWindow(dump_json, [&](const std::string& name, const Json& window) {
    if (name == "Hero") {
      ReadWindow(window, windows.ranking, ReadRanking);
    } else if (name == "VosSet") {
      ReadWindow(window, windows.settings, ReadSettings);
    } else if (name == "Information") {
      ReadWindow(window, windows.player_card, ReadPlayerCard);
    } else if (name == "frmExit") {
      ReadWindow(window, windows.leave_dialog, ReadLeaveDialog);
    }
  });
  return windows;
}

}  // namespace tlj::lobby_tool
