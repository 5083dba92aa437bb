#pragma once
// Cuts a connection's byte stream into frames. Nothing marks a frame's end: boundaries follow
// from counting bytes from the start of the connection, however the stream was split.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "tools/server/wire.h"

namespace tlj::server {

class FrameAssembler {
 public:
  // The frames that `bytes` complete, in order.
  std::vector<Frame> Add(std::span<const std::uint8_t> bytes);
  // Bytes held of a frame not yet complete.
  std::size_t Pending() const { return filled_; }

 private:
  Frame partial_{};
  std::size_t filled_ = 0;
};

}  // namespace tlj::server
