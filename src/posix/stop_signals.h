#pragma once
// SIGINT and SIGTERM turned into loop events, so a program ends through its normal clean-up
// instead of in the middle of a step.

#include <functional>

#include "core/platform/event_loop.h"
#include "posix/poll_backend.h"

namespace tlj::posix {

class StopSignals {
 public:
  // `on_stop` runs as a loop event with the signal's number; it may throw ProcessExit.
  // Only one object may exist at a time.
  StopSignals(platform::EventLoop& loop, PollBackend& poll,
              std::function<void(int signal)> on_stop);
  ~StopSignals();  // puts the default handling back
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

 private:
  void Drain();

  platform::EventLoop& loop_;
  PollBackend& poll_;
  std::function<void(int)> on_stop_;
};

}  // namespace tlj::posix
