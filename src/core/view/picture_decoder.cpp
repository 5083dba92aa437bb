#include "core/view/picture_decoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

// libjpeg's headers need FILE and size_t declared first, and jerror.h needs jpeglib.h.
#include <jpeglib.h>

#include <jerror.h>

#include "core/view/anigif/gif_memory.h"

namespace tlj::view {
namespace {

using platform::Image;

bool IsGif(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 6 && (std::memcmp(bytes.data(), "GIF87a", 6) == 0 ||
                               std::memcmp(bytes.data(), "GIF89a", 6) == 0);
}

bool IsJpeg(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

// ---- GIF: the first frame through giflib's record interface, so that nothing past the first
// image is read and no pixel memory is taken before the sizes are checked.

struct Transparency {
  bool on = false;
  int index = 0;
};

// Reads an extension; a graphic control block sets the transparency of the image after it.
bool ReadExtension(GifFileType* gif, Transparency& transparency) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
  if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
    transparency.on = (block[1] & 1) != 0;
    transparency.index = block[4];
  }
  while (block != nullptr) {
    if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
  }
  return true;
}

// Rows in the order the file stores them: an interlaced image in its four passes.
std::vector<int> RowOrder(int height, bool interlaced) {
  std::vector<int> rows;
  rows.reserve(static_cast<std::size_t>(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) rows.push_back(y);
    return rows;
  }
  constexpr int kStart[] = {0, 4, 2, 1};
  constexpr int kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = kStart[pass]; y < height; y += kStep[pass]) rows.push_back(y);
  return rows;
}

std::shared_ptr<const Image> ReadFirstImage(GifFileType* gif, const Transparency& transparency) {
  if (DGifGetImageDesc(gif) != GIF_OK) return nullptr;
  const GifImageDesc& desc = gif->Image;
  const ColorMapObject* map = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
  if (map == nullptr || map->Colors == nullptr) return nullptr;
  if (desc.Left < 0 || desc.Top < 0 || desc.Width <= 0 || desc.Height <= 0) return nullptr;
  const int width = std::max(gif->SWidth, desc.Left + desc.Width);
  const int height = std::max(gif->SHeight, desc.Top + desc.Height);
  if (width > kMaxPictureSide || height > kMaxPictureSide) return nullptr;

  // Indexes past the table's end show black, as an unfilled palette entry would.
  std::uint8_t colors[256][4] = {};
  for (int i = 0; i < 256; ++i) {
    if (i < map->ColorCount) {
      colors[i][0] = map->Colors[i].Red;
      colors[i][1] = map->Colors[i].Green;
      colors[i][2] = map->Colors[i].Blue;
    }
    colors[i][3] = 255;
  }
  if (transparency.on) std::memset(colors[transparency.index], 0, 4);

  auto image = std::make_shared<Image>();
  image->width = width;
  image->height = height;
  image->rgba.assign(static_cast<std::size_t>(width) * height * 4, 0);
  std::vector<GifPixelType> line(static_cast<std::size_t>(desc.Width));
  for (const int y : RowOrder(desc.Height, desc.Interlace)) {
    if (DGifGetLine(gif, line.data(), desc.Width) != GIF_OK) return nullptr;
    std::uint8_t* out = image->Pixel(desc.Left, desc.Top + y);
    for (const GifPixelType index : line) {
      std::memcpy(out, colors[index], 4);
      out += 4;
    }
  }
  return image;
}

std::shared_ptr<const Image> DecodeGif(std::span<const std::uint8_t> bytes) {
  anigif::GifMemorySource source{bytes};
  const anigif::GifHandle gif = anigif::OpenGifInMemory(source);
  if (!gif) return nullptr;
  Transparency transparency;
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &record) != GIF_OK) return nullptr;
    switch (record) {
      case EXTENSION_RECORD_TYPE:
        if (!ReadExtension(gif.get(), transparency)) return nullptr;
        break;
      case IMAGE_DESC_RECORD_TYPE:
        return ReadFirstImage(gif.get(), transparency);
      default:
        return nullptr;  // the trailer, or anything else, before any image
    }
  }
}

// ---- JPEG through libjpeg. Its errors jump back to the caller of setjmp, so the functions the
// jump crosses hold no object with a destructor.

struct JpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOnJpegError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

// Failures are quiet: libjpeg would otherwise print its messages on stderr.
void IgnoreJpegMessage(j_common_ptr) {}

// Progressive files may carry any number of scans; a damaged or hostile one could keep the
// decoder busy for minutes, so more scans than any real encoder writes count as an error.
constexpr int kMaxJpegScans = 500;

void LimitJpegScans(j_common_ptr info) {
  if (info->is_decompressor &&
      reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxJpegScans) {
    info->err->msg_code = JERR_BAD_PROGRESSION;
    info->err->error_exit(info);
  }
}

// Every libjpeg call that may fail; an error leaves through the jump, never by returning.
bool ReadJpeg(jpeg_decompress_struct& info, jpeg_progress_mgr& progress,
              std::span<const std::uint8_t> bytes, Image& image) {
  jpeg_create_decompress(&info);
  info.progress = &progress;
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  if (info.image_width == 0 || info.image_height == 0 || info.image_width > kMaxPictureSide ||
      info.image_height > kMaxPictureSide) {
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3) return false;
  image.width = static_cast<int>(info.output_width);
  image.height = static_cast<int>(info.output_height);
  image.rgba.resize(static_cast<std::size_t>(image.width) * image.height * 4);
  JSAMPARRAY row = info.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                          info.output_width * 3, 1);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    if (jpeg_read_scanlines(&info, row, 1) != 1) return false;
    std::uint8_t* out = image.Pixel(0, y);
    for (int x = 0; x < image.width; ++x, out += 4) {
      std::memcpy(out, row[0] + x * 3, 3);
      out[3] = 255;
    }
  }
  jpeg_finish_decompress(&info);
  // libjpeg goes on past damaged data and fills in grey; such a picture is refused.
  return info.err->num_warnings == 0;
}

std::shared_ptr<const Image> DecodeJpeg(std::span<const std::uint8_t> bytes) {
  auto image = std::make_shared<Image>();
  jpeg_decompress_struct info{};
  JpegErrors errors{};
  jpeg_progress_mgr progress{};
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = JumpOnJpegError;
  errors.manager.output_message = IgnoreJpegMessage;
  progress.progress_monitor = LimitJpegScans;
  if (setjmp(errors.jump) != 0) {
    jpeg_destroy_decompress(&info);
    return nullptr;
  }
  const bool ok = ReadJpeg(info, progress, bytes, *image);
  jpeg_destroy_decompress(&info);
  if (!ok) return nullptr;
  return image;
}

}  // namespace

std::shared_ptr<const platform::Image> DecodePicture(std::span<const std::uint8_t> bytes) {
  if (IsGif(bytes)) return DecodeGif(bytes);
  if (IsJpeg(bytes)) return DecodeJpeg(bytes);
  return nullptr;
}

}  // namespace tlj::view
