#pragma once
// GIF files written with giflib.

#include <cstdint>
#include <vector>

#include "tools/artgen/encode/indexed_image.h"

namespace tlj::artgen::encode {

// One picture: GIF87a, or GIF89a with a graphic control extension when it has a transparent
// colour.
std::vector<std::uint8_t> EncodeGif(const IndexedImage& image);

struct GifFrame {
  IndexedImage image;
  int left = 0;
  int top = 0;
  int delay = 0;     // hundredths of a second
  int disposal = 0;  // 0..3 as the graphic control extension says
};

struct GifAnimation {
  int width = 0;
  int height = 0;
  int loop_count = 0;  // 0: without end
  // The first frame's palette is the file's global colour table; the others bring their own.
  std::vector<GifFrame> frames;
};

// GIF89a with the NETSCAPE2.0 loop extension and a graphic control extension per frame.
std::vector<std::uint8_t> EncodeGifAnimation(const GifAnimation& animation);

}  // namespace tlj::artgen::encode
