#include "core/actions/table_buttons.h"

#include "core/actions/going_idle.h"
#include "core/chat/receive.h"
#include "core/chat/send.h"
#include "core/game/login_reply.h"
#include "core/game/score_sheet.h"
#include "core/game/table_model.h"
#include "core/model/button_indexes.h"
#include "core/model/elements.h"
#include "core/model/lobby_window.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/channels.h"
#include "core/net/client_frames.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/services.h"
#include "core/view/layout.h"
#include "core/view/ready_button.h"
#include "core/view/shuffle_notice.h"
#include "core/view/table_windows.h"
#include "core/view/window_state.h"

namespace tlj::actions {
namespace {

void Hide(std::string_view window) {
  model::Win(window).visible = false;
}

void Toggle(std::string_view window) {
  auto& w = model::Win(window);
  w.visible = !w.visible;
}

// The user closed the notice of another player's leaving with "cancel": this click takes the
// client to the lobby first.
void GoToLobby() {
  model::g_bReturnToLobby = false;
  net::StopPump();
  Hide("frmOtherExit");
  GoIdle();
  BackToTheLobby();
}

void Ready() {
  model::g_bFirstStart = false;
  if (model::g_bBtnLocked[model::kReadyButton]) return;
  view::ShowContinueOnReadyButton();
  auto& badge = model::El("OK", 0);
  badge.visible = true;
  model::BringToFront(badge);
  net::DisarmChannel(net::kReadyCountdownChannel);
  model::HideClock();
  model::g_bBtnLocked[model::kReadyButton] = true;

  const bool went_idle = model::g_bReturnToLobby;
  if (went_idle) GoToLobby();
  if (!model::g_bGameStarted) {
    view::ResetTableView();
    game::ResetGameState(true);
    model::g_bGameStarted = true;
  }
  // Once idle there is no table to be ready at: a frame queued now would wait in the send ring
  // and go out on the next connection ahead of its login.
  if (!net::HandInProgress && !went_idle)
    net::QueueFrame(net::BuildReadyFrame(model::custom[0].seat));
  view::ShowPendingShuffleNotice();
  Hide("Score");
  Hide("Hero");
}

void HideTableWindows() {
  view::MinimizeMainForm();
  for (const char* window : {"Hero", "Score", "Talk", "VosSet", "huifu", "ChuPai"}) Hide(window);
}

// Above the table's lower right corner.
void ToggleSettings() {
  auto& settings = model::Win("VosSet");
  if (settings.visible) {
    settings.visible = false;
    return;
  }
  const auto& table = model::Win();
  settings.top = table.height - 1.35 * settings.height;
  settings.left = table.width - 1.1 * settings.width;
  settings.visible = true;
}

void ToggleScoreSheet() {
  auto& sheet = model::Win("Score");
  if (sheet.visible) {
    sheet.visible = false;
    return;
  }
  game::ShowStoredSheet(model::juNum);
  sheet.visible = true;
}

void OpenRulesPage() {
  if (platform::Shell* shell = platform::Sys().shell)
    shell->OpenAddress(std::string("http://") + game::kPlatformWebSite + kRulesPage);
}

void ToggleLeaveDialog() {
  auto& dialog = model::Win("frmExit");
  if (dialog.visible) {
    dialog.visible = false;
    return;
  }
  view::CentreOverMainForm("frmExit");
  model::ElOf("frmExit", "Label2").visible = net::HandInProgress && !model::g_bSpectator;
  dialog.visible = true;
}

}  // namespace

void AnNiu_Click(int k) {
  switch (k) {
    case model::kSendChatButton:
      chat::SendChat(true);
      break;
    case model::kHistoryButton:
      chat::ToggleHistory();
      break;
    case model::kReadyButton:
      Ready();
      break;
    case model::kSettingsButton:
      ToggleSettings();
      break;
    case model::kHideButton:
      HideTableWindows();
      break;
    case model::kScoreButton:
      ToggleScoreSheet();
      break;
    case model::kRankingButton:
      Hide("Score");
      Toggle("Hero");
      break;
    case model::kRulesButton:
      OpenRulesPage();
      break;
    case model::kLeaveButton:
      ToggleLeaveDialog();
      break;
    default:
      break;
  }
}

void HideTable() {
  model::g_bAway = true;
  model::Unload("Information");
  Hide("Talk");
  Hide("huifu");
  model::Unload("VosSet");
  model::Unload("frmExit");
  Hide("Hero");
  Hide("Score");
  model::g_bHiddenTurns = true;
  model::g_bHidden = true;
  model::g_iDefaultCountdown = 0;
  view::MinimizeMainForm();
  model::MinimizeLobby();
}

}  // namespace tlj::actions
