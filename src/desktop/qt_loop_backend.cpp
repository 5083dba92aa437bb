#include "desktop/qt_loop_backend.h"

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace tlj::desktop {
namespace {

// Qt's timers count whole milliseconds in an int; a longer wait simply wakes once in between.
constexpr platform::TimeMs kLongestWait = 24LL * 60 * 60 * 1000;

}  // namespace

QtLoopBackend::QtLoopBackend() {
  deadline_.setSingleShot(true);
  deadline_.setTimerType(Qt::PreciseTimer);
}

QtLoopBackend::~QtLoopBackend() = default;

platform::TimeMs QtLoopBackend::Now() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool QtLoopBackend::WaitForEvents(platform::TimeMs deadline, platform::EventLoop& loop) {
  retired_.clear();
  if (loop.HasPendingEvents()) return true;
  if (before_wait_) before_wait_();
  if (loop.HasPendingEvents()) return true;  // catching up gave a widget the focus, say
  QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents;
  const platform::TimeMs left = deadline == platform::kForever ? kLongestWait : deadline - Now();
  if (left > 0) {
    flags |= QEventLoop::WaitForMoreEvents;
    deadline_.start(std::chrono::milliseconds(std::min(left, kLongestWait)));
  }
  // Returns after one round of Qt's events: whatever it posted to the loop is handled next.
  QCoreApplication::processEvents(flags);
  deadline_.stop();
  return true;
}

void QtLoopBackend::SleepUntil(platform::TimeMs deadline) {
  const platform::TimeMs left = deadline - Now();
  if (left > 0) std::this_thread::sleep_for(std::chrono::milliseconds(left));
}

void QtLoopBackend::Watch(int fd, short events, ReadyHandler handler) {
  if (const auto it = watched_.find(fd); it != watched_.end()) Retire(it->second);
  Watched& watched = watched_[fd];
  watched.events = events;
  watched.handler = std::move(handler);
  Notify(watched, fd);
}

void QtLoopBackend::SetEvents(int fd, short events) {
  const auto it = watched_.find(fd);
  if (it == watched_.end()) return;
  it->second.events = events;
  Notify(it->second, fd);
}

void QtLoopBackend::Unwatch(int fd) {
  const auto it = watched_.find(fd);
  if (it == watched_.end()) return;
  Retire(it->second);
  watched_.erase(it);
}

// One notifier for each direction waited for; a direction no longer waited for is switched off.
void QtLoopBackend::Notify(Watched& watched, int fd) {
  const auto want = [this, fd](std::unique_ptr<QSocketNotifier>& notifier,
                               QSocketNotifier::Type type, bool on) {
    if (on && !notifier) {
      notifier = std::make_unique<QSocketNotifier>(fd, type);
      QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                       [this, fd] { Ready(fd); });
    }
    if (notifier) notifier->setEnabled(on);
  };
  want(watched.read, QSocketNotifier::Read, (watched.events & POLLIN) != 0);
  want(watched.write, QSocketNotifier::Write, (watched.events & POLLOUT) != 0);
}

// Qt says only that the descriptor is ready; the handlers read poll()'s bits (a hang-up, an
// error), so they are asked for once more.
void QtLoopBackend::Ready(int fd) {
  const auto it = watched_.find(fd);
  if (it == watched_.end()) return;
  pollfd ready{fd, it->second.events, 0};
  if (::poll(&ready, 1, 0) <= 0 || ready.revents == 0) return;
  const ReadyHandler handler = it->second.handler;  // it may stop watching
  handler(ready.revents);
}

void QtLoopBackend::Retire(Watched& watched) {
  for (auto* notifier : {&watched.read, &watched.write}) {
    if (!*notifier) continue;
    (*notifier)->setEnabled(false);
    retired_.push_back(std::move(*notifier));
  }
}

}  // namespace tlj::desktop
