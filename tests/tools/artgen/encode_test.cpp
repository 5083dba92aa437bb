// The palette reduction and the GIF writer, read back with giflib.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <vector>

#include "tests/support/gif_file.h"
#include "tools/artgen/encode/gif.h"
#include "tools/artgen/encode/quantize.h"

namespace tlj::artgen::encode {
namespace {

using tlj::testing::GifFile;
using Pixels = std::vector<std::uint8_t>;

Pixels Image(int width, int height, auto colour_at) {
  Pixels rgba;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const auto c = colour_at(x, y);
      rgba.insert(rgba.end(), c.begin(), c.end());
    }
  return rgba;
}

TEST(QuantizeTest, KeepsFewColoursExactly) {
  const Pixels rgba = Image(8, 4, [](int x, int) {
    return std::array<std::uint8_t, 4>{static_cast<std::uint8_t>(x * 30), 7, 200, 255};
  });
  const IndexedImage image = Quantize(rgba, 8, 4);
  EXPECT_EQ(image.transparent, -1);
  EXPECT_EQ(image.palette.size(), 8u);
  EXPECT_EQ(ToRgba(image), rgba);
}

TEST(QuantizeTest, DropsPixelsBelowTheAlphaThresholdAndBlendsTheRestOverTheMatte) {
  const Pixels rgba = {255, 255, 255, 255,  // opaque white
                       255, 255, 255, 100,  // mostly transparent: dropped
                       255, 255, 255, 192,  // mostly opaque: 3/4 white over the matte
                       0,   0,   0,   0};
  QuantizeOptions options;
  options.matte = Rgb{0, 0, 0};
  const IndexedImage image = Quantize(rgba, 4, 1, options);
  ASSERT_GE(image.transparent, 0);
  EXPECT_NE(image.indexes[0], image.transparent);
  EXPECT_EQ(image.indexes[1], image.transparent);
  EXPECT_EQ(image.indexes[3], image.transparent);
  const Rgb blended = image.palette[image.indexes[2]];
  EXPECT_EQ(blended, (Rgb{192, 192, 192}));
  // Two colours and the transparent one fit a palette of four.
  EXPECT_EQ(image.palette.size(), 4u);
}

TEST(QuantizeTest, WithoutAMatteASoftEdgeKeepsItsOwnColour) {
  const Pixels rgba = {120, 20,  10,  255,  // the opaque inside
                       240, 230, 120, 192,  // a light rim, mostly opaque
                       240, 230, 120, 150,  // and fainter
                       0,   0,   0,   0};
  const IndexedImage image = Quantize(rgba, 4, 1);
  EXPECT_EQ(image.palette[image.indexes[1]], (Rgb{240, 230, 120}));
  EXPECT_EQ(image.palette[image.indexes[2]], (Rgb{240, 230, 120}));
  EXPECT_EQ(image.indexes[3], image.transparent);
}

TEST(QuantizeTest, AFixedTransparentIndexGetsAFullPalette) {
  const Pixels rgba = {10, 20, 30, 255, 0, 0, 0, 0};
  QuantizeOptions options;
  options.transparent_index = 128;
  const IndexedImage image = Quantize(rgba, 2, 1, options);
  EXPECT_EQ(image.palette.size(), 256u);
  EXPECT_EQ(image.transparent, 128);
  EXPECT_EQ(image.indexes[1], 128);
  EXPECT_NE(image.indexes[0], 128);
  EXPECT_EQ(image.palette[image.indexes[0]], (Rgb{10, 20, 30}));
}

TEST(QuantizeTest, TheTransparentIndexStaysFreeEvenWithManyColours) {
  const Pixels rgba = Image(64, 64, [](int x, int y) {
    return std::array<std::uint8_t, 4>{static_cast<std::uint8_t>(x * 4),
                                       static_cast<std::uint8_t>(y * 4),
                                       static_cast<std::uint8_t>((x + y) * 2), 255};
  });
  QuantizeOptions options;
  options.transparent_index = 128;
  const IndexedImage image = Quantize(rgba, 64, 64, options);
  EXPECT_EQ(std::set<std::uint8_t>(image.indexes.begin(), image.indexes.end()).count(128), 0u);
}

TEST(QuantizeTest, SmoothGradientsStayClose) {
  // 64 × 64 distinct colours must share 256 entries; no pixel may move far.
  const Pixels rgba = Image(64, 64, [](int x, int y) {
    return std::array<std::uint8_t, 4>{static_cast<std::uint8_t>(x * 4),
                                       static_cast<std::uint8_t>(y * 4),
                                       static_cast<std::uint8_t>(255 - x * 2), 255};
  });
  const IndexedImage image = Quantize(rgba, 64, 64);
  EXPECT_EQ(image.palette.size(), 256u);
  const Pixels back = ToRgba(image);
  int worst = 0;
  for (std::size_t i = 0; i < rgba.size(); ++i)
    if (i % 4 != 3) worst = std::max(worst, std::abs(rgba[i] - back[i]));
  EXPECT_LE(worst, 14);
}

TEST(QuantizeTest, RefusesAWrongPixelCount) {
  EXPECT_THROW(Quantize(Pixels(12), 2, 2), std::invalid_argument);
}

IndexedImage Checker(int width, int height, int transparent) {
  IndexedImage image{
      width, height, {}, {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}}, transparent};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.indexes.push_back(static_cast<std::uint8_t>((x + 2 * y) % 4));
  return image;
}

