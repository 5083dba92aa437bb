#include "core/view/anigif/gif_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/view/gif_builder.h"

namespace tlj::view::anigif {
namespace {

using tlj::testing::BuildGif;
using tlj::testing::Colour;
using tlj::testing::Filled;
using tlj::testing::GifFrame;
using tlj::testing::Plan;
using tlj::testing::Timed;
using Bytes = std::vector<std::uint8_t>;

const std::vector<Colour> kTwo = {{1, 2, 3}, {4, 5, 6}};

ParsedGif Parse(const Bytes& bytes) {
  ParsedGif gif;
  LoadError error;
  EXPECT_TRUE(ParseGif(bytes, gif, error)) << error.source << ": " << error.text;
  return gif;
}

LoadError Refusal(const Bytes& bytes) {
  ParsedGif gif;
  LoadError error;
  EXPECT_FALSE(ParseGif(bytes, gif, error));
  EXPECT_TRUE(gif.frames.empty());
  return error;
}

// Puts blocks in front of the trailer.
Bytes BeforeTrailer(Bytes gif, const Bytes& blocks) {
  gif.insert(gif.end() - 1, blocks.begin(), blocks.end());
  return gif;
}

// An image of one pixel whose data is only the code size and the terminator.
const Bytes kImageWithoutData = {0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 0};

TEST(GifFileTest, FramesKeepPlacePaletteTransparencyDisposalAndDelay) {
  GifFrame second = Timed(Filled(2, 1, 3, 2, 1), 7, 2, 1);
  second.local = {{9, 9, 9}, {8, 8, 8}, {7, 7, 7}, {6, 6, 6}};
  const ParsedGif gif =
      Parse(BuildGif(Plan(6, 4, kTwo, {Timed(Filled(0, 0, 6, 4, 0), 50), second})));
  ASSERT_EQ(gif.frames.size(), 2u);
  EXPECT_EQ(gif.width, 6);
  EXPECT_EQ(gif.height, 4);
  const FrameInfo& a = gif.frames[0];
  EXPECT_EQ(a.delay_ms, 500);
  EXPECT_EQ(a.disposal, 1);
  EXPECT_FALSE(a.transparent);
  ASSERT_EQ(a.palette.size(), 2u);
  EXPECT_EQ(a.palette[1].blue, 6);
  const FrameInfo& b = gif.frames[1];
  EXPECT_EQ(b.left, 2);
  EXPECT_EQ(b.top, 1);
  EXPECT_EQ(b.width, 3);
  EXPECT_EQ(b.height, 2);
  EXPECT_EQ(b.delay_ms, 70);
  EXPECT_EQ(b.disposal, 2);
  EXPECT_TRUE(b.transparent);
  EXPECT_EQ(b.transparent_index, 1);
  ASSERT_EQ(b.palette.size(), 4u);
  EXPECT_EQ(b.palette[3].red, 6);
  EXPECT_FALSE(gif.loops);
}

TEST(GifFileTest, DisposalAboveThreeIsNoneAndThreeOnTheFirstFrameIsNone) {
  struct Case {
    int first, second;
    int expected_first, expected_second;
  };
  const Case cases[] = {{0, 0, 0, 0}, {1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 0, 3},
                        {4, 5, 0, 0}, {6, 7, 0, 0}, {1, 3, 1, 3}};
  for (const Case& c : cases) {
    const ParsedGif gif = Parse(BuildGif(Plan(
        1, 1, kTwo,
        {Timed(Filled(0, 0, 1, 1, 0), 1, c.first), Timed(Filled(0, 0, 1, 1, 1), 1, c.second)})));
    ASSERT_EQ(gif.frames.size(), 2u);
    EXPECT_EQ(gif.frames[0].disposal, c.expected_first) << c.first;
    EXPECT_EQ(gif.frames[1].disposal, c.expected_second) << c.second;
  }
}

TEST(GifFileTest, NetscapeBlockSetsTheLoopCount) {
  auto plan = Plan(1, 1, kTwo, {Filled(0, 0, 1, 1, 0)});
  for (const int loops : {0, 3, 65535}) {
    plan.loops = loops;
    EXPECT_EQ(Parse(BuildGif(plan)).loops, loops);
  }
  // Lower case still names the block; any other size of the loop sub-block does not count.
  Bytes gif = BuildGif(plan);
  const Bytes lower = {0x21, 0xFF, 11,  'n', 'e', 't', 's', 'c', 'a', 'p',
                       'e',  '2',  '.', '0', 3,   1,   7,   0,   0};
  const Bytes four = {0x21, 0xFF, 11,  'N', 'E', 'T', 'S', 'C', 'A', 'P',
                      'E',  '2',  '.', '0', 4,   1,   9,   0,   0,   0};
  const Bytes other = {0x21, 0xFF, 11,  'A', 'N', 'I', 'M', 'E', 'X', 'T',
                       'S',  '1',  '.', '0', 3,   1,   9,   0,   0};
  plan.loops.reset();
  const Bytes plain = BuildGif(plan);
  EXPECT_EQ(Parse(BeforeTrailer(plain, lower)).loops, 7);
  EXPECT_FALSE(Parse(BeforeTrailer(plain, four)).loops);
  EXPECT_FALSE(Parse(BeforeTrailer(plain, other)).loops);
}

TEST(GifFileTest, SignatureInAnyCase) {
  const Bytes gif = BuildGif(Plan(1, 1, kTwo, {Filled(0, 0, 1, 1, 0)}));
  for (const std::string signature : {"GIF89a", "GIF87a", "gif89a", "Gif87A"}) {
    Bytes copy = gif;
    std::copy(signature.begin(), signature.end(), copy.begin());
    EXPECT_EQ(Parse(copy).frames.size(), 1u) << signature;
  }
  for (const std::string signature : {"GIF90a", "JIF89a", "GIF89b"}) {
    Bytes copy = gif;
    std::copy(signature.begin(), signature.end(), copy.begin());
    EXPECT_EQ(Refusal(copy).text, "Not a GIF file") << signature;
  }
}

TEST(GifFileTest, AnImageWithoutDataIsNoFrameAndUsesUpItsControlBlock) {
  const Bytes control = {0x21, 0xF9, 4, 0x09, 10, 0, 1, 0};  // disposal 2, transparent 1
  Bytes gif = BuildGif(Plan(2, 2, kTwo, {Filled(0, 0, 2, 2, 0)}));
  gif = BeforeTrailer(gif, control);
  gif = BeforeTrailer(gif, kImageWithoutData);
  const Bytes real = BuildGif(Plan(2, 2, kTwo, {Filled(1, 1, 1, 1, 1)}));
  // The real frame's descriptor and data: everything after the global table up to the trailer.
  gif = BeforeTrailer(gif, Bytes(real.begin() + 19, real.end() - 1));
  const ParsedGif parsed = Parse(gif);
  ASSERT_EQ(parsed.frames.size(), 2u);
  EXPECT_FALSE(parsed.frames[1].transparent);
  EXPECT_EQ(parsed.frames[1].disposal, 0);
  EXPECT_EQ(parsed.frames[1].left, 1);
}

TEST(GifFileTest, CanvasGrowsToHoldEveryFrame) {
  const Bytes gif = tlj::testing::WithScreen(
      BuildGif(Plan(20, 20, kTwo,
                    {Filled(0, 0, 2, 2, 0), Filled(5, 1, 3, 2, 0), Filled(1, 6, 1, 4, 0)})),
      4, 4);
  const ParsedGif parsed = Parse(gif);
  EXPECT_EQ(parsed.width, 8);
  EXPECT_EQ(parsed.height, 10);
}

TEST(GifFileTest, SkipsPaddingAndOtherExtensionsAndStopsAtAnyOtherByte) {
  const Bytes gif = BuildGif(Plan(1, 1, kTwo, {Filled(0, 0, 1, 1, 0)}));
  const Bytes comment = {0x00, 0x00, 0x21, 0xFE, 3, 'a', 'b', 'c', 2, 'd', 'e', 0};
  EXPECT_EQ(Parse(BeforeTrailer(gif, comment)).frames.size(), 1u);
  // A stray byte ends the walk; what follows it is never read.
  Bytes stray = BeforeTrailer(gif, {0x42});
  stray.pop_back();
  stray.insert(stray.end(), {0x2C, 0, 0});
  EXPECT_EQ(Parse(stray).frames.size(), 1u);
}

TEST(GifFileTest, ReadingPastTheEndIsTheEndOfFileError) {
  const Bytes gif = BuildGif(Plan(2, 2, kTwo, {Timed(Filled(0, 0, 2, 2, 0), 5)}));
  // Every cut, from the screen descriptor on, runs out before the walk ends.
  for (std::size_t size = 6; size < gif.size(); ++size) {
    const LoadError error =
        Refusal(Bytes(gif.begin(), gif.begin() + static_cast<std::ptrdiff_t>(size)));
    EXPECT_EQ(error.source, kReadGifFile) << size;
    EXPECT_EQ(error.text, kEndOfFile) << size;
  }
}

TEST(GifFileTest, RefusesImagesWithoutColourTablesOrArea) {
  const Bytes gif = BuildGif(Plan(2, 2, kTwo, {Filled(0, 0, 2, 2, 0)}));
  EXPECT_EQ(Refusal(tlj::testing::WithoutGlobalTable(gif)).text, "No colour table");
  Bytes empty = gif;
  empty[19 + 5] = 0;  // the image's width
  EXPECT_EQ(Refusal(empty).text, "Empty image");
}

// A frame descriptor of any size with three bytes of data: the walk never decodes it.
Bytes HugeFrame(int left, int top, int width, int height) {
  return {0x2C,
          static_cast<std::uint8_t>(left & 0xFF),
          static_cast<std::uint8_t>(left >> 8),
          static_cast<std::uint8_t>(top & 0xFF),
          static_cast<std::uint8_t>(top >> 8),
          static_cast<std::uint8_t>(width & 0xFF),
          static_cast<std::uint8_t>(width >> 8),
          static_cast<std::uint8_t>(height & 0xFF),
          static_cast<std::uint8_t>(height >> 8),
          0,
          2,
          1,
          0x44,
          0};
}

TEST(GifFileTest, CanvasAndPixelCountHaveBounds) {
  const Bytes base = BuildGif(Plan(1, 1, kTwo, {Filled(0, 0, 1, 1, 0)}));
  EXPECT_EQ(Parse(BeforeTrailer(base, HugeFrame(0, 0, 4096, 4096))).width, 4096);
  EXPECT_EQ(Parse(BeforeTrailer(base, HugeFrame(4000, 4000, 96, 96))).height, 4096);
  struct Case {
    Bytes frame;
    const char* what;
  };
  const Case cases[] = {
      {HugeFrame(0, 0, 4097, 1), "a frame wider than the limit"},
      {HugeFrame(0, 0, 1, 65535), "a frame taller than the limit"},
      {HugeFrame(4000, 0, 97, 1), "a frame reaching past the limit"},
      {HugeFrame(65535, 65535, 65535, 65535), "the largest numbers"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Refusal(BeforeTrailer(base, c.frame)).text, "Image too large") << c.what;
  Bytes many = base;
  for (int i = 0; i < 4; ++i) many = BeforeTrailer(many, HugeFrame(0, 0, 4096, 4096));
  EXPECT_EQ(Refusal(many).text, "Image too large") << "more frame pixels than the limit";
  EXPECT_EQ(Refusal(tlj::testing::WithScreen(base, 4097, 1)).text, "Image too large")
      << "a screen wider than the limit";
}

}  // namespace
}  // namespace tlj::view::anigif
