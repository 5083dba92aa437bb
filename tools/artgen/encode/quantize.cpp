#include "tools/artgen/encode/quantize.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tlj::artgen::encode {
namespace {

// The eye tells greens apart best and blues worst; errors are weighed accordingly.
constexpr double kWeight[3] = {3, 4, 2};
constexpr int kRefinements = 6;

struct Colour {
  std::uint32_t rgb;  // 0xRRGGBB
  std::uint32_t count;
  double Channel(int c) const { return static_cast<double>((rgb >> (16 - 8 * c)) & 0xFF); }
};

struct Box {
  std::size_t begin, end;
  double error;
};

struct Centroid {
  double c[3];
};

double Distance(const Colour& colour, const Centroid& centroid) {
  double d = 0;
  for (int c = 0; c < 3; ++c) {
    const double e = colour.Channel(c) - centroid.c[c];
    d += kWeight[c] * e * e;
  }
  return d;
}

// Weighted squared error of the colours around their mean.
double BoxError(const std::vector<Colour>& colours, std::size_t begin, std::size_t end) {
  double n = 0, s1[3] = {}, s2[3] = {};
  for (std::size_t i = begin; i < end; ++i) {
    const double w = colours[i].count;
    n += w;
    for (int c = 0; c < 3; ++c) {
      s1[c] += w * colours[i].Channel(c);
      s2[c] += w * colours[i].Channel(c) * colours[i].Channel(c);
    }
  }
  double error = 0;
  for (int c = 0; c < 3; ++c) error += kWeight[c] * (s2[c] - s1[c] * s1[c] / n);
  return error;
}

// Splits the box along its widest channel where the two halves' errors add up least.
std::size_t SplitPoint(std::vector<Colour>& colours, const Box& box) {
  double spread[3];
  for (int c = 0; c < 3; ++c) {
    double lo = 255, hi = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
      lo = std::min(lo, colours[i].Channel(c));
      hi = std::max(hi, colours[i].Channel(c));
    }
    spread[c] = kWeight[c] * (hi - lo) * (hi - lo);
  }
  const int axis = static_cast<int>(std::max_element(spread, spread + 3) - spread);
  std::sort(colours.begin() + static_cast<std::ptrdiff_t>(box.begin),
            colours.begin() + static_cast<std::ptrdiff_t>(box.end),
            [axis](const Colour& a, const Colour& b) {
              const double ca = a.Channel(axis), cb = b.Channel(axis);
              return ca != cb ? ca < cb : a.rgb < b.rgb;
            });
  double total_n = 0, total_s1 = 0, total_s2 = 0;
  for (std::size_t i = box.begin; i < box.end; ++i) {
    const double v = colours[i].Channel(axis);
    total_n += colours[i].count;
    total_s1 += colours[i].count * v;
    total_s2 += colours[i].count * v * v;
  }
  double n = 0, s1 = 0, s2 = 0, best = -1;
  std::size_t best_at = box.begin + 1;
  for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
    const double v = colours[i].Channel(axis);
    n += colours[i].count;
    s1 += colours[i].count * v;
    s2 += colours[i].count * v * v;
    const double rn = total_n - n, rs1 = total_s1 - s1, rs2 = total_s2 - s2;
    const double error = (s2 - s1 * s1 / n) + (rs2 - rs1 * rs1 / rn);
    if (best < 0 || error < best) {
      best = error;
      best_at = i + 1;
    }
  }
  return best_at;
}

std::vector<Centroid> MedianCut(std::vector<Colour> colours, std::size_t wanted) {
  std::vector<Box> boxes{{0, colours.size(), BoxError(colours, 0, colours.size())}};
  while (boxes.size() < wanted) {
    std::size_t pick = boxes.size();
    for (std::size_t i = 0; i < boxes.size(); ++i)
      if (boxes[i].end - boxes[i].begin >= 2 && boxes[i].error > 0 &&
          (pick == boxes.size() || boxes[i].error > boxes[pick].error))
        pick = i;
    if (pick == boxes.size()) break;
    const Box box = boxes[pick];
    const std::size_t at = SplitPoint(colours, box);
    boxes[pick] = {box.begin, at, BoxError(colours, box.begin, at)};
    boxes.push_back({at, box.end, BoxError(colours, at, box.end)});
  }
  std::vector<Centroid> centroids;
  for (const Box& box : boxes) {
    double n = 0, s[3] = {};
    for (std::size_t i = box.begin; i < box.end; ++i) {
      n += colours[i].count;
      for (int c = 0; c < 3; ++c) s[c] += colours[i].count * colours[i].Channel(c);
    }
    centroids.push_back({{s[0] / n, s[1] / n, s[2] / n}});
  }
  return centroids;
}

std::size_t Nearest(const Colour& colour, const std::vector<Centroid>& centroids) {
  std::size_t best = 0;
  double best_distance = Distance(colour, centroids[0]);
  const double channel[3] = {colour.Channel(0), colour.Channel(1), colour.Channel(2)};
  for (std::size_t k = 1; k < centroids.size(); ++k) {
    // Adding up channel by channel, most centroids are out of the running after one or two.
    double d = 0;
    for (int c = 0; c < 3 && d < best_distance; ++c) {
      const double e = channel[c] - centroids[k].c[c];
      d += kWeight[c] * e * e;
    }
    if (d < best_distance) {
      best_distance = d;
      best = k;
    }
  }
  return best;
}

