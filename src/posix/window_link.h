#pragma once
// The lobby link on Linux: the lobby and the table window are sockets in the window folder,
// posted messages are datagrams, and the single-instance test is a lock file in that folder.

#include <cstddef>
#include <memory>
#include <string>

#include "core/platform/event_loop.h"
#include "core/platform/lobby_link.h"
#include "posix/bound_window.h"
#include "posix/descriptor_watcher.h"
#include "posix/window_directory.h"
#include "posix/window_outbox.h"

namespace tlj::posix {

class WindowLink : public platform::LobbyLink {
 public:
  WindowLink(platform::EventLoop& loop, DescriptorWatcher& watcher, WindowDirectory directory);
  ~WindowLink() override;
  WindowLink(const WindowLink&) = delete;
  WindowLink& operator=(const WindowLink&) = delete;

  bool FindWindow(const std::string& title) override;
  // A window that is slow to read still gets the message, after those before it (see
  // WindowOutbox); false only when there is no such window.
  bool PostMessage(const std::string& title, int msg, long wparam, long lparam) override;
  // How many posted messages wait for room in the window's queue.
  std::size_t Waiting(const std::string& title) const { return outbox_.Waiting(title); }
  // Throws std::system_error when the title is taken by a live window or cannot be bound.
  void ListenAs(const std::string& title, MessageHandler handler) override;
  // Takes the lock file "tlj.lock" in the window folder for as long as this object lives.
  bool AcquireSingleInstance() override;

 private:
  void OnReadable();

  platform::EventLoop& loop_;
  DescriptorWatcher& watcher_;
  WindowDirectory directory_;
  WindowOutbox outbox_;
  std::unique_ptr<BoundWindow> window_;
  MessageHandler handler_;
  int lock_fd_ = -1;
};

}  // namespace tlj::posix
