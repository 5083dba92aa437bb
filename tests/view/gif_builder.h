#pragma once
// Small GIFs for the tests, written with giflib's encoder, and byte-level edits that damage
// them in chosen ways.

#include <gif_lib.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace tlj::testing {

struct Colour {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Colour&) const = default;
};

struct GifFrame {
  int left = 0;
  int top = 0;
  int width = 1;
  int height = 1;
  std::vector<std::uint8_t> pixels;  // colour indexes, width * height; empty: all index 0
  std::vector<Colour> local;         // a local colour table (power-of-two size) when not empty
  bool control = false;              // writes a graphic control block with the three below
  int disposal = 0;
  int delay = 0;  // hundredths of a second
  int transparent = -1;
  bool interlaced = false;
};

struct GifPlan {
  int width = 1;
  int height = 1;
  std::vector<Colour> global;  // power-of-two size; empty: no global table
  std::optional<int> loops;    // a NETSCAPE2.0 block
  std::vector<GifFrame> frames;
};

inline GifPlan Plan(int width, int height, std::vector<Colour> global,
                    std::vector<GifFrame> frames) {
  GifPlan plan;
  plan.width = width;
  plan.height = height;
  plan.global = std::move(global);
  plan.frames = std::move(frames);
  return plan;
}

// A frame of one colour index everywhere.
inline GifFrame Filled(int left, int top, int width, int height, std::uint8_t index) {
  GifFrame f;
  f.left = left;
  f.top = top;
  f.width = width;
  f.height = height;
  f.pixels.assign(static_cast<std::size_t>(width) * height, index);
  return f;
}

inline GifFrame Timed(GifFrame f, int delay, int disposal = 1, int transparent = -1) {
  f.control = true;
  f.delay = delay;
  f.disposal = disposal;
  f.transparent = transparent;
  return f;
}

// A palette whose entry i is (i, 255 - i, i / 2): every index has its own colour.
inline std::vector<Colour> Ramp(int size = 256) {
  std::vector<Colour> colours;
  for (int i = 0; i < size; ++i)
    colours.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                       static_cast<std::uint8_t>(i / 2)});
  return colours;
}

namespace detail {

inline int AppendGifBytes(GifFileType* gif, const GifByteType* bytes, int n) {
  auto& out = *static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out.insert(out.end(), bytes, bytes + n);
  return n;
}

inline ColorMapObject* MakeMap(const std::vector<Colour>& colours) {
  if (colours.empty()) return nullptr;
  std::vector<GifColorType> raw;
  for (const Colour& c : colours) raw.push_back({c.r, c.g, c.b});
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(raw.size()), raw.data());
  if (map == nullptr) throw std::invalid_argument("colour tables hold a power of two entries");
  return map;
}

inline void Check(int result) {
  if (result != GIF_OK) throw std::runtime_error("giflib could not write the test GIF");
}

inline void PutFrame(GifFileType* gif, const GifFrame& f) {
  if (f.control) {
    GraphicsControlBlock control{f.disposal, false, f.delay, f.transparent};
    GifByteType block[4];
    EGifGCBToExtension(&control, block);
    Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block));
  }
  ColorMapObject* local = MakeMap(f.local);
  const int put = EGifPutImageDesc(gif, f.left, f.top, f.width, f.height, f.interlaced, local);
  GifFreeMapObject(local);
  Check(put);
  std::vector<int> rows;
  if (f.interlaced) {
    for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
      for (int y = start; y < f.height; y += step) rows.push_back(y);
  } else {
    for (int y = 0; y < f.height; ++y) rows.push_back(y);
  }
  for (const int y : rows) {
    std::vector<GifPixelType> line(static_cast<std::size_t>(f.width), 0);
    if (!f.pixels.empty()) {
      const auto from = f.pixels.begin() + static_cast<std::ptrdiff_t>(y) * f.width;
      line.assign(from, from + f.width);
    }
    Check(EGifPutLine(gif, line.data(), f.width));
  }
}

}  // namespace detail

inline std::vector<std::uint8_t> BuildGif(const GifPlan& plan) {
  std::vector<std::uint8_t> out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, detail::AppendGifBytes, &error);
  if (gif == nullptr) throw std::runtime_error("giflib could not open a writer");
  EGifSetGifVersion(gif, true);
  ColorMapObject* global = detail::MakeMap(plan.global);
  const int screen = EGifPutScreenDesc(gif, plan.width, plan.height, 8, 0, global);
  GifFreeMapObject(global);
  detail::Check(screen);
  if (plan.loops) {
    detail::Check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE));
    detail::Check(EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0"));
    const GifByteType loop[3] = {1, static_cast<GifByteType>(*plan.loops & 0xFF),
                                 static_cast<GifByteType>((*plan.loops >> 8) & 0xFF)};
    detail::Check(EGifPutExtensionBlock(gif, 3, loop));
    detail::Check(EGifPutExtensionTrailer(gif));
  }
  for (const GifFrame& f : plan.frames) detail::PutFrame(gif, f);
  detail::Check(EGifCloseFile(gif, &error));
  return out;
}

// Rewrites the logical screen size (bytes 6..9), so that frames may reach past it.
inline std::vector<std::uint8_t> WithScreen(std::vector<std::uint8_t> gif, int width, int height) {
  gif[6] = static_cast<std::uint8_t>(width & 0xFF);
  gif[7] = static_cast<std::uint8_t>(width >> 8);
  gif[8] = static_cast<std::uint8_t>(height & 0xFF);
  gif[9] = static_cast<std::uint8_t>(height >> 8);
  return gif;
}

// Takes the global colour table out, leaving a file with no colour table at all when the frames
// have none of their own.
inline std::vector<std::uint8_t> WithoutGlobalTable(std::vector<std::uint8_t> gif) {
  if ((gif[10] & 0x80) == 0) return gif;
  const std::size_t size = std::size_t{3} << ((gif[10] & 7) + 1);
  gif.erase(gif.begin() + 13, gif.begin() + 13 + static_cast<std::ptrdiff_t>(size));
  gif[10] &= 0x78;
  return gif;
}

// The smallest complete GIF: one pixel of colour 0 (black) from a two-entry global table.
inline std::vector<std::uint8_t> TinyGif() {
  return {'G',  'I',  'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0,    0,    0,    0xFF, 0xFF,
          0xFF, 0x2C, 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 0x44, 0x01, 0x00, 0x3B};
}

}  // namespace tlj::testing
