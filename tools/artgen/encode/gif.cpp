#include "tools/artgen/encode/gif.h"

#include <gif_lib.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace tlj::artgen::encode {
namespace {

int Append(GifFileType* gif, const GifByteType* bytes, int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), bytes, bytes + length);
  return length;
}

struct MapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapDeleter>;

ColourMap MakeMap(const IndexedImage& image) {
  std::vector<GifColorType> colours;
  for (const Rgb& c : image.palette) colours.push_back({c[0], c[1], c[2]});
  ColourMap map(GifMakeMapObject(static_cast<int>(colours.size()), colours.data()));
  if (!map)
    throw std::runtime_error("artgen: a GIF palette must have 2..256 entries, a power of 2");
  return map;
}

// Writes one GIF through giflib's sequential API into a byte vector.
class Writer {
 public:
  explicit Writer(bool gif89) {
    int error = 0;
    gif_ = EGifOpen(&bytes_, Append, &error);
    if (gif_ == nullptr) Fail(error);
    EGifSetGifVersion(gif_, gif89);
  }
  ~Writer() {
    if (gif_ != nullptr) EGifCloseFile(gif_, nullptr);
  }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  void Screen(int width, int height, const ColorMapObject* global) {
    Check(EGifPutScreenDesc(gif_, width, height, 8, 0, global));
  }

  void Loop(int count) {
    const std::uint8_t loop[3] = {1, static_cast<std::uint8_t>(count & 0xFF),
                                  static_cast<std::uint8_t>(count >> 8)};
    Check(EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE));
    Check(EGifPutExtensionBlock(gif_, 11, "NETSCAPE2.0"));
    Check(EGifPutExtensionBlock(gif_, 3, loop));
    Check(EGifPutExtensionTrailer(gif_));
  }

  void Control(int delay, int disposal, int transparent) {
    GraphicsControlBlock block{disposal, false, delay, transparent};
    GifByteType extension[4];
    const auto length = EGifGCBToExtension(&block, extension);
    Check(EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension));
  }

  void Image(const IndexedImage& image, int left, int top, const ColorMapObject* local) {
    if (image.indexes.size() != static_cast<std::size_t>(image.width) * image.height)
      throw std::invalid_argument("artgen: picture size and index count differ");
    Check(EGifPutImageDesc(gif_, left, top, image.width, image.height, false, local));
    std::vector<GifPixelType> row(static_cast<std::size_t>(image.width));
    for (int y = 0; y < image.height; ++y) {
      const auto* first = &image.indexes[static_cast<std::size_t>(y) * image.width];
      row.assign(first, first + image.width);
      Check(EGifPutLine(gif_, row.data(), image.width));
    }
  }

  std::vector<std::uint8_t> Finish() {
    int error = 0;
    GifFileType* gif = gif_;
    gif_ = nullptr;
    if (EGifCloseFile(gif, &error) != GIF_OK) Fail(error);
    return std::move(bytes_);
  }

 private:
  void Check(int result) {
    if (result != GIF_OK) Fail(gif_->Error);
  }
  [[noreturn]] static void Fail(int error) {
    const char* text = GifErrorString(error);
    throw std::runtime_error(std::string("artgen: GIF writing failed: ") +
                             (text != nullptr ? text : "unknown error"));
  }

  std::vector<std::uint8_t> bytes_;
  GifFileType* gif_ = nullptr;
};

}  // namespace

std::vector<std::uint8_t> EncodeGif(const IndexedImage& image) {
  const bool transparent = image.transparent >= 0;
  Writer writer(transparent);
  const ColourMap map = MakeMap(image);
  writer.Screen(image.width, image.height, map.get());
  if (transparent) writer.Control(0, 0, image.transparent);
  writer.Image(image, 0, 0, nullptr);
  return writer.Finish();
}

std::vector<std::uint8_t> EncodeGifAnimation(const GifAnimation& animation) {
  if (animation.frames.empty()) throw std::invalid_argument("artgen: animation without frames");
  Writer writer(true);
  const ColourMap global = MakeMap(animation.frames.front().image);
  writer.Screen(animation.width, animation.height, global.get());
  writer.Loop(animation.loop_count);
  for (std::size_t i = 0; i < animation.frames.size(); ++i) {
    const GifFrame& frame = animation.frames[i];
    writer.Control(frame.delay, frame.disposal, frame.image.transparent);
    if (i == 0) {
      writer.Image(frame.image, frame.left, frame.top, nullptr);
    } else {
      const ColourMap local = MakeMap(frame.image);
      writer.Image(frame.image, frame.left, frame.top, local.get());
    }
  }
  return writer.Finish();
}

}  // namespace tlj::artgen::encode
