#pragma once
// The loop backend on Qt's event dispatcher. The platform loop stays the one driver: whenever it
// waits, Qt handles its own events (input, painting, watched descriptors) until the deadline or
// until something was posted to the loop. Descriptors are watched through QSocketNotifier, so the
// socket, the lobby link and the downloader run under a window system unchanged.

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include <QTimer>

#include "core/platform/event_loop.h"
#include "posix/descriptor_watcher.h"

class QSocketNotifier;

namespace tlj::desktop {

class QtLoopBackend : public platform::LoopBackend, public posix::DescriptorWatcher {
 public:
  QtLoopBackend();
  ~QtLoopBackend() override;
  QtLoopBackend(const QtLoopBackend&) = delete;
  QtLoopBackend& operator=(const QtLoopBackend&) = delete;

  platform::TimeMs Now() const override;
  bool WaitForEvents(platform::TimeMs deadline, platform::EventLoop& loop) override;
  void SleepUntil(platform::TimeMs deadline) override;

  // The handlers run from inside WaitForEvents, with poll()'s revents bits.
  void Watch(int fd, short events, ReadyHandler handler) override;
  void SetEvents(int fd, short events) override;
  void Unwatch(int fd) override;

  // Runs before each wait for Qt's events, once everything ready has been handled: the windows
  // catch up with the model there.
  void SetBeforeWait(std::function<void()> hook) { before_wait_ = std::move(hook); }

 private:
  struct Watched {
    short events = 0;
    ReadyHandler handler;
    std::unique_ptr<QSocketNotifier> read;
    std::unique_ptr<QSocketNotifier> write;
  };
  void Notify(Watched& watched, int fd);
  void Ready(int fd);
  void Retire(Watched& watched);

  std::map<int, Watched> watched_;
  // Notifiers of descriptors no longer watched: a handler may stop watching while Qt is calling
  // it, so they go between waits, never inside Qt's call.
  std::vector<std::unique_ptr<QSocketNotifier>> retired_;
  QTimer deadline_;
  std::function<void()> before_wait_;
};

}  // namespace tlj::desktop
