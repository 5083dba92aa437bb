#include <gtest/gtest.h>

#include "tests/view/anigif/control_fixture.h"

namespace tlj::view::anigif::testing {
namespace {

class MirrorTest : public ControlTest {
 protected:
  MirrorTest() {
    control.SetStretch(4);
    control.SetDelayAnimation(0);
  }
  // A 4 x 2 canvas: frame 1 covers it with index 1 except index 2 at (0, 0); frame 2 is one
  // pixel of index 3 at (1, 0).
  static GifPlan Marked() {
    GifFrame first = Timed(Filled(0, 0, 4, 2, 1), 10);
    first.pixels[0] = 2;
    return Plan(4, 2, kPalette, {first, Timed(Filled(1, 0, 1, 1, 3), 10)});
  }
  // Where the marks of both frames are, once frame 2 shows.
  void ExpectMarks(int x2, int y2, int x3, int y3) {
    EXPECT_EQ(Pixel(x2, y2), Opaque(kPalette[2]));
    EXPECT_EQ(Pixel(x3, y3), Opaque(kPalette[3]));
  }
};

TEST_F(MirrorTest, EachBitFlipsItsAxisAndMovesFramePlaces) {
  ASSERT_TRUE(Load(Marked()));
  RunUntil(100);
  ASSERT_EQ(control.CurrentFrame(), 2);
  ExpectMarks(0, 0, 1, 0);
  control.SetMirrored(1);
  ExpectMarks(3, 0, 2, 0);
  control.SetMirrored(3);
  ExpectMarks(3, 1, 2, 1);
  control.SetMirrored(2);
  ExpectMarks(0, 1, 1, 1);
  control.SetMirrored(0);
  ExpectMarks(0, 0, 1, 0);
}

TEST_F(MirrorTest, TheAnimationKeepsItsStateAndLaterFramesComeMirrored) {
  ASSERT_TRUE(Load(Marked()));
  control.SetMirrored(1);
  EXPECT_EQ(control.CurrentFrame(), 1);
  EXPECT_EQ(control.Action(), kPlaying);
  EXPECT_EQ(Pixel(3, 0), Opaque(kPalette[2]));
  RunUntil(100);
  EXPECT_EQ(control.CurrentFrame(), 2);
  ExpectMarks(3, 0, 2, 0);
}

TEST_F(MirrorTest, ALoadAfterMirroringComesMirrored) {
  control.SetMirrored(2);
  ASSERT_TRUE(Load(Marked()));
  EXPECT_EQ(Pixel(0, 1), Opaque(kPalette[2]));
  EXPECT_EQ(control.Mirrored(), 2);
}

TEST_F(MirrorTest, OtherValuesAreIgnored) {
  control.SetMirrored(1);
  for (const int bad : {-1, 4, 7}) {
    control.SetMirrored(bad);
    EXPECT_EQ(control.Mirrored(), 1) << bad;
  }
}

}  // namespace
}  // namespace tlj::view::anigif::testing