// Moves every palette colour to the mean of the colours it stands for (k-means).
void Refine(const std::vector<Colour>& colours, std::vector<Centroid>& centroids) {
  for (int round = 0; round < kRefinements; ++round) {
    std::vector<double> n(centroids.size(), 0.0);
    std::vector<Centroid> sums(centroids.size(), Centroid{{0, 0, 0}});
    for (const Colour& colour : colours) {
      const std::size_t k = Nearest(colour, centroids);
      n[k] += colour.count;
      for (int c = 0; c < 3; ++c) sums[k].c[c] += colour.count * colour.Channel(c);
    }
    for (std::size_t k = 0; k < centroids.size(); ++k)
      if (n[k] > 0)
        for (int c = 0; c < 3; ++c) centroids[k].c[c] = sums[k].c[c] / n[k];
  }
}

Rgb ToRgb(const Centroid& centroid) {
  Rgb rgb;
  for (int c = 0; c < 3; ++c)
    rgb[c] = static_cast<std::uint8_t>(std::clamp(std::lround(centroid.c[c]), 0L, 255L));
  return rgb;
}

std::size_t PaletteSize(std::size_t entries) {
  std::size_t size = 2;
  while (size < entries) size *= 2;
  return size;
}

// The mean colour of the pixels that are kept but not fully opaque, weighted by how opaque
// they are; black where there are none.
Rgb OwnEdgeColour(const std::vector<std::uint8_t>& rgba, int threshold) {
  double sum[3] = {}, weight = 0;
  for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) {
    const int alpha = rgba[i + 3];
    if (alpha < threshold || alpha == 0 || alpha == 255) continue;
    for (int c = 0; c < 3; ++c) sum[c] += alpha * static_cast<double>(rgba[i + c]);
    weight += alpha;
  }
  Rgb mean = {0, 0, 0};
  if (weight > 0)
    for (int c = 0; c < 3; ++c)
      mean[c] = static_cast<std::uint8_t>(std::clamp(std::lround(sum[c] / weight), 0L, 255L));
  return mean;
}

}  // namespace

IndexedImage Quantize(const std::vector<std::uint8_t>& rgba, int width, int height,
                      const QuantizeOptions& options) {
  const std::size_t pixels = static_cast<std::size_t>(width) * height;
  if (width <= 0 || height <= 0 || rgba.size() != pixels * 4)
    throw std::invalid_argument("artgen: picture size and pixel count differ");
  if (options.transparent_index > 255)
    throw std::invalid_argument("artgen: transparent index beyond a palette");

  // Flatten onto the matte; kTransparent marks the pixels that drop out.
  constexpr std::uint32_t kTransparent = 0xFF000000;
  std::vector<std::uint32_t> flat(pixels);
  const auto threshold = static_cast<int>(std::lround(options.alpha_threshold * 255));
  const Rgb matte = options.matte ? *options.matte : OwnEdgeColour(rgba, threshold);
  for (std::size_t i = 0; i < pixels; ++i) {
    const std::uint8_t* p = &rgba[i * 4];
    if (p[3] < threshold || p[3] == 0) {
      flat[i] = kTransparent;
      continue;
    }
    std::uint32_t rgb = 0;
    for (int c = 0; c < 3; ++c) {
      const int blended = (p[c] * p[3] + matte[c] * (255 - p[3]) + 127) / 255;
      rgb = (rgb << 8) | static_cast<std::uint32_t>(blended);
    }
    flat[i] = rgb;
  }

  std::vector<std::uint32_t> sorted = flat;
  std::sort(sorted.begin(), sorted.end());
  std::vector<Colour> colours;
  bool has_transparent = false;
  for (const std::uint32_t v : sorted) {
    if (v == kTransparent) {
      has_transparent = true;
    } else if (!colours.empty() && colours.back().rgb == v) {
      ++colours.back().count;
    } else {
      colours.push_back({v, 1});
    }
  }
  const bool fixed = options.transparent_index >= 0;
  const std::size_t room = 256 - ((has_transparent || fixed) ? 1 : 0);

  std::vector<Centroid> centroids;
  if (colours.size() <= room) {
    for (const Colour& colour : colours)
      centroids.push_back({{colour.Channel(0), colour.Channel(1), colour.Channel(2)}});
  } else {
    centroids = MedianCut(colours, room);
    Refine(colours, centroids);
  }

  IndexedImage image;
  image.width = width;
  image.height = height;
  const std::size_t used = centroids.size() + ((has_transparent || fixed) ? 1 : 0);
  image.palette.assign(fixed ? 256 : PaletteSize(used), matte);
  if (has_transparent || fixed)
    image.transparent = fixed ? options.transparent_index : static_cast<int>(used - 1);
  // Palette slots for the colours, stepping over the transparent one.
  std::vector<std::uint8_t> slot(centroids.size());
  for (std::size_t k = 0, next = 0; k < centroids.size(); ++k, ++next) {
    if (static_cast<int>(next) == image.transparent) ++next;
    slot[k] = static_cast<std::uint8_t>(next);
    image.palette[next] = ToRgb(centroids[k]);
  }

  std::vector<std::uint8_t> mapped(colours.size());
  for (std::size_t i = 0; i < colours.size(); ++i) mapped[i] = slot[Nearest(colours[i], centroids)];
  image.indexes.resize(pixels);
  for (std::size_t i = 0; i < pixels; ++i) {
    if (flat[i] == kTransparent) {
      image.indexes[i] = static_cast<std::uint8_t>(image.transparent);
      continue;
    }
    const auto it = std::lower_bound(colours.begin(), colours.end(), flat[i],
                                     [](const Colour& c, std::uint32_t v) { return c.rgb < v; });
    image.indexes[i] = mapped[static_cast<std::size_t>(it - colours.begin())];
  }
  return image;
}

}  // namespace tlj::artgen::encode
