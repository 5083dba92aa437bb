#pragma once
// One thread, one event loop. Timers, posted events and external events (socket, lobby, input)
// are handled one at a time. The clock and the way of waiting come from a backend, so the same
// loop runs on the machine's monotonic clock or on a virtual clock in tests.

#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <memory>

namespace tlj::platform {

using TimeMs = std::int64_t;
inline constexpr TimeMs kForever = std::numeric_limits<TimeMs>::max();

class EventLoop;

class LoopBackend {
 public:
  virtual ~LoopBackend() = default;
  virtual TimeMs Now() const = 0;
  // Waits until `deadline` or until an external event has been posted to `loop`.
  // Returns false when nothing can ever arrive (a virtual clock with an infinite deadline).
  virtual bool WaitForEvents(TimeMs deadline, EventLoop& loop) = 0;
  // A blocking sleep: nothing is handled meanwhile.
  virtual void SleepUntil(TimeMs deadline) = 0;
};

// Thrown to end the process from anywhere, nested waits included; caught where the loop runs.
struct ProcessExit {
  int code = 0;
};

class EventLoop {
 public:
  using TimerId = int;

  explicit EventLoop(LoopBackend& backend) : backend_(backend) {}
  EventLoop(const EventLoop&) = delete;
  EventLoop& operator=(const EventLoop&) = delete;

  TimeMs Now() const { return backend_.Now(); }
  LoopBackend& Backend() { return backend_; }

  // Timers in the manner of window timers: enabling one, or changing the interval of an
  // enabled one, starts its count afresh; it fires `interval` after it was last handed out,
  // and never while its own handler is still running.
  TimerId CreateTimer(std::function<void()> handler);
  void DestroyTimer(TimerId id);
  void SetInterval(TimerId id, TimeMs interval);
  void SetEnabled(TimerId id, bool enabled);
  bool Enabled(TimerId id) const;
  TimeMs Interval(TimerId id) const;

  // Queues an event; events are handled in the order they were posted.
  void Post(std::function<void()> event);

  // Handles whatever is ready now, or waits for the next event up to `deadline`.
  // Returns false when there is nothing left that could ever happen.
  bool RunOnce(TimeMs deadline);
  // A wait that lets other events through: handles events until the clock reaches `deadline`.
  void ProcessEventsUntil(TimeMs deadline);
  // The same, ending early once `done` holds (checked after each event).
  void ProcessEventsUntil(TimeMs deadline, const std::function<bool()>& done);
  // Handles every event that is ready now, waiting for nothing.
  void ProcessReadyEvents();
  // A wait that does not: the clock moves on, nothing is handled.
  void SleepUntil(TimeMs deadline);

  // Runs at the start of every wait, pumping or blocking, so that a front end draws what the
  // handler changed before the wait: an animation that waits between its steps shows each
  // step. The hook draws only; it must not run handlers or wait.
  void SetRenderHook(std::function<void()> hook) { render_hook_ = std::move(hook); }

  // Runs until the process ends (ProcessExit) and returns the exit code.
  int Run();

  bool HasPendingEvents() const { return !posted_.empty(); }
  TimeMs NextTimerDue() const;

 private:
  struct TimerState {
    std::function<void()> handler;
    TimeMs interval = 0;
    bool enabled = false;
    bool running = false;
    TimeMs due = 0;
  };
  bool HandleOneReady();
  void Render() {
    if (render_hook_) render_hook_();
  }

  LoopBackend& backend_;
  std::map<TimerId, TimerState> timers_;
  std::deque<std::function<void()>> posted_;
  TimerId next_timer_id_ = 1;
  std::function<void()> render_hook_;
};

// A named window timer owned by a window, as the logic sees it.
class Timer {
 public:
  Timer() = default;
  Timer(EventLoop& loop, std::function<void()> handler)
      : loop_(&loop), id_(loop.CreateTimer(std::move(handler))) {}
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  Timer(Timer&& other) noexcept { *this = std::move(other); }
  Timer& operator=(Timer&& other) noexcept;
  ~Timer();

  void SetInterval(TimeMs ms) { loop_->SetInterval(id_, ms); }
  void SetEnabled(bool on) { loop_->SetEnabled(id_, on); }
  bool Enabled() const { return loop_ != nullptr && loop_->Enabled(id_); }
  TimeMs Interval() const { return loop_->Interval(id_); }

 private:
  EventLoop* loop_ = nullptr;
  EventLoop::TimerId id_ = 0;
};

}  // namespace tlj::platform
