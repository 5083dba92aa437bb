#include "core/lobby/startup.h"

#include <exception>

#include "core/actions/betting.h"
#include "core/actions/betting_state.h"
#include "core/actions/button_state.h"
#include "core/actions/table_buttons.h"
#include "core/game/login_reply.h"
#include "core/game/score_sheet.h"
#include "core/game/shuffle_state.h"
#include "core/game/table_model.h"
#include "core/lobby/command_line.h"
#include "core/lobby/connect.h"
#include "core/lobby/leave_dialogs.h"
#include "core/lobby/lobby_ops.h"
#include "core/net/frame.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/net/reconnect.h"
#include "core/net/socks5.h"
#include "core/platform/services.h"
#include "core/settings/ini_file.h"
#include "core/text/ansi.h"
#include "core/view/anigif/table_controls.h"
#include "core/view/animated_pot.h"
#include "core/view/animations.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/random.h"
#include "core/view/shuffle_caption.h"
#include "core/view/sound.h"
#include "core/view/ui.h"

namespace tlj::lobby {
namespace {

constexpr int kFailureExitCode = 1;
constexpr const char* kVideoFile = "vidiosetting.ini";

// A step that cannot go on; it leads to the start-up failure path.
struct StartUpFailure {};

void Require(bool ok) {
  if (!ok) throw StartUpFailure{};
}

[[noreturn]] void Warn(const char* text) {
  platform::Sys().msgbox->Show("警告", text);
  platform::EndProcess(kFailureExitCode);
}

// Every module's values as they are when the window opens.
void SetStartValues() {
  game::ResetTableModel();
  net::ResetTransport();
  view::ResetSound();
  actions::g_bGameActive = false;
  actions::g_iDefaultCountdown = 15;
  actions::g_iTimeoutCount = 0;
  actions::g_iTimeoutLimit = 0;
  actions::g_bAway = false;
  actions::g_bFirstStart = true;
  actions::g_bHiddenTurns = false;
  actions::g_bReturnToLobby = false;
  game::g_bShufflePending = game::g_bShuffleShown = game::g_bShuffleNext = false;
  game::g_iShuffleStep = 0;
  game::AdPage.clear();
  game::AdPanelPage.clear();
  LobbyWindowTitle.clear();
  net::g_sChatText.clear();
}

void SetShuffleTexts() {
  game::g_sShuffleText = {"正在随机换座中..", "正在随机换座中...", "正在随机换座中....",
                          "正在随机换座中....."};
}

void TakeCommandLine(const CommandLine& line) {
  game::custom[0].name = line.Field(1);
  ServerHost = line.Field(3);
  ServerPort = line.server_port;
  ProxyType = line.proxy_type;
  net::ProxyHost = line.Field(7);
  net::ProxyPort = line.proxy_port;
  net::ProxyUser = line.Field(9);
  net::ProxyPassword = line.Field(10);
  if (line.own_titles) LobbyWindowTitle = line.Field(12);
  game::g_bSpectator = line.spectator;
  if (line.spectator) game::profile[0].seatWord = line.seat_word;

  auto& location = view::El("Location");
  location.caption = line.Field(5);
  if (view::IsReducedLayout()) location.fontSize = 10;
  if (text::DecodeUtf8(line.Field(5)).size() > 10) location.fontSize -= 2;
}

// Video stays off whatever the file says, but a file we cannot make sense of is a failure.
void ReadVideoSetting() {
  settings::classIniFile ini;
  ini.INIFileName = (platform::Sys().app_dir / kVideoFile).string();
  if (settings::Is_File_Exist(platform::Sys().app_dir, kVideoFile)) {
    Require(ToNumber(ini.GetIniKey("vidiosetting", "vidiovalue")).has_value());
  } else {
    ini.WriteIniKey("vidiosetting", "vidiovalue", "1");
  }
}

[[noreturn]] void FailStartUp() {
  platform::Sys().msgbox->Show(view::kProgramTitle, "游戏启动失败！");
  RestoreLobby();
  platform::EndProcess(kFailureExitCode);
}

// The table window owns the game socket's events and its timers.
void HookWindowEvents() {
  auto& socket = *platform::Sys().socket;
  socket.on_data_arrival = net::Winsock1_DataArrival;
  socket.on_close = net::Winsock1_Close;
  net::CreateTransportTimers();
  net::CreateReconnectTimers();
  view::CreateShuffleTimer();
  view::CreateAnimatedPotTimer();
  view::anigif::CreateTableControls();
  actions::HookBettingEvents();
  actions::HookTableButtonEvents();
  HookLeaveDialogEvents();
  game::HookScoreSheetEvents();
}

void RunStartUp() {
  auto& sys = platform::Sys();
  view::CreateMainForm();
  HookWindowEvents();
  view::El("WebBrowser2").visible = false;

  view::ChooseLayout(sys.screen_width, sys.screen_height);

  view::El("P2PSocket1").visible = false;
  view::StartSound();
  view::BuildImageTables();
  view::CreateCoinTemplate();
  view::SeedRandom(sys.random_seed);
  view::LayoutTableFirstHalf();
  view::StopShuffleCaption();
  for (const char* name : {"LblShuffle", "ImgShuffle", "WebBrowser2"})
    view::El(name).visible = false;
  SetShuffleTexts();

  const ParsedCommandLine parsed = ParseCommandLine(sys.command_line);
  if (!parsed.line && parsed.error == CommandLineError::Empty) Warn("本游戏需从游戏大厅中启动！");
  Require(parsed.line.has_value());
  const CommandLine& line = *parsed.line;
  TakeCommandLine(line);

  ReadVideoSetting();

  view::ClearSysmsg(0);
  view::AddSysmsg(0, "正在连接服务器...");
  net::StopPump();
  net::DataMode = true;

  Require(net::BuildLoginFrame(line.Field(1), line.Field(2)));

  StartConnection();

  auto& form = view::Win();
  form.visible = true;
  if (line.own_titles) {
    form.caption = line.Field(13);
    actions::g_iDefaultCountdown = 1;
    actions::g_bHiddenTurns = false;
  } else {
    form.caption = view::kProgramTitle;
    LobbyWindowTitle = kDefaultLobbyTitle;
  }

  view::LayoutTableSecondHalf();
  game::custom[0].seat = 0;
  net::Reconnected = false;

  sys.lobby->ListenAs(form.caption, LobbyMessageHandler);
}

}  // namespace

void StartUp() {
  auto& sys = platform::Sys();
  if (!sys.lobby->AcquireSingleInstance()) Warn("铜炉局已经运行！");
  SetStartValues();
  try {
    RunStartUp();
  } catch (const StartUpFailure&) {
    FailStartUp();
  } catch (const std::exception&) {
    // The platform could not give what start-up needs (a window name taken, a socket).
    FailStartUp();
  }
}

void ShutDownWindows() {
  net::DestroyTransportTimers();
  net::DestroyReconnectTimers();
  view::DestroyShuffleTimer();
  view::DestroyAnimatedPotTimer();
  view::anigif::DestroyTableControls();
}

}  // namespace tlj::lobby
