#pragma once
// Posting to windows as a window system's message queue does: a window that exists but reads
// slowly gets every message, in order. What its socket has no room for waits here, on a socket
// connected to the window, until the watcher says there is room (POLLOUT).

#include <chrono>
#include <cstddef>
#include <deque>
#include <iostream>
#include <map>
#include <string>

#include "posix/descriptor_watcher.h"
#include "posix/window_directory.h"
#include "posix/window_message.h"

namespace tlj::posix {

// How many messages may wait for one window. A window that leaves thousands unread is hung;
// rather than grow without end, the outbox drops the messages that would go past the limit (the
// newest), so that those waiting keep their order, and a line on the diagnostics stream says so.
inline constexpr std::size_t kMaxWaitingWindowMessages = 4096;
// How long the outbox, when it goes, waits for room for the messages still waiting, so that what
// the program posted just before it ended still arrives.
inline constexpr std::chrono::milliseconds kFinalDelivery{5'000};

class WindowOutbox {
 public:
  WindowOutbox(DescriptorWatcher& watcher, WindowDirectory directory,
               std::ostream& diagnostics = std::cerr,
               std::size_t limit = kMaxWaitingWindowMessages);
  // Waits up to kFinalDelivery (blocking) for the windows to take what still waits for them.
  ~WindowOutbox();
  WindowOutbox(const WindowOutbox&) = delete;
  WindowOutbox& operator=(const WindowOutbox&) = delete;

  // Posts `message` to the window titled `title`, behind any that still wait for it. True when
  // the window exists, whether the message was sent, waits, or was dropped past the limit;
  // false when there is no such window. Messages waiting for a window that has gone are dropped.
  bool Post(const std::string& title, const WindowMessage& message);
  // How many messages wait for the window titled `title`.
  std::size_t Waiting(const std::string& title) const;

 private:
  struct Queue {
    int fd = -1;  // connected to the window; watched for room while messages wait
    std::deque<WindowMessage> messages;
    std::size_t dropped = 0;  // past the limit
  };
  using Queues = std::map<std::string, Queue>;

  // Starts a queue for a window that had no room for `message`; false when it has gone since.
  bool StartQueue(const std::string& title, const WindowMessage& message);
  void Enqueue(const std::string& title, Queue& queue, const WindowMessage& message);
  enum class Flushed { kEmpty, kWaiting, kGone };
  // Sends what the window has room for, in order.
  static Flushed Flush(Queue& queue);
  void OnRoom(const std::string& title);
  // Ends the queue, reporting what still waits or was dropped as lost.
  void Close(Queues::iterator it, Flushed outcome);

  DescriptorWatcher& watcher_;
  WindowDirectory directory_;
  std::ostream& diagnostics_;
  std::size_t limit_;
  Queues queues_;
};

}  // namespace tlj::posix
