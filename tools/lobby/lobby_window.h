#pragma once
// The lobby's own window: bound under its title in the window folder, so the client finds it,
// and handing every message posted to it to the loop.

#include <functional>
#include <string>

#include "core/platform/event_loop.h"
#include "posix/bound_window.h"
#include "posix/poll_backend.h"
#include "posix/window_directory.h"
#include "posix/window_message.h"

namespace tlj::lobby_tool {

class LobbyWindow {
 public:
  using Handler = std::function<void(const posix::WindowMessage& message)>;

  // Throws std::system_error when the title is taken or cannot be bound.
  LobbyWindow(platform::EventLoop& loop, posix::PollBackend& poll,
              const posix::WindowDirectory& directory, const std::string& title, Handler handler);
  ~LobbyWindow();
  LobbyWindow(const LobbyWindow&) = delete;
  LobbyWindow& operator=(const LobbyWindow&) = delete;

  const std::string& Title() const { return window_.Title(); }

 private:
  platform::EventLoop& loop_;
  posix::PollBackend& poll_;
  posix::BoundWindow window_;
  Handler handler_;
};

}  // namespace tlj::lobby_tool
