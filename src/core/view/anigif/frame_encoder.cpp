#include "core/view/anigif/frame_encoder.h"

#include <gif_lib.h>

#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <unordered_map>

namespace tlj::view::anigif {
namespace {

constexpr int kColoursBesideTransparent = 255;

struct Indexed {
  std::vector<GifByteType> pixels;
  std::array<GifColorType, 256> palette{};
  int used = 0;  // palette entries in use
  std::optional<int> transparent;
};

bool IsClear(const std::uint8_t* pixel) {
  return pixel[3] < 128;
}

// The picture's own colours, when there are few enough.
bool IndexExactly(const platform::Image& image, Indexed& out) {
  std::unordered_map<std::uint32_t, GifByteType> index;
  const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
  out.pixels.resize(count);
  bool clear_seen = false;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* p = image.rgba.data() + i * 4;
    if (IsClear(p)) {
      clear_seen = true;
      continue;
    }
    const std::uint32_t key = (p[0] << 16) | (p[1] << 8) | p[2];
    auto [it, added] = index.try_emplace(key, static_cast<GifByteType>(index.size()));
    if (added) {
      if (index.size() > kColoursBesideTransparent) return false;
      out.palette[it->second] = {p[0], p[1], p[2]};
    }
    out.pixels[i] = it->second;
  }
  out.used = static_cast<int>(index.size());
  if (clear_seen) {
    out.transparent = out.used++;
    for (std::size_t i = 0; i < count; ++i)
      if (IsClear(image.rgba.data() + i * 4))
        out.pixels[i] = static_cast<GifByteType>(*out.transparent);
  }
  return true;
}

bool IndexReduced(const platform::Image& image, Indexed& out) {
  const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
  std::vector<GifByteType> red(count), green(count), blue(count);
  for (std::size_t i = 0; i < count; ++i) {
    red[i] = image.rgba[i * 4];
    green[i] = image.rgba[i * 4 + 1];
    blue[i] = image.rgba[i * 4 + 2];
  }
  out.pixels.resize(count);
  int size = kColoursBesideTransparent;
  if (GifQuantizeBuffer(static_cast<unsigned>(image.width), static_cast<unsigned>(image.height),
                        &size, red.data(), green.data(), blue.data(), out.pixels.data(),
                        out.palette.data()) != GIF_OK) {
    return false;
  }
  out.used = kColoursBesideTransparent + 1;
  out.transparent = kColoursBesideTransparent;
  for (std::size_t i = 0; i < count; ++i)
    if (IsClear(image.rgba.data() + i * 4)) out.pixels[i] = kColoursBesideTransparent;
  return true;
}

int AppendBytes(GifFileType* gif, const GifByteType* bytes, int n) {
  auto& out = *static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out.insert(out.end(), bytes, bytes + n);
  return n;
}

struct MapFreer {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

bool Write(const platform::Image& image, Indexed& indexed, std::vector<std::uint8_t>& out) {
  int table = 2;  // a colour table holds a power of two entries, at least two
  while (table < indexed.used) table *= 2;
  std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(table, indexed.palette.data()));
  if (!map) return false;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, AppendBytes, &error);
  if (gif == nullptr) return false;
  EGifSetGifVersion(gif, true);
  bool ok =
      EGifPutScreenDesc(gif, image.width, image.height, GifBitSize(table), 0, map.get()) == GIF_OK;
  if (ok && indexed.transparent) {
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, *indexed.transparent};
    GifByteType block[4];
    EGifGCBToExtension(&control, block);
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block) == GIF_OK;
  }
  ok = ok && EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < image.height; ++y) {
    GifByteType* row = indexed.pixels.data() + static_cast<std::size_t>(y) * image.width;
    ok = EGifPutLine(gif, row, image.width) == GIF_OK;
  }
  return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

}  // namespace

std::vector<std::uint8_t> EncodeGif(const platform::Image& image) {
  std::vector<std::uint8_t> out;
  if (image.width <= 0 || image.height <= 0) return out;
  Indexed indexed;
  if (!IndexExactly(image, indexed)) {
    indexed = Indexed{};
    if (!IndexReduced(image, indexed)) return out;
  }
  if (!Write(image, indexed, out)) out.clear();
  return out;
}

}  // namespace tlj::view::anigif
