#pragma once
// The control's own walk over a GIF file: it finds the frames, their places, palettes,
// transparency, disposal and delays, the loop count and the canvas size. The image data is
// decoded elsewhere, one frame at a time.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tlj::view::anigif {

// Larger canvases are refused before any pixel memory is taken.
inline constexpr int kMaxCanvasSide = 4096;
// All frames together hold at most this many pixels (one byte each while decoded).
inline constexpr std::size_t kMaxFramePixels = std::size_t{64} << 20;

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

struct FrameInfo {
  int left = 0;  // place on the canvas, in canvas pixels
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;  // the local colour table, or the global one
  bool transparent = false;
  std::uint8_t transparent_index = 0;
  int disposal = 0;  // 0..3
  int delay_ms = 0;
  // The image descriptor, its local colour table and its data, as offsets into the file.
  std::size_t block_begin = 0;
  std::size_t block_end = 0;
};

struct ParsedGif {
  int width = 0;  // the canvas: the logical screen, grown to hold every frame
  int height = 0;
  std::optional<int> loops;  // the NETSCAPE2.0 loop count, when the file has one
  std::vector<FrameInfo> frames;
};

// What went wrong in a load: where, and a short text.
struct LoadError {
  std::string source;
  std::string text;
};

inline constexpr const char* kReadGifFile = "ReadGifFile";
inline constexpr const char* kEndOfFile = "End of File";

// False, with the reason in `error`, when the bytes are not a GIF this control can show.
bool ParseGif(std::span<const std::uint8_t> bytes, ParsedGif& gif, LoadError& error);

// "GIF87a" or "GIF89a", in any case.
bool HasGifSignature(std::span<const std::uint8_t> bytes);

}  // namespace tlj::view::anigif
