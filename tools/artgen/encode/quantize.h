#pragma once
// Reduces an RGBA picture to at most 256 colours, one of them transparent where needed.

#include <cstdint>
#include <optional>
#include <vector>

#include "tools/artgen/encode/indexed_image.h"

namespace tlj::artgen::encode {

struct QuantizeOptions {
  // GIF knows only opaque or transparent: pixels at least this opaque are kept, blended over
  // the matte; the others become transparent.
  float alpha_threshold = 0.5f;
  // The colour of the ground the picture is shown on. Left out for a picture shown on grounds
  // of different colours: its edge is then blended over the mean colour of its own edge, so
  // that the rim keeps the picture's colour on any ground instead of a fringe of another.
  std::optional<Rgb> matte;
  // -1: the palette is as small as the colours allow and a transparent colour, if any, comes
  // last. Otherwise the palette has 256 entries and this index is the transparent colour.
  int transparent_index = -1;
};

IndexedImage Quantize(const std::vector<std::uint8_t>& rgba, int width, int height,
                      const QuantizeOptions& options = {});

}  // namespace tlj::artgen::encode
