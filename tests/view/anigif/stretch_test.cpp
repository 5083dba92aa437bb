#include "core/view/anigif/stretch.h"

#include <gtest/gtest.h>

#include "tests/view/anigif/control_fixture.h"

namespace tlj::view::anigif::testing {
namespace {

TEST(DrawnSizeTest, EachModeAgainstClientsLargerSmallerAndMixed) {
  struct Case {
    int mode;
    Size client;
    Size drawn;
  };
  const Size canvas{100, 50};
  const Case cases[] = {
      // 0: the canvas clipped to the client
      {0, {200, 200}, {100, 50}},
      {0, {60, 20}, {60, 20}},
      {0, {60, 80}, {60, 50}},
      // 1: uniform, grows or shrinks to fit
      {1, {200, 200}, {200, 100}},
      {1, {50, 100}, {50, 25}},
      {1, {300, 60}, {120, 60}},
      // 2: fills the client
      {2, {33, 77}, {33, 77}},
      // 3: uniform, only shrinks
      {3, {200, 200}, {100, 50}},
      {3, {50, 100}, {50, 25}},
      {3, {300, 40}, {80, 40}},
      // 4: the whole canvas
      {4, {10, 10}, {100, 50}},
      {4, {500, 500}, {100, 50}},
      // A client without area: modes 1 and 3 draw at the canvas's own size.
      {0, {0, 0}, {0, 0}},
      {1, {0, 0}, {100, 50}},
      {2, {0, 40}, {0, 40}},
      {3, {0, 0}, {100, 50}},
      // Never larger than the canvas limit.
      {2, {100000, 9}, {4096, 9}},
      {1, {100000, 100000}, {4096, 4096}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DrawnSize(c.mode, canvas, c.client), c.drawn)
        << "mode " << c.mode << " client " << c.client.width << "x" << c.client.height;
  }
}

class StretchTest : public ControlTest {
 protected:
  // A 4 x 2 canvas: left half index 1, right half index 3.
  static GifPlan Halves() {
    GifFrame f = Filled(0, 0, 4, 2, 1);
    f.pixels = {1, 1, 3, 3, 1, 1, 3, 3};
    return Plan(4, 2, kPalette, {f});
  }
  void Place(double width, double height) {
    element.width = width;
    element.height = height;
  }
};

TEST_F(StretchTest, ModesOneThreeAndFourSizeTheElementAfterALoad) {
  struct Case {
    int mode;
    double width, height;       // the element before the load
    double fitted_w, fitted_h;  // after it
    int image_w, image_h;
  };
  const Case cases[] = {
      {0, 10, 10, 10, 10, 4, 2},   {0, 3, 1, 3, 1, 3, 1},   {1, 12, 12, 12, 6, 12, 6},
      {2, 10, 10, 10, 10, 10, 10}, {3, 12, 12, 4, 2, 4, 2}, {3, 2, 2, 2, 1, 2, 1},
      {4, 1, 1, 4, 2, 4, 2},
  };
  for (const Case& c : cases) {
    control.SetStretch(c.mode);
    Place(c.width, c.height);
    ASSERT_TRUE(Load(Halves()));
    EXPECT_EQ(element.width, c.fitted_w) << c.mode;
    EXPECT_EQ(element.height, c.fitted_h) << c.mode;
    ASSERT_TRUE(element.image);
    EXPECT_EQ(element.image->width, c.image_w) << c.mode;
    EXPECT_EQ(element.image->height, c.image_h) << c.mode;
    EXPECT_FALSE(element.stretch) << "the picture already has the drawn size";
  }
}

TEST_F(StretchTest, ModeThreeOnALargerControlKeepsTheNaturalSize) {
  control.SetStretch(3);
  Place(192, 192);
  ASSERT_TRUE(Load(Halves()));
  EXPECT_EQ(element.image->width, 4);
  EXPECT_EQ(element.image->height, 2);
  EXPECT_EQ(Pixel(0, 0), Opaque(kPalette[1]));
  EXPECT_EQ(Pixel(3, 1), Opaque(kPalette[3]));
}

TEST_F(StretchTest, ChangingTheModeRefitsAndRepaints) {
  control.SetStretch(2);
  Place(8, 8);
  ASSERT_TRUE(Load(Halves()));
  EXPECT_EQ(element.image->width, 8);
  EXPECT_EQ(element.image->height, 8);
  control.SetStretch(4);
  EXPECT_EQ(element.width, 4);
  EXPECT_EQ(element.image->width, 4);
  for (const int bad : {-1, 5}) {
    control.SetStretch(bad);
    EXPECT_EQ(control.Stretch(), 4);
  }
}

TEST_F(StretchTest, ScalingAveragesTheCoveredCanvas) {
  control.SetStretch(2);
  Place(2, 1);
  ASSERT_TRUE(Load(Halves()));
  EXPECT_EQ(Pixel(0, 0), Opaque(kPalette[1]));
  EXPECT_EQ(Pixel(1, 0), Opaque(kPalette[3]));
  Place(1, 1);
  control.Refresh();
  EXPECT_EQ(Pixel(0, 0), (Rgba{125, 0, 125, 255}));
  Place(8, 4);
  control.Refresh();
  EXPECT_EQ(Pixel(0, 0), Opaque(kPalette[1]));
  EXPECT_EQ(Pixel(7, 3), Opaque(kPalette[3]));
}

TEST_F(StretchTest, ScalingKeepsTransparentPixelsFromDarkeningTheirNeighbours) {
  GifFrame f = Timed(Filled(0, 0, 2, 1, 1), 0, 0, 0);
  f.pixels = {0, 1};  // index 0 transparent, index 1 red
  control.SetStretch(2);
  Place(1, 1);
  ASSERT_TRUE(Load(Plan(2, 1, kPalette, {f})));
  const Rgba p = Pixel(0, 0);
  EXPECT_EQ(p[0], 250) << "the colour stays red";
  EXPECT_NEAR(p[3], 128, 1) << "half covered";
}

TEST_F(ControlTest, ActualSizeIsTheCanvas) {
  EXPECT_EQ(control.ActualWidth(), 0);
  ASSERT_TRUE(Load(Frames({10}, 7, 3)));
  EXPECT_EQ(control.ActualWidth(), 7);
  EXPECT_EQ(control.ActualHeight(), 3);
}

}  // namespace
}  // namespace tlj::view::anigif::testing
