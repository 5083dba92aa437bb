#pragma once
// A top-level window that receives posted messages: a socket bound under its title for as
// long as the object lives. The table window listens through one; tools and tests use one to
// stand in for the lobby.

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "posix/window_directory.h"

namespace tlj::posix {

class BoundWindow {
 public:
  // Throws std::system_error when the title cannot be bound (see WindowDirectory::Bind).
  BoundWindow(WindowDirectory directory, std::string title);
  ~BoundWindow();
  BoundWindow(const BoundWindow&) = delete;
  BoundWindow& operator=(const BoundWindow&) = delete;

  int Fd() const { return fd_; }
  const std::string& Title() const { return title_; }

  // Every message waiting now, in arrival order; malformed datagrams are skipped.
  std::vector<WindowMessage> TakePending();
  // The next message, waiting for it up to `timeout`.
  std::optional<WindowMessage> WaitForMessage(std::chrono::milliseconds timeout);

 private:
  std::optional<WindowMessage> ReadOne();

  WindowDirectory directory_;
  std::string title_;
  int fd_ = -1;
  dev_t device_ = 0;
  ino_t inode_ = 0;
};

}  // namespace tlj::posix
