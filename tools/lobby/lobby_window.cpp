#include "tools/lobby/lobby_window.h"

#include <poll.h>

namespace tlj::lobby_tool {

LobbyWindow::LobbyWindow(platform::EventLoop& loop, posix::PollBackend& poll,
                         const posix::WindowDirectory& directory, const std::string& title,
                         Handler handler)
    : loop_(loop), poll_(poll), window_(directory, title), handler_(std::move(handler)) {
  poll_.Watch(window_.Fd(), POLLIN, [this](short) {
    for (const posix::WindowMessage& message : window_.TakePending()) {
      loop_.Post([handler = handler_, message] { handler(message); });
    }
  });
}

LobbyWindow::~LobbyWindow() {
  poll_.Unwatch(window_.Fd());
}

}  // namespace tlj::lobby_tool
