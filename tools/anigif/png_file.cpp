#include "tools/anigif/png_file.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>

namespace tlj::anigif_tool {
namespace {

// Every libpng call; an error jumps back to WritePng, so this frame holds nothing with a
// destructor.
void WriteRows(png_structp png, png_infop info, std::FILE* file, const platform::Image& image) {
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
               static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < image.height; ++y) png_write_row(png, image.Pixel(0, y));
  png_write_end(png, info);
}

}  // namespace

bool WritePng(const std::filesystem::path& path, const platform::Image& image) {
  if (image.width <= 0 || image.height <= 0) return false;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  WriteRows(png, info, file, image);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

}  // namespace tlj::anigif_tool
