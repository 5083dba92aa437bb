// What the pictures show, as far as numbers can tell: colours of the suits, the states of the
// keys, the turning coins, transparency around rounded pictures.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "resources/embedded_store.h"
#include "tests/support/gif_file.h"

namespace tlj::resources {
namespace {

using tlj::testing::GifFile;

struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgba;

  const std::uint8_t* At(int x, int y) const {
    return &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
  }
  bool Opaque(int x, int y) const { return At(x, y)[3] != 0; }
};

Picture Load(int id) {
  const auto bytes = EmbeddedStore().Get("GIF", id);
  if (!bytes) ADD_FAILURE() << "no picture " << id;
  if (!bytes) return {};
  GifFile gif(*bytes);
  if (!gif.Ok()) ADD_FAILURE() << "picture " << id << " does not decode";
  if (!gif.Ok()) return {};
  return {gif->SWidth, gif->SHeight, gif.Rgba(0)};
}

struct Measures {
  double brightness = 0;  // mean of the opaque pixels, 0..255
  double saturation = 0;  // mean of max - min channel, 0..255
  int red = 0;            // strongly red pixels
};

Measures Measure(const Picture& p) {
  Measures m;
  int opaque = 0;
  for (std::size_t i = 0; i + 3 < p.rgba.size(); i += 4) {
    if (p.rgba[i + 3] == 0) continue;
    const int r = p.rgba[i], g = p.rgba[i + 1], b = p.rgba[i + 2];
    m.brightness += (r + g + b) / 3.0;
    m.saturation += std::max({r, g, b}) - std::min({r, g, b});
    if (r > 150 && g < 90 && b < 90) ++m.red;
    ++opaque;
  }
  if (opaque > 0) {
    m.brightness /= opaque;
    m.saturation /= opaque;
  }
  return m;
}

// The ids of a suit's pip cards (3..10, A, 2) in the full and the reduced size.
std::vector<int> PipCardIds(int suit) {
  std::vector<int> ids;
  for (const int rank : {3, 4, 5, 6, 7, 8, 9, 10, 14, 15}) {
    ids.push_back(16 * suit + rank);
    ids.push_back((rank <= 13 ? 300 : 287) + 13 * suit + rank);
  }
  return ids;
}

TEST(PictureLookTest, HeartsAndDiamondsArePrintedRedClubsAndSpadesBlack) {
  for (int suit = 0; suit < 4; ++suit) {
    const bool red_suit = suit == 0 || suit == 2;
    for (const int id : PipCardIds(suit)) {
      const int red = Measure(Load(id)).red;
      if (red_suit) {
        EXPECT_GT(red, 60) << "card picture " << id;
      } else {
        EXPECT_EQ(red, 0) << "card picture " << id;
      }
    }
  }
}

TEST(PictureLookTest, MoreRanksShowMoreInk) {
  // Within a suit, a card with more pips covers more of its face with the suit's colour.
  for (const int suit : {0, 2}) {
    int previous = 0;
    for (int rank = 3; rank <= 10; ++rank) {
      const int red = Measure(Load(16 * suit + rank)).red;
      EXPECT_GT(red, previous) << "suit " << suit << " rank " << rank;
      previous = red;
    }
  }
}

TEST(PictureLookTest, HoverPicturesAreBrighterThanNormalOnes) {
  const std::pair<int, int> pairs[] = {{150, 151}, {152, 153}, {168, 169}, {283, 284}, {299, 300},
                                       {170, 171}, {172, 173}, {200, 205}, {201, 206}, {204, 209},
                                       {220, 230}, {229, 239}, {506, 508}, {507, 509}, {590, 592},
                                       {520, 522}, {535, 537}, {547, 549}, {565, 567}};
  for (const auto& [normal, hover] : pairs)
    EXPECT_GT(Measure(Load(hover)).brightness, Measure(Load(normal)).brightness + 5)
        << normal << " / " << hover;
}

TEST(PictureLookTest, GreyedPicturesLoseTheirColour) {
  const std::pair<int, int> pairs[] = {{202, 210}, {535, 536}, {538, 539}, {541, 542},
                                       {544, 545}, {547, 548}, {565, 566}, {571, 572}};
  for (const auto& [normal, greyed] : pairs)
    EXPECT_LT(Measure(Load(greyed)).saturation, Measure(Load(normal)).saturation / 2)
        << normal << " / " << greyed;
}

// How many pixels of the rectangle differ clearly between two pictures of one size.
int PixelsThatDiffer(const Picture& a, const Picture& b, int left, int top, int width, int height) {
  int differ = 0;
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) {
      int distance = 0;
      for (int c = 0; c < 3; ++c) distance += std::abs(a.At(x, y)[c] - b.At(x, y)[c]);
      differ += distance > 60 ? 1 : 0;
    }
  return differ;
}

