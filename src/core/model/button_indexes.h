#pragma once
// The table's picture buttons AnNiu(0..8) by what they do. g_bBtnLocked and g_bBtnHover are
// indexed the same way.

namespace tlj::model {

enum TableButton : int {
  kSendChatButton = 0,
  kHistoryButton = 1,
  kReadyButton = 2,  // "start" before the first game, then "continue"
  kSettingsButton = 3,
  kHideButton = 4,
  kScoreButton = 5,
  kRankingButton = 6,
  kRulesButton = 7,
  kLeaveButton = 8,
};
inline constexpr int kTableButtons = 9;

}  // namespace tlj::model
