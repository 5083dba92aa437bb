#include "tools/artgen/encode/indexed_image.h"

namespace tlj::artgen::encode {

std::vector<std::uint8_t> ToRgba(const IndexedImage& image) {
  std::vector<std::uint8_t> out(image.indexes.size() * 4);
  for (std::size_t i = 0; i < image.indexes.size(); ++i) {
    const int index = image.indexes[i];
    const Rgb& c = image.palette.at(static_cast<std::size_t>(index));
    out[i * 4 + 0] = c[0];
    out[i * 4 + 1] = c[1];
    out[i * 4 + 2] = c[2];
    out[i * 4 + 3] = index == image.transparent ? 0 : 255;
  }
  return out;
}

}  // namespace tlj::artgen::encode
