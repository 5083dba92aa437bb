#include "core/view/anigif/gif_memory.h"

#include <algorithm>
#include <cstring>

namespace tlj::view::anigif {
namespace {

// Never reads past the end: a short read is how giflib learns that the file was cut.
int ReadGifMemory(GifFileType* gif, GifByteType* out, int wanted) {
  auto& source = *static_cast<GifMemorySource*>(gif->UserData);
  const std::size_t n =
      std::min(static_cast<std::size_t>(std::max(wanted, 0)), source.bytes.size() - source.at);
  std::memcpy(out, source.bytes.data() + source.at, n);
  source.at += n;
  return static_cast<int>(n);
}

}  // namespace

GifHandle OpenGifInMemory(GifMemorySource& source) {
  int error = 0;
  return GifHandle(DGifOpen(&source, ReadGifMemory, &error));
}

}  // namespace tlj::view::anigif
