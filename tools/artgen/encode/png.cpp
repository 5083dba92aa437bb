#include "tools/artgen/encode/png.h"

#include <png.h>

#include <cstring>
#include <stdexcept>
#include <string>

namespace tlj::artgen::encode {

void WritePng(const std::filesystem::path& file, const std::vector<std::uint8_t>& rgba, int width,
              int height) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGBA;
  if (png_image_write_to_file(&image, file.c_str(), 0, rgba.data(), 0, nullptr) == 0)
    throw std::runtime_error("artgen: cannot write " + file.string() + ": " + image.message);
}

}  // namespace tlj::artgen::encode