TEST(PictureLookTest, EveryCourtCardShowsAFigureOfItsOwn) {
  // The figure stands in the upper half of the picture panel, the corner indexes outside it.
  struct Size {
    int first_jack, suit_step, left, top, width, height;
  };
  for (const Size& size : {Size{11, 16, 22, 19, 48, 39}, Size{311, 13, 17, 15, 38, 30}}) {
    std::vector<std::pair<int, Picture>> courts;
    for (int suit = 0; suit < 4; ++suit)
      for (int rank = 0; rank < 3; ++rank) {
        const int id = size.first_jack + size.suit_step * suit + rank;
        courts.emplace_back(id, Load(id));
      }
    for (std::size_t i = 0; i < courts.size(); ++i)
      for (std::size_t j = i + 1; j < courts.size(); ++j) {
        const int differ = PixelsThatDiffer(courts[i].second, courts[j].second, size.left, size.top,
                                            size.width, size.height);
        EXPECT_GT(differ, size.width * size.height / 8)
            << "court cards " << courts[i].first << " and " << courts[j].first;
      }
  }
}

double Brightness(const std::uint8_t* p) {
  return (p[0] + p[1] + p[2]) / 3.0;
}

TEST(PictureLookTest, HoverGlowsFadeIntoTheParchmentWithoutADarkRing) {
  // The dialog buttons stand on the parchment of the dialogs: going outwards, the glow round a
  // hovered one may only get lighter, up to the parchment, never darker.
  constexpr double kParchment = (0xEB + 0xD9 + 0xAE) / 3.0;
  constexpr int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  for (const int id : {171, 173}) {
    const Picture p = Load(id);
    ASSERT_FALSE(p.rgba.empty()) << id;
    const auto inside = [&](int x, int y) {
      return x >= 0 && y >= 0 && x < p.width && y < p.height && p.Opaque(x, y);
    };
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        for (const auto& [dx, dy] : kSteps) {
          if (!inside(x, y) || inside(x + dx, y + dy) || !inside(x - dx, y - dy)) continue;
          const double within = std::min(Brightness(p.At(x - dx, y - dy)), kParchment);
          EXPECT_GE(Brightness(p.At(x, y)), within - 10) << id << " at " << x << "," << y;
        }
  }
}

TEST(PictureLookTest, RoundedPicturesAreTransparentOutsideTheirShape) {
  for (const int id : {3, 17, 18, 260, 301, 150, 220, 240, 280, 547, 580, 601, 801, 1}) {
    const Picture p = Load(id);
    ASSERT_FALSE(p.rgba.empty()) << id;
    EXPECT_FALSE(p.Opaque(0, 0)) << id;
    EXPECT_FALSE(p.Opaque(p.width - 1, p.height - 1)) << id;
    EXPECT_TRUE(p.Opaque(p.width / 2, p.height / 2)) << id;
  }
}

// How wide the coin is across its middle row.
int CoinWidth(int id) {
  const Picture p = Load(id);
  int width = 0;
  for (int x = 0; x < p.width; ++x) width += p.Opaque(x, p.height / 2) ? 1 : 0;
  return width;
}

TEST(PictureLookTest, CoinsTurnEdgeOnAndBack) {
  for (const int first : {601, 621, 641, 661, 681, 701, 721, 741, 761, 781}) {
    const int full = CoinWidth(first);
    SCOPED_TRACE("coin frames from " + std::to_string(first));
    EXPECT_GE(full, first % 40 == 1 ? 36 : 27);
    // A quarter turn shows the rim only, half a turn the whole back.
    EXPECT_LT(CoinWidth(first + 5), full / 4);
    EXPECT_LT(CoinWidth(first + 15), full / 4);
    EXPECT_GE(CoinWidth(first + 10), full - 2);
    EXPECT_LT(CoinWidth(first + 3), full);
    EXPECT_GT(CoinWidth(first + 3), CoinWidth(first + 5));
  }
}

TEST(PictureLookTest, PicturesOfOneKindAreAllDifferent) {
  const std::vector<std::pair<int, int>> kinds = {{240, 259}, {3, 63},    {301, 354}, {535, 549},
                                                  {580, 582}, {601, 620}, {850, 864}};
  for (const auto& [first, last] : kinds)
    for (int a = first; a <= last; ++a)
      for (int b = a + 1; b <= last; ++b) {
        const auto one = EmbeddedStore().Get("GIF", a), other = EmbeddedStore().Get("GIF", b);
        if (!one || !other) continue;  // gaps between the suits
        EXPECT_FALSE(std::ranges::equal(*one, *other))
            << "pictures " << a << " and " << b << " are the same";
      }
}

}  // namespace
}  // namespace tlj::resources
