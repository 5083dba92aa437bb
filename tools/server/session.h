#pragma once
// One connection as the server keeps it: the frames still being put together, the token that
// stamps what it is sent, and where its frames go.

#include <cstdint>
#include <functional>
#include <string>

#include "tools/server/frame_assembler.h"
#include "tools/server/wire.h"

namespace tlj::server {

struct Session {
  using Send = std::function<void(const Frame&)>;

  int id = 0;
  std::uint16_t token = 0;
  Send send;
  FrameAssembler assembler;
};

// A different, non-zero token for each connection number.
std::uint16_t TokenFor(int sequence);

}  // namespace tlj::server
