#include "core/view/anigif/frame_decoder.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "core/view/anigif/gif_memory.h"

namespace tlj::view::anigif {
namespace {

// The signature, screen descriptor, a 256-entry table and the trailer around the frame's block.
constexpr std::size_t kWrapperBytes = 6 + 7 + 768 + 1;

void PutWord(std::vector<std::uint8_t>& out, int value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

// The frame as a GIF of its own: a screen of the frame's size, the frame at 0, 0. giflib hands
// back colour indexes whatever the tables hold, so the frame's own tables stay as they are and
// the global table is a plain ramp that only makes the file complete.
void WrapFrame(std::span<const std::uint8_t> file, const FrameInfo& frame,
               std::vector<std::uint8_t>& out) {
  out.clear();
  out.reserve(kWrapperBytes + (frame.block_end - frame.block_begin));
  for (const char c : {'G', 'I', 'F', '8', '9', 'a'}) out.push_back(static_cast<std::uint8_t>(c));
  PutWord(out, frame.width);
  PutWord(out, frame.height);
  out.push_back(static_cast<std::uint8_t>(file[10] | 0x87));
  out.push_back(0);  // background colour
  out.push_back(file[12]);
  for (int i = 0; i < 256; ++i) {
    out.push_back(0);
    out.push_back(0);
    out.push_back(static_cast<std::uint8_t>(i));
  }
  const std::size_t descriptor = out.size();
  out.insert(out.end(), file.begin() + static_cast<std::ptrdiff_t>(frame.block_begin),
             file.begin() + static_cast<std::ptrdiff_t>(frame.block_end));
  std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(descriptor) + 1, 4, std::uint8_t{0});
  out.push_back(0x3B);
}

}  // namespace

bool DecodeFrame(std::span<const std::uint8_t> file, const FrameInfo& frame,
                 std::vector<std::uint8_t>& scratch, std::vector<std::uint8_t>& indexes) {
  WrapFrame(file, frame, scratch);
  GifMemorySource source{scratch};
  const GifHandle gif = OpenGifInMemory(source);
  if (!gif) return false;
  GifRecordType record = UNDEFINED_RECORD_TYPE;
  if (DGifGetRecordType(gif.get(), &record) != GIF_OK || record != IMAGE_DESC_RECORD_TYPE ||
      DGifGetImageDesc(gif.get()) != GIF_OK) {
    return false;
  }
  const GifImageDesc& desc = gif->Image;
  if (desc.Width != frame.width || desc.Height != frame.height) return false;
  indexes.resize(static_cast<std::size_t>(frame.width) * frame.height);
  const auto line = [&](int y) {
    return indexes.data() + static_cast<std::size_t>(y) * desc.Width;
  };
  if (!desc.Interlace) {
    for (int y = 0; y < desc.Height; ++y)
      if (DGifGetLine(gif.get(), line(y), desc.Width) != GIF_OK) return false;
    return true;
  }
  constexpr int kStart[] = {0, 4, 2, 1};
  constexpr int kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = kStart[pass]; y < desc.Height; y += kStep[pass])
      if (DGifGetLine(gif.get(), line(y), desc.Width) != GIF_OK) return false;
  return true;
}

}  // namespace tlj::view::anigif
