#include "tools/artgen/encode/jpeg.h"

// libjpeg's header needs FILE and size_t declared first.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include <stdexcept>
#include <string>

namespace tlj::artgen::encode {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
  char message[JMSG_LENGTH_MAX];
};

// libjpeg's default would end the process; jump back out and report instead.
void OnError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->escape, 1);
}

// Only plain data lives in this frame, so the long jump skips no destructor.
bool Compress(const std::uint8_t* rgb, int width, int height, int quality, unsigned char** out,
              unsigned long* size, ErrorManager& errors) {
  jpeg_compress_struct info;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  if (setjmp(errors.escape) != 0) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, out, size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    auto* row =
        const_cast<JSAMPLE*>(rgb + static_cast<std::size_t>(info.next_scanline) * width * 3);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const std::vector<std::uint8_t>& rgba, int width, int height,
                                     int quality) {
  const std::size_t pixels = static_cast<std::size_t>(width) * height;
  if (width <= 0 || height <= 0 || rgba.size() != pixels * 4)
    throw std::invalid_argument("artgen: picture size and pixel count differ");
  std::vector<std::uint8_t> rgb(pixels * 3);
  for (std::size_t i = 0; i < pixels; ++i)
    for (int c = 0; c < 3; ++c) rgb[i * 3 + c] = rgba[i * 4 + c];
  unsigned char* out = nullptr;
  unsigned long size = 0;
  ErrorManager errors{};
  const bool ok = Compress(rgb.data(), width, height, quality, &out, &size, errors);
  std::vector<std::uint8_t> bytes;
  if (ok) bytes.assign(out, out + size);
  std::free(out);
  if (!ok) throw std::runtime_error(std::string("artgen: JPEG writing failed: ") + errors.message);
  return bytes;
}

}  // namespace tlj::artgen::encode
