#include <gtest/gtest.h>

#include "tests/view/anigif/control_fixture.h"
#include "tests/view/anigif/pot_gif.h"

namespace tlj::view::anigif::testing {
namespace {

class ComposeTest : public ControlTest {
 protected:
  ComposeTest() {
    control.SetStretch(4);
    control.SetDelayAnimation(2);  // frames are stepped by hand
  }
  void Step() { control.SetAction(kActionStep); }
};

// Frame 1 covers a 4 x 1 canvas in index 1; frame 2 puts index 2 on (1, 0) and (2, 0) and is
// disposed by `disposal`; frame 3 puts index 3 on (3, 0) only, clear elsewhere.
GifPlan ThreeFrames(int disposal) {
  GifFrame third = Timed(Filled(0, 0, 4, 1, 0), 10, 1, 0);
  third.pixels[3] = 3;
  return Plan(
      4, 1, kPalette,
      {Timed(Filled(0, 0, 4, 1, 1), 10), Timed(Filled(1, 0, 2, 1, 2), 10, disposal), third});
}

TEST_F(ComposeTest, DisposalDecidesWhatTheNextFrameIsDrawnOver) {
  struct Case {
    int disposal;
    Rgba under_frame_two;  // at (1, 0) once frame 3 shows
  };
  const Case cases[] = {
      {0, Opaque(kPalette[2])},  // left in place
      {1, Opaque(kPalette[2])},  // left in place
      {2, kClear},               // cleared to the background
      {3, Opaque(kPalette[1])},  // back to what was there before it
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Load(ThreeFrames(c.disposal)));
    Step();
    EXPECT_EQ(Pixel(1, 0), Opaque(kPalette[2])) << "frame 2 shows, disposal " << c.disposal;
    EXPECT_EQ(Pixel(0, 0), Opaque(kPalette[1]));
    Step();
    EXPECT_EQ(Pixel(1, 0), c.under_frame_two) << "disposal " << c.disposal;
    EXPECT_EQ(Pixel(2, 0), c.under_frame_two) << "disposal " << c.disposal;
    EXPECT_EQ(Pixel(0, 0), Opaque(kPalette[1]));
    EXPECT_EQ(Pixel(3, 0), Opaque(kPalette[3]));
  }
}

TEST_F(ComposeTest, PotShapedGifComposesThroughAMask) {
  control.SetDelayAnimation(0);
  ASSERT_TRUE(Load(PotGif()));
  const auto pot = [](int frame, int x, int y) {
    return Opaque(PotColour(frame, PotIndex(frame, x, y)));
  };

  EXPECT_EQ(Pixel(5, 5), kClear) << "frame 1's clear corner";
  EXPECT_EQ(Pixel(100, 100), pot(1, 100, 100));
  EXPECT_EQ(Pixel(70, 115), pot(1, 70, 115));

  RunUntil(500);
  ASSERT_EQ(control.CurrentFrame(), 2);
  EXPECT_EQ(Pixel(70, 115), pot(2, 4, 3)) << "the small frame is drawn over the first";
  EXPECT_EQ(Pixel(65, 115), pot(1, 65, 115));
  EXPECT_EQ(Pixel(123, 115), pot(1, 123, 115));
  EXPECT_EQ(Pixel(5, 5), kClear);

  RunUntil(700);
  ASSERT_EQ(control.CurrentFrame(), 3);
  EXPECT_EQ(Pixel(5, 5), pot(3, 5, 5));
  EXPECT_EQ(Pixel(100, 115), pot(2, 34, 3)) << "frame 3 is clear there";
  EXPECT_EQ(Pixel(150, 150), pot(1, 150, 150));

  RunUntil(1700);
  ASSERT_EQ(control.CurrentFrame(), 1);
  EXPECT_EQ(Pixel(5, 5), kClear) << "frame 3 was cleared before frame 1 came back";
  EXPECT_EQ(Pixel(100, 115), pot(1, 100, 115)) << "so was frame 2";
  EXPECT_EQ(Pixel(150, 150), pot(1, 150, 150));
}

TEST_F(ComposeTest, WithoutAMaskTheUncoveredCanvasIsBlack) {
  ASSERT_TRUE(Load(
      Plan(3, 1, kPalette, {Timed(Filled(1, 0, 2, 1, 1), 10), Timed(Filled(2, 0, 1, 1, 2), 10)})));
  EXPECT_EQ(Pixel(0, 0), Opaque(kPalette[0]));
  EXPECT_EQ(Pixel(1, 0), Opaque(kPalette[1]));
}

TEST_F(ComposeTest, ATransparentFirstFrameShowsThroughWhereItIsClear) {
  GifFrame first = Timed(Filled(0, 0, 2, 1, 1), 10, 1, 0);
  first.pixels[0] = 0;
  ASSERT_TRUE(Load(Plan(3, 1, kPalette, {first, Timed(Filled(2, 0, 1, 1, 2), 10)})));
  EXPECT_EQ(Pixel(0, 0), kClear);
  EXPECT_EQ(Pixel(1, 0), Opaque(kPalette[1]));
  EXPECT_EQ(Pixel(2, 0), kClear) << "not covered yet";
  Step();
  EXPECT_EQ(Pixel(2, 0), Opaque(kPalette[2]));
}

TEST_F(ComposeTest, EachFrameHasItsOwnPaletteAndTransparentIndex) {
  GifFrame second = Timed(Filled(0, 0, 3, 1, 0), 10, 1, 1);
  second.pixels = {0, 1, 2};  // index 1 is clear in this frame only
  second.local = {{11, 12, 13}, {21, 22, 23}, {31, 32, 33}, {41, 42, 43}};
  GifFrame first = Timed(Filled(0, 0, 3, 1, 1), 10);
  ASSERT_TRUE(Load(Plan(3, 1, kPalette, {first, second})));
  EXPECT_EQ(Pixel(1, 0), Opaque(kPalette[1]));
  Step();
  EXPECT_EQ(Pixel(0, 0), (Rgba{11, 12, 13, 255}));
  EXPECT_EQ(Pixel(1, 0), Opaque(kPalette[1])) << "frame 1 shows through frame 2's clear index";
  EXPECT_EQ(Pixel(2, 0), (Rgba{31, 32, 33, 255}));
}

TEST_F(ComposeTest, WhenEveryFrameIsClearedEachShowsAlone) {
  ASSERT_TRUE(Load(Plan(
      3, 1, kPalette, {Timed(Filled(0, 0, 1, 1, 1), 10, 2), Timed(Filled(2, 0, 1, 1, 2), 10, 2)})));
  EXPECT_EQ(Pixel(0, 0), Opaque(kPalette[1]));
  EXPECT_EQ(Pixel(2, 0), kClear);
  Step();
  EXPECT_EQ(Pixel(0, 0), kClear);
  EXPECT_EQ(Pixel(2, 0), Opaque(kPalette[2]));
}

TEST_F(ComposeTest, FramesPastTheLogicalScreenGrowTheCanvas) {
  const auto gif = tlj::testing::WithScreen(
      BuildGif(Plan(9, 9, kPalette,
                    {Timed(Filled(0, 0, 2, 2, 1), 10), Timed(Filled(4, 3, 2, 1, 2), 10)})),
      2, 2);
  ASSERT_TRUE(control.LoadAnimatedGIF_Array(gif));
  EXPECT_EQ(control.ActualWidth(), 6);
  EXPECT_EQ(control.ActualHeight(), 4);
  Step();
  EXPECT_EQ(Pixel(5, 3), Opaque(kPalette[2]));
  EXPECT_EQ(Pixel(1, 1), Opaque(kPalette[1]));
}

}  // namespace
}  // namespace tlj::view::anigif::testing
