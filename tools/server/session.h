#pragma once
// One connection as the server keeps it: the frames still being put together, the token that
// stamps what it is sent, and where its frames go.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "core/platform/event_loop.h"
#include "tools/server/frame_assembler.h"
#include "tools/server/wire.h"

namespace tlj::server {

struct Session {
  using Send = std::function<void(const Frame&)>;

  int id = 0;
  std::uint16_t token = 0;
  Send send;
  FrameAssembler assembler;
  std::deque<platform::TimeMs> chat_times;  // of its lines passed on within the last second
};

// The span in which a connection's chat lines are counted against the flood limit.
inline constexpr platform::TimeMs kChatWindowMs = 1000;

// A different, non-zero token for each connection number.
std::uint16_t TokenFor(int sequence);

}  // namespace tlj::server
