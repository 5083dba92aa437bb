#pragma once
// The transcript's account of the small windows, one line each, from what the dump shows.

#include <string>

#include "tools/lobby/small_windows.h"
#include "tools/lobby/table_view.h"

namespace tlj::lobby_tool {

// The row of the event sounds in the sound settings (music, end-of-game mute, sound, table
// ground, top to bottom).
inline constexpr int kSoundRow = 2;

// "score sheet: columns demo, 李白, ...; demo's column: 房间条数：0金币 / ... / 最终分：-317金币"
std::string ScoreSheetLine(const TableView& view);
// "ranking: 1 game; totals demo -317, 李白 7, ...; last game demo -317, 李白 7, ..."
std::string RankingLine(const Ranking& ranking);
// "settings: music on, ..., table ground 1; sound off then cancel: sound on again", from the
// window as opened, after the switch of `row` was clicked and after cancel.
std::string SettingsLine(const SoundSettings& opened, const SoundSettings& switched,
                         const SoundSettings& cancelled, int row);
// "player 李白: 男, 长安, points 1200, credit 100, logins 35, drops 1, wins 20, losses 18"
std::string PlayerLine(const PlayerCard& card);
// "leave dialog: 您真的要退出吗？ (no warning)", or the question and the warning shown.
std::string LeaveDialogLine(const LeaveDialog& dialog);

}  // namespace tlj::lobby_tool
