#include "core/platform/event_loop.h"

#include <algorithm>
#include <utility>

namespace tlj::platform {

EventLoop::TimerId EventLoop::CreateTimer(std::function<void()> handler) {
  const TimerId id = next_timer_id_++;
  timers_[id].handler = std::move(handler);
  return id;
}

void EventLoop::DestroyTimer(TimerId id) {
  timers_.erase(id);
}

void EventLoop::SetInterval(TimerId id, TimeMs interval) {
  auto& t = timers_.at(id);
  t.interval = std::max<TimeMs>(interval, 1);
  if (t.enabled) t.due = Now() + t.interval;
}

void EventLoop::SetEnabled(TimerId id, bool enabled) {
  auto& t = timers_.at(id);
  if (enabled && !t.enabled) t.due = Now() + std::max<TimeMs>(t.interval, 1);
  t.enabled = enabled;
}

bool EventLoop::Enabled(TimerId id) const {
  auto it = timers_.find(id);
  return it != timers_.end() && it->second.enabled;
}

TimeMs EventLoop::Interval(TimerId id) const {
  return timers_.at(id).interval;
}

void EventLoop::Post(std::function<void()> event) {
  posted_.push_back(std::move(event));
}

TimeMs EventLoop::NextTimerDue() const {
  TimeMs next = kForever;
  for (const auto& [id, t] : timers_)
    if (t.enabled && !t.running) next = std::min(next, t.due);
  return next;
}

bool EventLoop::HandleOneReady() {
  if (!posted_.empty()) {
    auto event = std::move(posted_.front());
    posted_.pop_front();
    event();
    return true;
  }
  // The earliest due timer; ties go to the timer created first.
  const TimeMs now = Now();
  TimerId chosen = 0;
  TimeMs chosen_due = kForever;
  for (const auto& [id, t] : timers_) {
    if (t.enabled && !t.running && t.due <= now && t.due < chosen_due) {
      chosen = id;
      chosen_due = t.due;
    }
  }
  if (chosen == 0) return false;
  auto& t = timers_.at(chosen);
  t.due = now + t.interval;
  t.running = true;
  auto handler = t.handler;  // the handler may destroy its own timer
  struct Done {
    EventLoop* loop;
    TimerId id;
    ~Done() {
      auto it = loop->timers_.find(id);
      if (it != loop->timers_.end()) it->second.running = false;
    }
  } done{this, chosen};
  handler();
  return true;
}

bool EventLoop::RunOnce(TimeMs deadline) {
  if (HandleOneReady()) return true;
  const TimeMs wake = std::min(deadline, NextTimerDue());
  if (wake <= Now()) return true;
  return backend_.WaitForEvents(wake, *this);
}

void EventLoop::ProcessEventsUntil(TimeMs deadline) {
  Render();
  while (Now() < deadline) {
    if (!RunOnce(deadline)) return;
  }
}

void EventLoop::ProcessEventsUntil(TimeMs deadline, const std::function<bool()>& done) {
  Render();
  while (!done() && Now() < deadline) {
    if (!RunOnce(deadline)) return;
  }
}

void EventLoop::SleepUntil(TimeMs deadline) {
  Render();
  backend_.SleepUntil(deadline);
}

void EventLoop::ProcessReadyEvents() {
  while (HandleOneReady()) {
  }
}

int EventLoop::Run() {
  try {
    while (RunOnce(kForever)) {
    }
    return 0;
  } catch (const ProcessExit& exit) {
    return exit.code;
  }
}

Timer& Timer::operator=(Timer&& other) noexcept {
  if (this != &other) {
    if (loop_ != nullptr) loop_->DestroyTimer(id_);
    loop_ = std::exchange(other.loop_, nullptr);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

Timer::~Timer() {
  if (loop_ != nullptr) loop_->DestroyTimer(id_);
}

}  // namespace tlj::platform
