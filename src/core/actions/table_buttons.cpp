#include "core/actions/table_buttons.h"

#include "core/actions/betting_state.h"
#include "core/actions/button_state.h"
#include "core/actions/hover.h"
#include "core/actions/third_card.h"
#include "core/game/shuffle_notice.h"
#include "core/game/table_model.h"
#include "core/lobby/leave.h"
#include "core/lobby/lobby_ops.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/services.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/ui.h"
#include "core/view/window_state.h"

namespace tlj::actions {
namespace {

constexpr int kReadyButton = 2;
constexpr int kHideButton = 4;
constexpr int kRankingButton = 6;
constexpr int kLeaveButton = 8;
constexpr int kButtons = 9;
constexpr std::uint8_t kReadyStatus = 1;

void Hide(std::string_view window) {
  view::Win(window).visible = false;
}

void Toggle(std::string_view window) {
  auto& w = view::Win(window);
  w.visible = !w.visible;
}

void QueueReady() {
  net::Frame ready{};
  ready[net::kTypeAt] = net::kTypeEndOfHand;
  ready[net::kSeatAt] = game::custom[0].seat;
  ready[net::kStatusAt] = kReadyStatus;
  net::QueueFrame(ready);
}

// The user closed the notice of another player's leaving with "cancel": this click takes the
// client to the lobby first.
void GoToLobby() {
  g_bReturnToLobby = false;
  net::StopPump();
  Hide("frmOtherExit");
  game::g_bGameStarted = false;
  lobby::ReturnToIdle();
  game::ResetGameState();
  view::ResetTableView();
  if (!lobby::LobbyWindowExists()) platform::EndProcess(0);
  view::MinimizeMainForm();
  lobby::RestoreLobby();
}

void Ready() {
  g_bFirstStart = false;
  if (game::g_bBtnLocked[kReadyButton]) return;
  view::LoadGifResource(view::ButtonImageIds[6], "GIF", view::El("AnNiu", kReadyButton));
  auto& badge = view::El("OK", 0);
  badge.visible = true;
  view::BringToFront(badge);
  net::DisarmChannel(net::kReadyCountdownChannel);
  view::HideClock();
  game::g_bBtnLocked[kReadyButton] = true;

  const bool went_idle = g_bReturnToLobby;
  if (went_idle) GoToLobby();
  if (!game::g_bGameStarted) {
    view::ResetTableView();
    game::ResetGameState(true);
    game::g_bGameStarted = true;
  }
  // Once idle there is no table to be ready at: a frame queued now would wait in the send ring
  // and go out on the next connection ahead of its login.
  if (!net::HandInProgress && !went_idle) QueueReady();
  game::ShowPendingShuffleNotice();
  Hide("Score");
  Hide("Hero");
}

void HideTableWindows() {
  view::MinimizeMainForm();
  for (const char* window : {"Hero", "Score", "Talk", "VosSet", "huifu", "ChuPai"}) Hide(window);
}

void ToggleLeaveDialog() {
  auto& dialog = view::Win("frmExit");
  if (dialog.visible) {
    dialog.visible = false;
    return;
  }
  const auto& table = view::Win();
  dialog.top = table.top + (table.height - dialog.height) / 2;
  dialog.left = table.left + (table.width - dialog.width) / 2;
  view::ElOf("frmExit", "Label2").visible = net::HandInProgress && !game::g_bSpectator;
  dialog.visible = true;
}

// Input reaches only elements that exist, show and are enabled, as a window system delivers it.
bool Reachable(const platform::ElementEvent& event) {
  const platform::Element* e = platform::Sys().ui->Find(event.window, event.name, event.index);
  return e != nullptr && e->visible && e->enabled;
}

void OnIndexed(std::string_view name, platform::EventKind kind, void (*action)(int)) {
  platform::Sys().ui->On(view::kMainForm, name, kind, [action](const platform::ElementEvent& e) {
    if (e.index && Reachable(e)) action(*e.index);
  });
}

void OnMove(std::string_view name, void (*action)()) {
  platform::Sys().ui->On(view::kMainForm, name, platform::EventKind::MouseMove,
                         [action](const platform::ElementEvent& e) {
                           if (Reachable(e)) action();
                         });
}

}  // namespace

void AnNiu_Click(int k) {
  switch (k) {
    case kReadyButton:
      Ready();
      break;
    case kHideButton:
      HideTableWindows();
      break;
    case kRankingButton:
      Hide("Score");
      Toggle("Hero");
      break;
    case kLeaveButton:
      ToggleLeaveDialog();
      break;
    default:
      break;
  }
}

void HideTable() {
  g_bAway = true;
  for (const char* window : {"Information", "Talk", "huifu", "VosSet", "frmExit", "Hero", "Score"})
    Hide(window);
  g_bHiddenTurns = true;
  game::g_bHidden = true;
  g_iDefaultCountdown = 0;
  view::MinimizeMainForm();
  lobby::MinimizeLobby();
}

void HookTableButtonEvents() {
  g_bBtnHover.fill(false);
  g_bReturnToLobby = false;
  using platform::EventKind;
  OnIndexed("AnNiu", EventKind::Click, [](int k) {
    if (k >= 0 && k < kButtons) AnNiu_Click(k);
  });
  OnIndexed("AnNiu", EventKind::MouseMove, AnNiu_MouseMove);
  OnIndexed("imgDiPai", EventKind::Click, imgDiPai_Click);
  OnMove("Pic1", Pic1_MouseMove);
  OnMove("imgDilan", imgDilan_MouseMove);
  OnMove("imgDinglan", imgDinglan_MouseMove);
}

}  // namespace tlj::actions
