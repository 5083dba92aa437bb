#include "posix/window_outbox.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace tlj::posix {

WindowOutbox::WindowOutbox(DescriptorWatcher& watcher, WindowDirectory directory,
                           std::ostream& diagnostics, std::size_t limit)
    : watcher_(watcher),
      directory_(std::move(directory)),
      diagnostics_(diagnostics),
      limit_(limit) {}

WindowOutbox::~WindowOutbox() {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + kFinalDelivery;
  while (!queues_.empty()) {
    const auto it = queues_.begin();
    Flushed outcome = Flush(it->second);
    while (outcome == Flushed::kWaiting) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) break;
      pollfd room{it->second.fd, POLLOUT, 0};
      ::poll(&room, 1, static_cast<int>(left));
      outcome = Flush(it->second);
    }
    Close(it, outcome);
  }
}

bool WindowOutbox::Post(const std::string& title, const WindowMessage& message) {
  if (const auto it = queues_.find(title); it != queues_.end()) {
    // Earlier messages go first; only when none waits any more may this one go straight out.
    const Flushed outcome = Flush(it->second);
    if (outcome == Flushed::kWaiting) {
      Enqueue(title, it->second, message);
      return true;
    }
    Close(it, outcome);
  }
  switch (directory_.TryPost(title, message)) {
    case PostOutcome::kSent:
      return true;
    case PostOutcome::kQueueFull:
      return StartQueue(title, message);
    case PostOutcome::kNoWindow:
      break;
  }
  return false;
}

std::size_t WindowOutbox::Waiting(const std::string& title) const {
  const auto it = queues_.find(title);
  return it == queues_.end() ? 0 : it->second.messages.size();
}

bool WindowOutbox::StartQueue(const std::string& title, const WindowMessage& message) {
  const int fd = directory_.Connect(title);
  if (fd < 0) return false;
  Queue& queue = queues_[title];
  queue.fd = fd;
  queue.messages.push_back(message);
  watcher_.Watch(fd, POLLOUT, [this, title](short) { OnRoom(title); });
  return true;
}

void WindowOutbox::Enqueue(const std::string& title, Queue& queue, const WindowMessage& message) {
  if (queue.messages.size() < limit_) {
    queue.messages.push_back(message);
    return;
  }
  if (queue.dropped++ == 0) {
    diagnostics_ << "window messages: \"" << title << "\" leaves " << limit_
                 << " unread; newer messages to it are dropped until it reads" << std::endl;
  }
}

WindowOutbox::Flushed WindowOutbox::Flush(Queue& queue) {
  while (!queue.messages.empty()) {
    const std::string text = FormatWindowMessage(queue.messages.front());
    if (::send(queue.fd, text.data(), text.size(), MSG_DONTWAIT | MSG_NOSIGNAL) >= 0) {
      queue.messages.pop_front();
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      return Flushed::kWaiting;
    } else if (errno != EINTR) {
      return Flushed::kGone;  // refused: nobody is bound to the socket it was connected to
    }
  }
  return Flushed::kEmpty;
}

void WindowOutbox::OnRoom(const std::string& title) {
  const auto it = queues_.find(title);
  if (it == queues_.end()) return;
  const Flushed outcome = Flush(it->second);
  // While messages wait, the watch stays; once none does, it would report room without end.
  if (outcome != Flushed::kWaiting) Close(it, outcome);
}

void WindowOutbox::Close(Queues::iterator it, Flushed outcome) {
  Queue& queue = it->second;
  watcher_.Unwatch(queue.fd);
  ::close(queue.fd);
  const std::size_t lost = queue.dropped + queue.messages.size();
  if (lost > 0) {
    const char* reason = outcome == Flushed::kGone      ? "the window has gone"
                         : outcome == Flushed::kWaiting ? "the window did not read them in time"
                                                        : "the window left too many unread";
    diagnostics_ << "window messages: " << lost << " to \"" << it->first
                 << "\" were lost: " << reason << std::endl;
  }
  queues_.erase(it);
}

}  // namespace tlj::posix
