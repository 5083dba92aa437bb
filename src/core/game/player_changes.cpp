#include "core/game/player_changes.h"

#include <optional>
#include <string>

#include "core/game/ready_countdown.h"
#include "core/game/table_model.h"
#include "core/lobby/leave.h"
#include "core/model/button_indexes.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/frame_fields.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/services.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/ready_button.h"
#include "core/view/shuffle_caption.h"
#include "core/view/shuffle_notice.h"
#include "core/view/table_windows.h"
#include "core/view/waits.h"
#include "core/view/window_state.h"

namespace tlj::game {
namespace {

bool OthersReady() {
  for (int pos = 1; pos <= 3; ++pos)
    if (!model::El("OK", pos).visible) return false;
  return true;
}

// All four players are ready: the table is cleared for the next game and the game is armed.
void ArmGame() {
  view::ResetTableView();
  ResetGameState();
  model::g_bGameStarted = true;
}

void ShowAndFront(const char* name, int pos) {
  auto& e = model::El(name, pos);
  e.visible = true;
  model::BringToFront(e);
}

void HideShuffleNoticeIfShown() {
  if (view::ShuffleCaptionRunning() || model::El("LblShuffle").visible || model::g_bShufflePending)
    view::HideShuffleNotice();
  model::El("WebBrowser2").visible = false;
}

// The table window comes up for the first game, restored like any other way back: the lobby
// goes down and a hidden mode left from an earlier stay ends. It takes the focus, so the user
// can type at once.
void BringUpTable() {
  model::Win().visible = true;
  view::RestoreMainForm();
  view::ActivateMainForm();
}

void ShowArrivalOnTable(int pos, const model::PlayerProfile& p, int avatar) {
  view::ShowAvatar(model::El("Tou", pos), avatar);
  auto& nid = model::El("Nid", pos);
  nid.caption = "[" + p.tag + "] " + p.nick;
  ShowCoins(pos, p.coins);
  auto& level = model::El("Level", pos);
  level.caption = p.title;
  model::BringToFront(nid);
  model::BringToFront(model::El("Cash", pos));
  model::BringToFront(level);
}

void ShowArrivalInWindows(int pos, const model::PlayerProfile& p, int avatar) {
  for (const char* window : {"Score", "Hero"}) {
    model::ElOf(window, "ID", pos).caption = p.nick;
    view::ShowAvatar(model::ElOf(window, "Tou", pos), avatar);
  }
}

// The leaving player's account name; nothing for a frame that cannot name anyone: at an
// anti-cheat table the first character is sent one code higher, so a first byte of 0 there
// would stand for a character below code 0.
std::optional<std::string> LeavingName(const net::Frame& message) {
  net::Frame name = message;
  if (message[net::player_left::kAntiCheatAt] == 1) {
    if (message[net::player_left::kNameAt] == 0) return std::nullopt;
    --name[net::player_left::kNameAt];
  }
  return net::ReadByteText(name, net::player_left::kNameAt, net::player_left::kNameSize);
}

std::string TimeText() {
  const platform::TimeOfDay t = platform::Sys().time_of_day();
  return std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" + std::to_string(t.second);
}

void EmptyLeavingSeat(int pos) {
  model::g_bGameStarted = false;
  --model::g_iPlayerCount;
  for (const char* name : {"Nid", "Cash", "Level"}) model::El(name, pos).caption.clear();
  model::ClearSysmsg(0);
  model::AddSysmsg(0, model::profile[pos].nick + "退出了游戏 " + TimeText());
  model::ClearSysmsg(1);
  ClearSeat(pos);
  view::RemovePicture(model::ElOf("Hero", "Tou", pos));
  model::ElOf("Hero", "ID", pos).caption.clear();
}

// A player left during a hand: the hand is over and the countdown to the next game starts.
void StartReadyCountdownAfterDeparture(const net::Frame& message) {
  model::g_bTimeLimit = false;
  model::g_bBtnLocked[model::kReadyButton] = false;
  net::HandInProgress = false;
  model::g_bGameStarted = false;
  if (model::g_bSpectator) return;
  const std::int16_t seconds = model::g_bHidden                               ? 1
                               : message[net::player_left::kShortWaitAt] == 1 ? 10
                                                                              : 15;
  game::StartReadyCountdown(seconds, model::kBlack);
}

// The length of the notice text of type 22 (bytes 16..215): one more when a lead byte in the
// field's last byte takes the byte after the field as its second half.
std::size_t NoticeSize(const net::Frame& message) {
  using net::removed::kNoticeAt;
  using net::removed::kNoticeSize;
  std::size_t j = 0;
  while (j < kNoticeSize && message[kNoticeAt + j] != 0)
    j += message[kNoticeAt + j] >= 0x80 ? 2 : 1;
  return j > kNoticeSize ? kNoticeSize + 1 : kNoticeSize;
}

}  // namespace

int ReadyBadgeClass(double coins) {
  if (coins < 20000) return 0;
  if (coins < 60000) return 1;
  return 2;
}

void HandlePlayerArrives(const net::Frame& message) {
  HideShuffleNoticeIfShown();
  model::g_bReturnToLobby = false;
  const std::string account = net::ReadByteText(message, net::player_arrives::kAccountAt,
                                                net::player_arrives::kAccountSize);
  ++model::g_iJoinCount;
  if (model::custom[0].seat == 0) model::custom[0].seat = message[net::kSeatAt] & 15;
  const int pos = ScreenPos(message[net::player_arrives::kSeatAt]);
  if (pos == 0) model::g_bBtnLocked[model::kReadyButton] = false;

  if (model::g_iPlayerCount++ == 3 && !model::g_bHandPlayed) BringUpTable();
  model::custom[pos].name = account;
  if (pos != 0) model::custom[pos].seat = message[net::player_arrives::kSeatAt] & 15;
  model::profile[pos] = ParseProfile(message);
  const model::PlayerProfile& p = model::profile[pos];

  auto& badge = model::El("OK", pos);
  view::LoadGifResource(view::ReadyImageIds[static_cast<std::size_t>(ReadyBadgeClass(p.coins))],
                        "GIF", badge);
  if (message[net::player_arrives::kReadyAt] == 1) ShowAndFront("OK", pos);

  if (model::g_bHandPlayed && OthersReady()) {
    view::ShowContinueOnReadyButton();
    model::g_bBtnLocked[model::kReadyButton] = true;
    ArmGame();
  }

  const int avatar = AvatarIndex(p.face);
  model::ScoreTouTag[pos] = std::to_string(avatar);
  ShowArrivalOnTable(pos, p, avatar);
  ShowArrivalInWindows(pos, p, avatar);
  model::g_tInfo[pos] = {p.nick, avatar};

  if (model::g_iPlayerCount == 4 && !model::g_bGameStarted) {
    ArmGame();
    model::ClearSysmsg(0);
    model::AddSysmsg(0, "游戏将在15秒内开始");
  }
  if (model::g_iJoinCount == 3) {
    model::g_iJoinCount = 4;
    model::g_bBtnLocked[model::kScoreButton] = false;
    model::g_bBtnLocked[model::kRankingButton] = false;
  }
}

void HandlePlayerLeft(const net::Frame& message) {
  const std::optional<std::string> name = LeavingName(message);
  if (!name) return;
  view::HideShuffleNotice();
  if (*name == model::custom[0].name) platform::EndProcess(0);
  for (int pos = 1; pos <= 3; ++pos)
    if (!name->empty() && *name == model::custom[pos].name) EmptyLeavingSeat(pos);
  if (model::g_bTimeLimit) StartReadyCountdownAfterDeparture(message);
  if (!net::KeepAliveEnabled()) net::EnableKeepAlive(true);
  if (model::g_bSpectator) {
    platform::ShowMessageBox(model::kProgramTitle, "有用户退出，旁观结束！");
    platform::EndProcess(0);
  }
}

void HandleRemoved(const net::Frame& message) {
  net::HandInProgress = false;
  if (!model::g_bHidden) model::Win("Hero").visible = true;
  view::PauseSeconds(2);
  model::ElOf("frmOtherExit", "Label1").caption =
      net::ReadAnsiText(message, net::removed::kNoticeAt, NoticeSize(message));
  view::ShowOtherExit();
  lobby::LeaveTable();
}

void HandlePlayerReady(const net::Frame& message) {
  if (message[net::kStatusAt] != net::player_ready::kReady) return;
  const std::string name =
      net::ReadByteText(message, net::player_ready::kNameAt, net::player_ready::kNameSize);
  for (int pos = 0; pos < 4; ++pos) {
    if (!model::El("Nid", pos).caption.empty() && model::custom[pos].name == name)
      ShowAndFront("OK", pos);
  }
  if (!model::g_bHandPlayed && OthersReady()) ArmGame();
}

void ClearSeat(int pos) {
  model::El("OK", pos).visible = false;
  view::RemovePicture(model::El("Tou", pos));
  model::custom[pos].name.clear();
  model::PlayerProfile& p = model::profile[pos];
  p.nick.clear();
  p.face.clear();
  p.area.clear();
  p.title.clear();
  p.sex = 0;
  p.points = p.credit = p.coins = 0;
  p.extra1 = p.extra2 = p.extra3 = p.extra4 = 0;
  p.logins = p.drops = p.wins = p.losses = 0;
}

}  // namespace tlj::game
