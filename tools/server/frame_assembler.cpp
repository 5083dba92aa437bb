#include "tools/server/frame_assembler.h"

#include <algorithm>

namespace tlj::server {

std::vector<Frame> FrameAssembler::Add(std::span<const std::uint8_t> bytes) {
  std::vector<Frame> frames;
  while (!bytes.empty()) {
    const std::size_t take = std::min(bytes.size(), partial_.size() - filled_);
    std::copy_n(bytes.begin(), take, partial_.begin() + filled_);
    filled_ += take;
    bytes = bytes.subspan(take);
    if (filled_ == partial_.size()) {
      frames.push_back(partial_);
      filled_ = 0;
    }
  }
  return frames;
}

}  // namespace tlj::server
