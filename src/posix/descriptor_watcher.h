#pragma once
// What the platform's sockets need from an event loop: being told when a file descriptor is
// ready. The poll loop gives it; a front end with a loop of its own gives it from that loop.

#include <functional>

namespace tlj::posix {

class DescriptorWatcher {
 public:
  // Called with poll()'s revents bits when the descriptor is ready; it should read or write
  // what it can and post the resulting events to the loop, not run logic itself. It may stop
  // watching its own descriptor, or others.
  using ReadyHandler = std::function<void(short revents)>;

  virtual ~DescriptorWatcher() = default;

  // Watches `fd` for poll()'s `events` bits (POLLIN, POLLOUT); watching it again replaces both.
  virtual void Watch(int fd, short events, ReadyHandler handler) = 0;
  // Changes what a watched descriptor waits for; nothing happens when it is not watched.
  virtual void SetEvents(int fd, short events) = 0;
  // After this the handler of `fd` is not called again.
  virtual void Unwatch(int fd) = 0;
};

}  // namespace tlj::posix
