#pragma once
// The lobby's window for driving the client by hand: listens under its title as the lobby
// does, starts the client from a filled-in form, posts the lobby's requests to the table
// window, and lists everything that passes with its meaning. It minimises and restores itself
// when the client asks, as the lobby does.

#include <memory>
#include <string>

#include <QTimer>
#include <QWidget>

#include "core/platform/event_loop.h"
#include "core/platform/lobby_link.h"
#include "posix/poll_backend.h"
#include "posix/window_directory.h"
#include "posix/window_message.h"
#include "tools/lobby/lobby_messages.h"
#include "tools/lobby/lobby_window.h"
#include "tools/lobby/private_folders.h"
#include "tools/lobby/table_client.h"

namespace tlj::lobby_tool {

class MessageList;
class SeatForm;

struct LobbyViewSettings {
  std::string title = model::kDefaultLobbyTitle;
  std::string client_program{};
};

class LobbyView : public QWidget {
 public:
  // The lobby's parts watch their descriptors through `poll`, which the window looks at between
  // Qt's events. Throws std::runtime_error when the window folder cannot be made.
  LobbyView(platform::EventLoop& loop, posix::PollBackend& poll, LobbyViewSettings settings);
  ~LobbyView() override;  // stops the client

  // Handles what the lobby window and the client have for it now; a timer calls it.
  void Pump();
  // The folder the lobby window, and the client's table window, are found in.
  const std::filesystem::path& WindowFolder() const { return windows_.Path(); }

 private:
  QWidget* MakeRequestButtons();
  void StartClient();
  void Post(platform::TableMessage message);
  void OnLobbyMessage(const posix::WindowMessage& message);
  void NoticeClientEnd();

  platform::EventLoop& loop_;
  posix::PollBackend& poll_;
  LobbyViewSettings settings_;
  PrivateFolders folders_;
  posix::WindowDirectory windows_;
  std::unique_ptr<LobbyWindow> lobby_;
  std::unique_ptr<TableClient> client_;
  bool client_end_noticed_ = false;
  ClientPhase phase_ = ClientPhase::Connecting;
  SeatForm* form_;
  MessageList* list_;
  QTimer pump_;
};

// Shows the window until it is closed, or SIGINT or SIGTERM arrives; returns the exit code.
int RunLobbyWindow(const LobbyViewSettings& settings);

}  // namespace tlj::lobby_tool
