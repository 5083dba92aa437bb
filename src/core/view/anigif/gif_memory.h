#pragma once
// Opening a GIF held in memory with giflib (also used by the still-picture decoder).

#include <gif_lib.h>

#include <cstdint>
#include <memory>
#include <span>

namespace tlj::view::anigif {

// The bytes giflib reads from; it must outlive the handle.
struct GifMemorySource {
  std::span<const std::uint8_t> bytes;
  std::size_t at = 0;
};

struct GifCloser {
  void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

// Null when giflib refuses the start of the file.
GifHandle OpenGifInMemory(GifMemorySource& source);

}  // namespace tlj::view::anigif
