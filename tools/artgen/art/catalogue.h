#pragma once
// Every picture of the client by id, with its size, its file format and how to draw it.

#include <functional>
#include <vector>

#include "tools/artgen/draw/canvas.h"
#include "tools/artgen/encode/gif.h"
#include "tools/artgen/encode/quantize.h"

namespace tlj::artgen::art {

enum class Format { kGif, kJpeg };

struct Entry {
  int id;
  int width;
  int height;
  Format format;
  std::function<draw::Canvas()> draw;
  encode::QuantizeOptions quantize = {};
};

using Entries = std::vector<Entry>;

// The single pictures (all but the animated hot pot), by ascending id.
Entries Catalogue();

// The window designs' pictures, one for each entry of view::kDesignPictures, by ascending
// number; here an entry's id is its number in that list.
Entries DesignCatalogue();

inline constexpr int kHotPotId = 876;
// The animated hot pot: three frames, each with its own 256-colour palette.
encode::GifAnimation HotPot();

}  // namespace tlj::artgen::art
