#pragma once
// The lobby's account of what happens, one line per event with the seconds since it started.

#include <iosfwd>
#include <string_view>

#include "core/platform/event_loop.h"

namespace tlj::lobby_tool {

class Transcript {
 public:
  Transcript(std::ostream& out, const platform::EventLoop& loop)
      : out_(out), loop_(loop), start_(loop.Now()) {}

  // Written at once, so that a reader of a pipe sees each event as it happens.
  void Line(std::string_view text);

 private:
  std::ostream& out_;
  const platform::EventLoop& loop_;
  platform::TimeMs start_;
};

}  // namespace tlj::lobby_tool
