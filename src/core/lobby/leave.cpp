#include "core/lobby/leave.h"

#include <filesystem>

#include "core/actions/betting_state.h"
#include "core/actions/button_state.h"
#include "core/game/pot_panel.h"
#include "core/game/score_sheet.h"
#include "core/game/shuffle_state.h"
#include "core/game/table_model.h"
#include "core/game/table_windows.h"
#include "core/lobby/lobby_ops.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/net/rings.h"
#include "core/platform/services.h"
#include "core/view/animations.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/shuffle_caption.h"
#include "core/view/ui.h"
#include "core/view/waits.h"
#include "core/view/window_state.h"

namespace tlj::lobby {
namespace {

bool SocketConnected() {
  return platform::Sys().socket->State() == platform::SocketState::Connected;
}

// The position's entries in the ranking and score windows, and its running total.
void ClearSeatInWindows(int pos) {
  game::EmptyInWindows(pos);
  view::ElOf("Hero", "Grade", pos).lines.clear();
  view::ElOf("Hero", "sunScore", pos).caption.clear();
  view::ElOf("Score", "State", pos).lines.clear();
  view::ElOf("Score", "State", pos + 4).lines.clear();
  game::g_dTotalScore[static_cast<std::size_t>(pos)] = 0;
}

void ClearSeatViews() {
  for (int pos = 0; pos < 4; ++pos) {
    view::El("Tou", pos).picture.reset();
    view::El("Nid", pos).caption.clear();
    view::El("Cash", pos).caption.clear();
    view::El("Level", pos).caption.clear();
    game::custom[pos] = {};
    game::profile[pos] = {};
    view::El("Speak", pos).visible = false;
    view::El("OK", pos).visible = false;
    ClearSeatInWindows(pos);
  }
  view::ElOf("Hero", "Num").lines.clear();
  view::Win("Hero").visible = false;
  view::Win("Score").visible = false;
}

}  // namespace

void LeaveTable() {
  net::Frame frame{};
  frame[net::kTypeAt] = net::kTypeEndOfHand;
  frame[net::kSeatAt] = game::custom[0].seat;
  net::DisarmAllChannels();
  net::StopPump();
  net::EnableKeepAlive(false);
  if (SocketConnected()) platform::Sys().socket->SendData(frame);
  view::WaitSeconds(net::Reconnected ? 0.8 : 0.4);
  view::El("LblShuffle").visible = false;
  view::El("ImgShuffle").visible = false;
  view::El("WebBrowser2").visible = false;
  view::StopShuffleCaption();
  game::g_bShufflePending = false;
  game::g_bShuffleShown = false;
}

void ReturnToIdle() {
  auto& sys = platform::Sys();
  net::HandInProgress = false;
  game::g_bBtnLocked[2] = true;
  net::DisarmAllChannels();
  net::StopPump();
  net::EnableKeepAlive(false);
  view::ClearSysmsg(0);
  view::ClearSysmsg(1);
  sys.socket->Close();
  net::LoginPending = false;
  sys.loop->ProcessEventsUntil(platform::kForever, [&sys] {
    return sys.socket->State() != platform::SocketState::Connected;
  });
  ClearSeatViews();
  std::error_code ignored;
  std::filesystem::remove(sys.app_dir / "info.xh", ignored);
  view::DeleteAllCoins();
  view::ElOf("Talk", "Text1").lines.clear();
  net::ResetRings();
  game::g_iPlayerCount = 0;
  game::juNum = 0;
  game::ZeroPotPanel();
  view::MinimizeMainForm();
  actions::g_iTimeoutCount = 0;
  actions::g_bAway = false;
  view::Win("frmOtherExit").visible = false;
  view::Win("frmExit").visible = false;
  view::LoadGifResource(view::ButtonImageIds[4], "GIF", view::El("AnNiu", 2));
  actions::g_bFirstStart = true;
}

void GiveUpTable() {
  view::MinimizeMainForm();
  RestoreLobby();
  game::g_bGameStarted = false;
  ReturnToIdle();
  game::ResetGameState();
  view::ResetTableView();
}

}  // namespace tlj::lobby
