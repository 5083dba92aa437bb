#include "core/lobby/leave.h"

#include <filesystem>

#include "core/model/button_indexes.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/channels.h"
#include "core/net/client_frames.h"
#include "core/net/connect.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/net/rings.h"
#include "core/platform/services.h"
#include "core/settings/local_files.h"
#include "core/view/action_buttons.h"
#include "core/view/animations.h"
#include "core/view/pot_panel.h"
#include "core/view/ready_button.h"
#include "core/view/shuffle_notice.h"
#include "core/view/table_windows.h"
#include "core/view/waits.h"
#include "core/view/window_state.h"

namespace tlj::lobby {
namespace {

// The position's entries in the ranking and score windows.
void ClearSeatInWindows(int pos) {
  view::EmptyInWindows(pos);
  model::ElOf("Hero", "Grade", pos).lines.clear();
  model::ElOf("Hero", "sunScore", pos).caption.clear();
  model::ElOf("Score", "State", pos).lines.clear();
  model::ElOf("Score", "State", pos + 4).lines.clear();
}

void ClearSeatViews() {
  for (int pos = 0; pos < 4; ++pos) {
    model::El("Tou", pos).picture.reset();
    model::El("Nid", pos).caption.clear();
    model::El("Cash", pos).caption.clear();
    model::El("Level", pos).caption.clear();
    model::El("Speak", pos).visible = false;
    model::El("OK", pos).visible = false;
    ClearSeatInWindows(pos);
  }
  model::ElOf("Hero", "Num").lines.clear();
  model::Win("Hero").visible = false;
  model::Win("Score").visible = false;
}

}  // namespace

void LeaveTable() {
  const net::Frame frame = net::BuildLeaveFrame(model::custom[0].seat);
  net::DisarmAllChannels();
  net::StopPump();
  net::EnableKeepAlive(false);
  if (net::SocketConnected()) platform::Sys().socket->SendData(frame);
  view::WaitSeconds(net::Reconnected ? 0.8 : 0.4);
  view::HideShuffleNotice();
}

void LeaveTableIfConnected() {
  if (!net::SocketConnected()) return;
  net::DisarmChannel(net::kLinkWatchChannel);
  LeaveTable();
}

void ReturnToIdle() {
  auto& sys = platform::Sys();
  net::HandInProgress = false;
  model::g_bBtnLocked[model::kReadyButton] = true;
  net::DisarmAllChannels();
  net::StopPump();
  net::EnableKeepAlive(false);
  model::ClearSysmsg(0);
  model::ClearSysmsg(1);
  sys.socket->Close();
  net::LoginPending = false;
  sys.loop->ProcessEventsUntil(platform::kForever, [] { return !net::SocketConnected(); });
  ClearSeatViews();
  std::error_code ignored;
  std::filesystem::remove(sys.app_dir / settings::kRecordFile, ignored);
  view::DeleteAllCoins();
  model::ElOf("Talk", "Text1").lines.clear();
  net::ResetRings();
  model::SetIdleTableValues();
  view::ZeroPotPanel();
  view::MinimizeMainForm();
  model::SetIdleTurnValues();
  // A turn left unanswered is over: its buttons would send a bet the new link has no seat for.
  view::HideActionButtons();
  model::Unload("frmOtherExit");
  model::Unload("frmExit");
  view::ShowStartOnReadyButton();
}

}  // namespace tlj::lobby
