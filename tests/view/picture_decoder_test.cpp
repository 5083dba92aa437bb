#include "core/view/picture_decoder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/view/gif_builder.h"
#include "tests/view/jpeg_builder.h"

namespace tlj::view {
namespace {

using testing::BuildGif;
using testing::Colour;
using testing::Filled;
using testing::GifFrame;
using Rgba = std::array<int, 4>;

Rgba At(const platform::Image& image, int x, int y) {
  const std::uint8_t* p = image.Pixel(x, y);
  return {p[0], p[1], p[2], p[3]};
}

const std::vector<Colour> kFour = {{10, 20, 30}, {200, 0, 0}, {0, 200, 0}, {0, 0, 200}};

TEST(DecodePictureTest, GifFirstFrameWithItsGlobalPalette) {
  GifFrame f = Filled(0, 0, 3, 2, 0);
  f.pixels = {0, 1, 2, 3, 2, 1};
  const auto image =
      DecodePicture(BuildGif(testing::Plan(3, 2, kFour, {f, Filled(0, 0, 3, 2, 3)})));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 3);
  EXPECT_EQ(image->height, 2);
  EXPECT_EQ(At(*image, 0, 0), (Rgba{10, 20, 30, 255}));
  EXPECT_EQ(At(*image, 1, 0), (Rgba{200, 0, 0, 255}));
  EXPECT_EQ(At(*image, 2, 0), (Rgba{0, 200, 0, 255}));
  EXPECT_EQ(At(*image, 0, 1), (Rgba{0, 0, 200, 255}));
  EXPECT_EQ(At(*image, 2, 1), (Rgba{200, 0, 0, 255})) << "the second frame is not shown";
}

TEST(DecodePictureTest, LocalPaletteWinsOverTheGlobalOne) {
  GifFrame f = Filled(0, 0, 2, 1, 0);
  f.pixels = {0, 1};
  f.local = {{1, 2, 3}, {4, 5, 6}};
  const auto image = DecodePicture(BuildGif(testing::Plan(2, 1, kFour, {f})));
  ASSERT_TRUE(image);
  EXPECT_EQ(At(*image, 0, 0), (Rgba{1, 2, 3, 255}));
  EXPECT_EQ(At(*image, 1, 0), (Rgba{4, 5, 6, 255}));
}

TEST(DecodePictureTest, TransparentIndexAndUncoveredScreenHaveNoAlpha) {
  GifFrame f = testing::Timed(Filled(1, 1, 2, 1, 2), 0, 0, 2);
  f.pixels = {2, 1};
  const auto image = DecodePicture(BuildGif(testing::Plan(4, 3, kFour, {f})));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 4);
  EXPECT_EQ(image->height, 3);
  EXPECT_EQ(At(*image, 0, 0)[3], 0) << "outside the frame";
  EXPECT_EQ(At(*image, 1, 1)[3], 0) << "the transparent index";
  EXPECT_EQ(At(*image, 2, 1), (Rgba{200, 0, 0, 255}));
  EXPECT_EQ(At(*image, 3, 2)[3], 0);
}

TEST(DecodePictureTest, InterlacedRowsLandInPlace) {
  GifFrame f = Filled(0, 0, 1, 9, 0);
  f.interlaced = true;
  f.pixels = {0, 1, 2, 3, 0, 1, 2, 3, 1};
  const auto image = DecodePicture(BuildGif(testing::Plan(1, 9, kFour, {f})));
  ASSERT_TRUE(image);
  for (int y = 0; y < 9; ++y) {
    const Colour c = kFour[f.pixels[static_cast<std::size_t>(y)]];
    EXPECT_EQ(At(*image, 0, y), (Rgba{c.r, c.g, c.b, 255})) << "row " << y;
  }
}

TEST(DecodePictureTest, ScreenGrowsToHoldAFrameReachingPastIt) {
  const auto gif =
      testing::WithScreen(BuildGif(testing::Plan(8, 8, kFour, {Filled(3, 2, 4, 4, 1)})), 2, 2);
  const auto image = DecodePicture(gif);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 7);
  EXPECT_EQ(image->height, 6);
  EXPECT_EQ(At(*image, 6, 5), (Rgba{200, 0, 0, 255}));
  EXPECT_EQ(At(*image, 0, 0)[3], 0);
}

