#pragma once
// Top-level windows that receive posted messages are Unix datagram sockets in one folder, each
// named after its window's exact title. Finding a window is reaching its socket; posting a
// message is sending it one datagram.

#include <sys/socket.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "posix/window_message.h"

namespace tlj::posix {

// The socket file name of a title: the UTF-8 title with '%' written "%25" and '/' written
// "%2F", followed by ".win".
std::string WindowFileName(std::string_view title);

// $TLJ_RUNTIME_DIR, else $XDG_RUNTIME_DIR/tlj, else /tmp/tlj-<uid>; empty variables count as unset.
std::filesystem::path WindowDirectoryFromEnvironment();

enum class PostOutcome {
  kSent,
  kQueueFull,  // the window exists but has not read enough of what it was sent
  kNoWindow,
};

class WindowDirectory {
 public:
  // Creates the folder with mode 0700 when it is missing. Throws std::system_error when it
  // cannot be created or belongs to another user.
  explicit WindowDirectory(std::filesystem::path path);

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path FileOf(std::string_view title) const;

  // True when a window with exactly this title is bound; a stale file is removed.
  bool Find(std::string_view title) const;
  // Sends one message without waiting; a window whose queue is full leaves it unsent.
  PostOutcome TryPost(std::string_view title, const WindowMessage& message) const;
  // The same; false when there is no such window or its queue is full.
  bool Post(std::string_view title, const WindowMessage& message) const;
  // A non-blocking datagram socket connected to the window titled `title`, for a sender that
  // waits for room in its queue (poll() says POLLOUT when there is); -1 when there is no such
  // window, a stale file removed.
  int Connect(std::string_view title) const;
  // A non-blocking datagram socket bound under `title`, replacing a stale file. Throws
  // std::system_error when the title is taken by a live window or cannot be bound.
  int Bind(std::string_view title) const;

 private:
  using AddressCall = std::function<int(const sockaddr* address, socklen_t size)>;
  // Runs `call` on the socket address of `title`'s file; -1 with errno set when it has none.
  int WithAddress(std::string_view title, const AddressCall& call) const;
  bool BindLongPath(int fd, const std::string& file) const;

  std::filesystem::path path_;
};

}  // namespace tlj::posix
