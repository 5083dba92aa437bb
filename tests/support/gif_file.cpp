#include "tests/support/gif_file.h"

#include <algorithm>

namespace tlj::testing {

GifFile::GifFile(std::span<const std::uint8_t> bytes) : reader_{bytes} {
  int error = 0;
  gif_ = DGifOpen(&reader_, Read, &error);
  if (gif_ != nullptr) slurped_ = DGifSlurp(gif_) == GIF_OK;
}

GifFile::~GifFile() {
  if (gif_ != nullptr) DGifCloseFile(gif_, nullptr);
}

int GifFile::Read(GifFileType* gif, GifByteType* out, int length) {
  auto* reader = static_cast<Reader*>(gif->UserData);
  const std::size_t n =
      std::min(static_cast<std::size_t>(length), reader->bytes.size() - reader->at);
  std::copy_n(reader->bytes.begin() + static_cast<std::ptrdiff_t>(reader->at), n, out);
  reader->at += n;
  return static_cast<int>(n);
}

const ColorMapObject* GifFile::PaletteOf(int k) const {
  const ColorMapObject* local = gif_->SavedImages[k].ImageDesc.ColorMap;
  return local != nullptr ? local : gif_->SColorMap;
}

bool GifFile::Control(int k, GraphicsControlBlock& out) const {
  return DGifSavedExtensionToGCB(gif_, k, &out) == GIF_OK;
}

std::vector<std::uint8_t> GifFile::Rgba(int k) const {
  const SavedImage& image = gif_->SavedImages[k];
  const ColorMapObject* palette = PaletteOf(k);
  GraphicsControlBlock control{};
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  Control(k, control);
  const std::size_t pixels =
      static_cast<std::size_t>(image.ImageDesc.Width) * image.ImageDesc.Height;
  std::vector<std::uint8_t> rgba(pixels * 4);
  for (std::size_t i = 0; i < pixels; ++i) {
    const int index = image.RasterBits[i];
    const GifColorType c = palette->Colors[index];
    rgba[i * 4 + 0] = c.Red;
    rgba[i * 4 + 1] = c.Green;
    rgba[i * 4 + 2] = c.Blue;
    rgba[i * 4 + 3] = index == control.TransparentColor ? 0 : 255;
  }
  return rgba;
}

Size JpegSize(std::span<const std::uint8_t> bytes) {
  // Walk the marker segments up to a start-of-frame (baseline, extended or progressive).
  std::size_t at = 2;
  while (at + 9 < bytes.size()) {
    if (bytes[at] != 0xFF) return {};
    const int marker = bytes[at + 1];
    const std::size_t length = static_cast<std::size_t>(bytes[at + 2] << 8 | bytes[at + 3]);
    if (marker >= 0xC0 && marker <= 0xC2)
      return {bytes[at + 7] << 8 | bytes[at + 8], bytes[at + 5] << 8 | bytes[at + 6]};
    at += 2 + length;
  }
  return {};
}

}  // namespace tlj::testing
