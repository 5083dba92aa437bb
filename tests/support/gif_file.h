#pragma once
// A GIF read whole by giflib from bytes in memory, for looking at its structure.

#include <gif_lib.h>

#include <cstdint>
#include <span>
#include <vector>

namespace tlj::testing {

class GifFile {
 public:
  explicit GifFile(std::span<const std::uint8_t> bytes);
  ~GifFile();
  GifFile(const GifFile&) = delete;
  GifFile& operator=(const GifFile&) = delete;

  // False when giflib could not read the whole file.
  bool Ok() const { return gif_ != nullptr && slurped_; }
  const GifFileType* operator->() const { return gif_; }
  GifFileType* get() { return gif_; }

  // The palette that applies to image k: its own, else the global one.
  const ColorMapObject* PaletteOf(int k) const;
  // The graphic control block of image k; false when the image has none.
  bool Control(int k, GraphicsControlBlock& out) const;
  // Image k as straight RGBA, its transparent colour with alpha 0.
  std::vector<std::uint8_t> Rgba(int k) const;

 private:
  struct Reader {
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
  };
  static int Read(GifFileType* gif, GifByteType* out, int length);

  Reader reader_;
  GifFileType* gif_ = nullptr;
  bool slurped_ = false;
};

struct Size {
  int width = 0, height = 0;
  bool operator==(const Size&) const = default;
};

// The frame size a JPEG's start-of-frame marker gives, or 0 × 0 when there is none.
Size JpegSize(std::span<const std::uint8_t> bytes);

}  // namespace tlj::testing