TEST(GifTest, OnePictureReadsBackIndexForIndex) {
  for (const int transparent : {-1, 2}) {
    const IndexedImage image = Checker(7, 5, transparent);
    const auto bytes = EncodeGif(image);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), transparent < 0 ? "GIF87a" : "GIF89a");
    GifFile gif(bytes);
    ASSERT_TRUE(gif.Ok());
    ASSERT_EQ(gif->ImageCount, 1);
    EXPECT_EQ(gif->SWidth, 7);
    EXPECT_EQ(gif->SHeight, 5);
    const SavedImage& saved = gif->SavedImages[0];
    EXPECT_EQ(std::vector<std::uint8_t>(saved.RasterBits, saved.RasterBits + 35), image.indexes);
    ASSERT_EQ(gif.PaletteOf(0)->ColorCount, 4);
    EXPECT_EQ(gif.PaletteOf(0)->Colors[1].Red, 255);
    GraphicsControlBlock control;
    EXPECT_EQ(gif.Control(0, control), transparent >= 0);
    if (transparent >= 0) {
      EXPECT_EQ(control.TransparentColor, transparent);
    }
  }
}

TEST(GifTest, AnimationKeepsFramesPlacesTimesAndLoop) {
  GifAnimation animation{10, 8, 3, {}};
  animation.frames.push_back({Checker(10, 8, 1), 0, 0, 50, 1});
  animation.frames.push_back({Checker(4, 3, 1), 5, 4, 7, 2});
  const auto bytes = EncodeGifAnimation(animation);
  GifFile gif(bytes);
  ASSERT_TRUE(gif.Ok());
  ASSERT_EQ(gif->ImageCount, 2);
  EXPECT_EQ(gif->SavedImages[1].ImageDesc.Left, 5);
  EXPECT_EQ(gif->SavedImages[1].ImageDesc.Top, 4);
  EXPECT_NE(gif->SavedImages[1].ImageDesc.ColorMap, nullptr);
  GraphicsControlBlock control;
  ASSERT_TRUE(gif.Control(1, control));
  EXPECT_EQ(control.DelayTime, 7);
  EXPECT_EQ(control.DisposalMode, 2);
  const SavedImage& first = gif->SavedImages[0];
  ASSERT_GE(first.ExtensionBlockCount, 2);
  EXPECT_EQ(first.ExtensionBlocks[0].Function, APPLICATION_EXT_FUNC_CODE);
  EXPECT_EQ(first.ExtensionBlocks[1].Bytes[1], 3);
  EXPECT_THROW(EncodeGifAnimation(GifAnimation{}), std::invalid_argument);
}

}  // namespace
}  // namespace tlj::artgen::encode
