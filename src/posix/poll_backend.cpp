#include "posix/poll_backend.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

namespace tlj::posix {

platform::TimeMs PollBackend::Now() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool PollBackend::WaitForEvents(platform::TimeMs deadline, platform::EventLoop& loop) {
  if (loop.HasPendingEvents()) return true;
  std::vector<pollfd> fds;
  fds.reserve(watched_.size());
  for (const auto& [fd, w] : watched_) fds.push_back({fd, w.events, 0});
  if (fds.empty() && deadline == platform::kForever) return false;
  int timeout = -1;
  if (deadline != platform::kForever) {
    const platform::TimeMs left = std::max<platform::TimeMs>(deadline - Now(), 0);
    timeout = static_cast<int>(std::min<platform::TimeMs>(left, 60'000));
  }
  const int n = poll(fds.data(), fds.size(), timeout);
  if (n <= 0) return true;  // timed out, or interrupted: the caller looks at the clock again
  for (const auto& p : fds) {
    if (p.revents == 0) continue;
    auto it = watched_.find(p.fd);  // an earlier handler may have stopped watching it
    if (it == watched_.end()) continue;
    auto handler = it->second.handler;
    handler(p.revents);
  }
  return true;
}

void PollBackend::SleepUntil(platform::TimeMs deadline) {
  const platform::TimeMs left = deadline - Now();
  if (left > 0) std::this_thread::sleep_for(std::chrono::milliseconds(left));
}

void PollBackend::Watch(int fd, short events, ReadyHandler handler) {
  watched_[fd] = {events, std::move(handler)};
}

void PollBackend::SetEvents(int fd, short events) {
  auto it = watched_.find(fd);
  if (it != watched_.end()) it->second.events = events;
}

void PollBackend::Unwatch(int fd) {
  watched_.erase(fd);
}

}  // namespace tlj::posix
