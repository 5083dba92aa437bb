#include "core/game/end_commands.h"

#include "core/game/player_changes.h"
#include "core/game/score_sheet.h"
#include "core/game/table_model.h"
#include "core/lobby/leave.h"
#include "core/model/button_indexes.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/channels.h"
#include "core/net/frame_fields.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/net/rings.h"
#include "core/platform/services.h"
#include "core/view/animated_pot.h"
#include "core/view/animations.h"
#include "core/view/layout_place.h"
#include "core/view/shuffle_notice.h"
#include "core/view/table_windows.h"
#include "core/view/waits.h"

namespace tlj::game {
namespace {

using view::layout::Scaled;

// The countdown goes to the left edge and the seat-change notice beside it.
void PlaceCountdownAndNotice() {
  auto& clock = model::El("Time_Img");
  auto& number = model::El("Number");
  view::layout::MoveTo(clock, 55, 365);
  number.left = clock.left + Scaled(48);
  number.top = clock.top + Scaled(5);
  auto& image = model::El("ImgShuffle");
  auto& label = model::El("LblShuffle");
  auto& panel = model::El("WebBrowser2");
  image.left = clock.left + clock.width + Scaled(6);
  image.top = number.top + Scaled(2);
  label.left = image.left;
  label.top = image.top + Scaled(6);
  panel.left = image.left;
  panel.top = image.top + image.height;
  panel.width = image.width;
  panel.height = 2 * image.height;
}

void EndHand(const net::Frame& message) {
  if (!model::g_bTimeLimit) return;
  model::g_bTimeLimit = false;
  if (model::g_bSpectator) return;
  if (message[net::end_of_hand::kShuffleAfterGameAt] == 1) model::g_bShuffleNext = true;
  PlaceCountdownAndNotice();
  model::g_bShufflePending = true;
  if (message[net::end_of_hand::kShowShuffleNowAt] == 1) view::ShowShuffleNotice();
}

// The table is lost for lack of coins: the link goes, the seats are emptied and the notice
// window stays up until the user answers it.
void LoseTable() {
  model::g_bReturnToLobby = true;
  model::g_bBtnLocked[model::kReadyButton] = false;
  for (int p = 1; p <= 3; ++p) {
    ClearSeat(p);
    model::ClearSysmsg(0);
  }
  platform::Sys().socket->Close();
  view::PauseSeconds(2);
  model::juNum = 0;
  net::ResetRings();
  model::g_iPlayerCount = 0;
  view::ShowOtherExit();
}

void RemoveUser(const net::Frame& message) {
  view::CentreOverMainForm("Score");
  model::Win("Score").visible = true;
  model::ElOf("frmOtherExit", "Label1").caption =
      (message[net::end_of_hand::kOtherRoomSeatsAt] & model::custom[0].seat) != 0
          ? "您的金币不够，请更换房间或充值后继续游戏！"
          : "您的金币不够，请领取低保或充值后继续游戏！";
  if (!model::Win().minimized) view::ShowOtherExit();
  for (int p = 1; p <= 3; ++p) {
    if (model::custom[static_cast<std::size_t>(p)].name.empty()) continue;
    model::profile[static_cast<std::size_t>(p)].voiceKind.clear();
    model::g_bGameStarted = false;
    for (const char* name : {"Nid", "Cash", "Level"}) model::El(name, p).caption.clear();
    model::ClearSysmsg(0);
    ClearSeat(p);
    view::EmptyInWindows(p);
  }
  net::EnableKeepAlive(false);
  net::DisarmChannel(net::kReadyCountdownChannel);
  net::DisarmChannel(net::kLinkWatchChannel);
  net::HandInProgress = false;
  model::g_bGameStarted = false;
  LoseTable();
  lobby::LeaveTable();
}

void RemovePoorPlayers(const net::Frame& message) {
  view::HideShuffleNotice();
  for (int bit = 1; bit <= 8; bit <<= 1) {
    if ((message[net::kSeatAt] & bit) == 0) continue;
    const int pos = ScreenPos(static_cast<std::uint8_t>(bit));
    model::ClearSysmsg(0);
    model::AddSysmsg(
        0, "玩家" + model::profile[static_cast<std::size_t>(pos)].nick + "金币不够，退出游戏！");
    model::g_bGameStarted = false;
    net::HandInProgress = false;
    if (pos == 0) RemoveUser(message);
  }
  if (model::g_bSpectator) {
    platform::ShowMessageBox(model::kProgramTitle, "有用户退出，旁观结束！");
    platform::EndProcess(0);
  }
}

}  // namespace

void HandleEndOfHand(const net::Frame& message) {
  switch (message[net::kStatusAt]) {
    case net::end_of_hand::kHandEnded:
      EndHand(message);
      break;
    case net::end_of_hand::kNothing:
      break;
    case net::end_of_hand::kHidePanel:
      model::El("WebBrowser2").visible = false;
      break;
    default:
      RemovePoorPlayers(message);
      break;
  }
}

void HandleGameOver(const net::Frame& message) {
  for (const char* name : {"imghorn", "imgBuGuo", "Time_Img", "Number"})
    model::El(name).visible = false;
  view::HideAnimatedPot();
  net::DisarmChannel(net::kTurnCountdownChannel);
  for (int j = 0; j < 8; ++j) model::ElOf("Score", "State", j).lines.clear();
  view::DeleteAllCoins();
  ShowScoreSheet(message);
  model::g_iPlayerCount = 0;
}

}  // namespace tlj::game
