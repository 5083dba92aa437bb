#pragma once
// The demo: the lobby starts the game server and one client, watches it log in at a table with
// three bots, plays the user's turns through the client's automation channel until the client
// has played the games asked for, asks it to leave and checks that it went idle. After the first
// game it opens the small windows one by one (score sheet, ranking, sound settings, a player's
// card) and before leaving the leave dialog, and says what each showed. Each step, and
// everything that happens at the table, goes to the transcript; the first step that does not go
// as expected ends the run. The user says one quick phrase a game; the chat lines and the
// speech bubbles go to the transcript too.

#include <array>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/platform/event_loop.h"
#include "posix/child_process.h"
#include "posix/poll_backend.h"
#include "posix/stop_signals.h"
#include "posix/window_directory.h"
#include "tools/lobby/demo_proxy.h"
#include "tools/lobby/lobby_messages.h"
#include "tools/lobby/lobby_window.h"
#include "tools/lobby/private_folders.h"
#include "tools/lobby/server_process.h"
#include "tools/lobby/small_windows.h"
#include "tools/lobby/table_client.h"
#include "tools/lobby/table_view.h"
#include "tools/lobby/transcript.h"

namespace tlj::lobby_tool {

struct DemoSettings {
  std::string client_program;
  std::string server_program;
  int games = 1;
  std::string seed;  // the server's; empty: its own
  bool verbose = false;
  bool headless = false;  // the client runs without a window; else it decides by the display
  std::optional<DemoProxy> proxy;  // the client goes through it; nothing: direct
};

// What went wrong, as one readable sentence (with the child's diagnostics after it, if any).
class DemoFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Demo {
 public:
  // Throws std::runtime_error when the run's folders cannot be made.
  Demo(DemoSettings settings, std::ostream& transcript);
  // Throws DemoFailure at the first step that fails; the children are stopped either way.
  void Run();

 private:
  void StartServer();
  void OpenLobbyWindow();
  void StartClient();
  void WaitForLogin();
  void ShowTable();
  void ShowAdvert();
  void PlayGames();
  void SayPhrase(std::size_t game);
  void ReportChat(const TableView& view);
  void ReportNotice(const TableView& view);
  void ShowScoreSheet(const TableView& view);
  void ShowSmallWindows(const TableView& view);
  void ShowRanking();
  void ShowSoundSettings();
  void ShowPlayerCard();
  void ShowLeaveDialog();
  void AskToLeave();
  void CheckIdle();
  void StopClientAndServer();
  // Ends a child that still runs (a signal, then a kill after a grace); fails unless it ended
  // with 0.
  void Stop(const std::string& who, posix::ChildProcess& child);

  TableView Look();
  // Sends one automation line and reads the small windows after it.
  SmallWindows Do(const std::string& command);
  // The client's dump, as text.
  std::string Dump();
  void OnLobbyMessage(const posix::WindowMessage& message);
  // Handles events until `done` holds; fails with `failure` once `span` has passed, and at
  // once when the client or the server has ended.
  void WaitUntil(const std::function<bool()>& done, platform::TimeMs span,
                 const std::string& failure);
  void CheckChildrenRun();
  std::string Said(const posix::ChildProcess& child) const;
  std::string ClientSaid() const;
  [[noreturn]] void ChildEnded(const std::string& who, posix::ChildProcess& child);
  posix::ChildProcess::LineHandler PassThrough(const std::string& who);

  DemoSettings settings_;
  posix::PollBackend poll_;
  platform::EventLoop loop_{poll_};
  Transcript transcript_;
  PrivateFolders folders_;
  posix::WindowDirectory windows_;
  platform::Timer tick_;  // wakes the loop now and then, to notice a child's end
  posix::StopSignals signals_;
  std::unique_ptr<ServerProcess> server_;
  std::unique_ptr<LobbyWindow> lobby_;
  std::size_t chat_lines_seen_ = 0;
  std::string notice_seen_;  // the notice panel's address, while it shows
  std::array<std::string, 4> bubbles_seen_;
  std::unique_ptr<TableClient> client_;
  ClientPhase phase_ = ClientPhase::Connecting;
};

}  // namespace tlj::lobby_tool