TEST(DecodePictureTest, IndexesPastThePaletteShowOpaqueBlack) {
  // One pixel of index 3 against a table of two entries (giflib's writer would mask the index,
  // so the code is set by hand: clear, 3, end).
  auto gif = testing::TinyGif();
  gif[13] = gif[14] = gif[15] = 9;
  gif[31] = 0x5C;
  const auto image = DecodePicture(gif);
  ASSERT_TRUE(image);
  EXPECT_EQ(At(*image, 0, 0), (Rgba{0, 0, 0, 255}));
  gif[31] = 0x44;  // index 0 again
  EXPECT_EQ(At(*DecodePicture(gif), 0, 0), (Rgba{9, 9, 9, 255}));
}

TEST(DecodePictureTest, JpegByContent) {
  const auto image = DecodePicture(testing::BuildJpeg(16, 8, 200, 40, 90));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 16);
  EXPECT_EQ(image->height, 8);
  const Rgba p = At(*image, 5, 5);
  EXPECT_NEAR(p[0], 200, 4);
  EXPECT_NEAR(p[1], 40, 4);
  EXPECT_NEAR(p[2], 90, 4);
  EXPECT_EQ(p[3], 255);
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

TEST(DecodePictureTest, RefusesWhatIsNotAWholePictureOfEitherFormat) {
  const auto gif = BuildGif(testing::Plan(4, 4, kFour, {Filled(0, 0, 4, 4, 1)}));
  const auto jpeg = testing::BuildJpeg(32, 32, 1, 2, 3);
  std::vector<std::uint8_t> jpeg_garbage = jpeg;
  for (std::size_t i = jpeg.size() / 2; i < jpeg.size() - 2; ++i) jpeg_garbage[i] = 0xFF;
  std::vector<std::uint8_t> bad_lzw = {
      'G', 'I', 'F', '8', '9',  'a', 2, 0, 2, 0, 0x81, 0, 0, 0, 0, 0, 255,  0,    0, 0,   255,
      0,   0,   0,   255, 0x2C, 0,   0, 0, 0, 2, 0,    2, 0, 0, 2, 2, 0x7C, 0x01, 0, 0x3B};
  std::vector<std::uint8_t> lower_case = gif;
  lower_case[0] = 'g';

  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
  };
  const Case cases[] = {
      {"nothing", {}},
      {"a PNG", Bytes("\x89PNG\r\n\x1a\n0000")},
      {"a signature only", Bytes("GIF89a")},
      {"a GIF cut in its header", {gif.begin(), gif.begin() + 11}},
      {"a GIF cut in its image data", {gif.begin(), gif.end() - 4}},
      {"a GIF without any colour table", testing::WithoutGlobalTable(gif)},
      {"a GIF whose codes are not in the table", bad_lzw},
      {"a GIF with no image", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B}},
      {"a lower-case signature", lower_case},
      {"a GIF too wide", testing::WithScreen(gif, 4097, 4)},
      {"a JPEG cut short",
       {jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(jpeg.size() / 2)}},
      {"a JPEG of garbage", jpeg_garbage},
      {"a JPEG marker only", {0xFF, 0xD8, 0xFF}},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodePicture(c.bytes), nullptr) << c.what;
}

TEST(DecodePictureTest, GifAtTheSizeLimitDecodes) {
  const auto gif = BuildGif(testing::Plan(4096, 1, kFour, {Filled(0, 0, 4096, 1, 2)}));
  const auto image = DecodePicture(gif);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 4096);
}

TEST(DecodePictureTest, JpegOverTheSizeLimitIsRefusedFromItsHeader) {
  auto jpeg = testing::BuildJpeg(8, 8, 0, 0, 0);
  // The frame header (SOF0) holds height then width; make the width 5000.
  for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 7] = 5000 >> 8;
      jpeg[i + 8] = 5000 & 0xFF;
      break;
    }
  }
  EXPECT_EQ(DecodePicture(jpeg), nullptr);
}

}  // namespace
}  // namespace tlj::view
