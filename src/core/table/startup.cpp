#include "core/table/startup.h"

#include <exception>
#include <stdexcept>

#include "core/chat/chat_state.h"
#include "core/chat/send.h"
#include "core/lobby/command_line.h"
#include "core/model/elements.h"
#include "core/model/lobby_window.h"
#include "core/model/sound_settings_state.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/client_frames.h"
#include "core/net/connect.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/net/socks5.h"
#include "core/platform/services.h"
#include "core/settings/ini_file.h"
#include "core/settings/local_files.h"
#include "core/table/element_events.h"
#include "core/table/lobby_messages.h"
#include "core/table/pump_tick.h"
#include "core/table/reconnection.h"
#include "core/text/ansi.h"
#include "core/view/anigif/table_controls.h"
#include "core/view/animated_pot.h"
#include "core/view/animations.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/random.h"
#include "core/view/shuffle_caption.h"
#include "core/view/sound.h"
#include "core/view/speech_bubbles.h"
#include "core/view/web_panels.h"
#include "core/view/window_designs.h"

namespace tlj::table {
namespace {

constexpr int kFailureExitCode = 1;

// A step that cannot go on; it leads to the start-up failure path.
struct StartUpFailure {};

void Require(bool ok) {
  if (!ok) throw StartUpFailure{};
}

[[noreturn]] void Warn(const char* text) {
  platform::ShowMessageBox("警告", text);
  platform::EndProcess(kFailureExitCode);
}

// Every module's values as they are when the window opens.
void SetStartValues() {
  model::SetTableStartValues();
  model::SetTurnStartValues();
  model::SetLobbyStartValues();
  model::SetSoundSettingsStartValues();
  chat::SetChatStartValues();
  net::ResetTransport();
  view::ResetSound();
}

void TakeCommandLine(const lobby::CommandLine& line) {
  model::custom[0].name = line.Field(1);
  net::ServerHost = line.Field(3);
  net::ServerPort = line.server_port;
  net::ProxyType = line.proxy_type;
  net::ProxyHost = line.Field(7);
  net::ProxyPort = line.proxy_port;
  net::ProxyUser = line.Field(9);
  net::ProxyPassword = line.Field(10);
  if (line.own_titles) model::LobbyWindowTitle = line.Field(12);
  model::g_bSpectator = line.spectator;
  if (line.spectator) model::profile[0].seatWord = line.seat_word;

  auto& location = model::El("Location");
  location.caption = line.Field(5);
  if (view::IsReducedLayout()) location.fontSize = 10;
  if (text::DecodeUtf8(line.Field(5)).size() > 10) location.fontSize -= 2;
}

// Video stays off whatever the file says, but a file we cannot make sense of is a failure.
void ReadVideoSetting() {
  settings::classIniFile ini;
  ini.INIFileName = (platform::Sys().app_dir / settings::kVideoSettingsFile).string();
  if (settings::Is_File_Exist(platform::Sys().app_dir, settings::kVideoSettingsFile)) {
    Require(lobby::ToNumber(ini.GetIniKey("vidiosetting", "vidiovalue")).has_value());
  } else {
    ini.WriteIniKey("vidiosetting", "vidiovalue", "1");
  }
}

[[noreturn]] void FailStartUp() {
  platform::ShowMessageBox(model::kProgramTitle, "游戏启动失败！");
  model::RestoreLobby();
  platform::EndProcess(kFailureExitCode);
}

// The table window owns the game socket's events and its timers.
void HookWindowEvents() {
  auto& socket = *platform::Sys().socket;
  socket.on_data_arrival = net::Winsock1_DataArrival;
  socket.on_close = net::Winsock1_Close;
  net::CreateTransportTimers(TimerBong_Timer);
  CreateReconnectTimers();
  view::CreateShuffleTimer();
  view::CreateAnimatedPotTimer();
  view::CreateBubbleTimers();
  chat::CreateChatTimer();
  view::anigif::CreateTableControls();
  HookElementEvents();
}

void RunStartUp() {
  auto& sys = platform::Sys();
  view::DesignWindows(*platform::Sys().ui);
  sys.ui->LoadWindow(model::kMainForm);
  HookWindowEvents();
  model::El("WebBrowser2").visible = false;

  view::ChooseLayout(sys.screen_width, sys.screen_height);

  model::El("P2PSocket1").visible = false;
  view::StartSound();
  view::BuildImageTables();
  view::CreateCoinTemplate();
  view::SeedRandom(sys.random_seed);
  view::LayoutTableFirstHalf();
  view::StopShuffleCaption();
  for (const char* name : {"LblShuffle", "ImgShuffle", "WebBrowser2"})
    model::El(name).visible = false;

  const lobby::ParsedCommandLine parsed = lobby::ParseCommandLine(sys.command_line);
  if (!parsed.line && parsed.error == lobby::CommandLineError::Empty)
    Warn("本游戏需从游戏大厅中启动！");
  Require(parsed.line.has_value());
  const lobby::CommandLine& line = *parsed.line;
  TakeCommandLine(line);

  ReadVideoSetting();

  model::ClearSysmsg(0);
  model::AddSysmsg(0, "正在连接服务器...");
  net::StopPump();
  net::DataMode = true;

  Require(net::BuildLoginFrame(line.Field(1), line.Field(2)));

  net::StartConnection();

  auto& form = model::Win();
  form.visible = true;
  if (line.own_titles) {
    form.caption = line.Field(13);
    model::g_iDefaultCountdown = 1;
    model::g_bHiddenTurns = false;
  } else {
    form.caption = model::kProgramTitle;
    model::LobbyWindowTitle = model::kDefaultLobbyTitle;
  }

  view::LayoutTableSecondHalf();
  model::custom[0].seat = 0;
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
  } catch (const std::logic_error&) {
    throw;  // a fault of the program itself, not of the machine: let it show
  } catch (const std::exception&) {
    // The platform could not give what start-up needs (a window name taken, a socket).
    FailStartUp();
  }
}

void ShutDownWindows() {
  net::DestroyTransportTimers();
  DestroyReconnectTimers();
  view::DestroyShuffleTimer();
  view::DestroyAnimatedPotTimer();
  view::DestroyBubbleTimers();
  view::CancelNavigations();
  chat::DestroyChatTimer();
  view::anigif::DestroyTableControls();
}

}  // namespace tlj::table
