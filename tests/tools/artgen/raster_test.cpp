// The drawing library under the pictures: coverage of filled and stroked paths, blending.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tools/artgen/draw/canvas.h"
#include "tools/artgen/draw/mask.h"
#include "tools/artgen/draw/text.h"

namespace tlj::artgen::draw {
namespace {

float Area(const Mask& m) {
  float sum = 0;
  for (int y = 0; y < m.Height(); ++y)
    for (int x = 0; x < m.Width(); ++x) sum += m.At(x, y);
  return sum;
}

TEST(RasterTest, FillCoversExactlyTheAreaInside) {
  struct Case {
    const char* what;
    Path path;
    float area;
  };
  const float pi = std::numbers::pi_v<float>;
  const Case cases[] = {
      {"whole pixels", Path().AddRect(2, 3, 10, 5), 50},
      {"fractional edges", Path().AddRect(2.25f, 3.5f, 10.5f, 4.25f), 10.5f * 4.25f},
      {"triangle", Path().AddPolygon({{1, 1}, {21, 1}, {1, 11}}), 100},
      {"circle", Path().AddCircle(16, 16, 10), pi * 100},
      {"rounded rectangle", Path().AddRoundRect(4, 4, 20, 12, 3), 20 * 12 - (4 - pi) * 9},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(Area(Fill(32, 32, c.path)), c.area, 0.02f * c.area) << c.what;
}

TEST(RasterTest, PartlyCoveredPixelsGetTheirShare) {
  const Mask m = Fill(8, 8, Path().AddRect(2.25f, 1, 3.5f, 1));
  EXPECT_NEAR(m.At(2, 1), 0.75f, 0.01f);
  EXPECT_NEAR(m.At(3, 1), 1.0f, 0.01f);
  EXPECT_NEAR(m.At(5, 1), 0.75f, 0.01f);
  EXPECT_EQ(m.At(6, 1), 0.0f);
  EXPECT_EQ(m.At(3, 0), 0.0f);
}

TEST(RasterTest, FillRulesDifferOnlyWhereContoursOverlap) {
  Path ring = Path().AddCircle(16, 16, 12);
  ring.AddPath(Path().AddCircle(16, 16, 6));  // same winding
  const Path holed = Path().AddCircle(16, 16, 12).AddPath(Path().AddCircle(16, 16, 6).Reversed());
  EXPECT_NEAR(Fill(32, 32, ring, FillRule::kNonZero).At(16, 16), 1.0f, 1e-4f);
  EXPECT_NEAR(Fill(32, 32, ring, FillRule::kEvenOdd).At(16, 16), 0.0f, 1e-4f);
  EXPECT_NEAR(Fill(32, 32, holed, FillRule::kNonZero).At(16, 16), 0.0f, 1e-4f);
  EXPECT_NEAR(Fill(32, 32, holed, FillRule::kNonZero).At(16, 7), 1.0f, 1e-4f);
}

TEST(RasterTest, NormalizedPiecesAddUpInsteadOfCancelling) {
  // Two overlapping squares drawn in opposite directions cancel under the non-zero rule unless
  // their windings are made the same.
  Path pieces = Path().AddRect(2, 2, 10, 10);
  pieces.AddPath(Path().AddRect(6, 6, 10, 10).Reversed());
  EXPECT_NEAR(Fill(20, 20, pieces).At(8, 8), 0.0f, 1e-4f);
  EXPECT_NEAR(Fill(20, 20, pieces.Normalized()).At(8, 8), 1.0f, 1e-4f);
}

TEST(RasterTest, StrokeHasTheLineWidth) {
  const Mask line = Stroke(40, 20, Path().MoveTo(5, 10).LineTo(35, 10), 3);
  EXPECT_NEAR(Area(line), 30 * 3 + std::numbers::pi_v<float> * 2.25f, 6);
  EXPECT_NEAR(line.At(20, 10), 1.0f, 1e-4f);
  EXPECT_EQ(line.At(20, 13), 0.0f);
}

TEST(RasterTest, TransformsPlacePathsWhereAsked) {
  const Path unit = Path().AddRect(0, 0, 1, 1);
  const Affine place = Then(Affine::Scale(4, 2), Affine::Translate(10, 5));
  const Mask m = Fill(20, 20, unit.Transformed(place));
  EXPECT_NEAR(Area(m), 8, 0.01f);
  EXPECT_NEAR(m.At(10, 5), 1.0f, 1e-4f);
  EXPECT_NEAR(m.At(13, 6), 1.0f, 1e-4f);
  const Point back = place.Inverse().Apply({12, 6});
  EXPECT_NEAR(back.x, 0.5f, 1e-5f);
  EXPECT_NEAR(back.y, 0.5f, 1e-5f);
}

TEST(CanvasTest, BlendsSourceOverWithoutDarkFringes) {
  Canvas canvas(4, 4);
  canvas.Fill(Path().AddRect(0, 0, 4, 4), Solid(Hex(0xFF0000)));
  canvas.Fill(Path().AddRect(0, 0, 4, 4), Solid(Hex(0x0000FF, 0.5f)));
  const Rgba mixed = canvas.At(1, 1);
  EXPECT_NEAR(mixed.r, 0.5f, 0.01f);
  EXPECT_NEAR(mixed.b, 0.5f, 0.01f);
  EXPECT_NEAR(mixed.a, 1.0f, 0.01f);

  // A half-covered edge of a colour over nothing keeps the colour and halves the alpha.
  Canvas edge(4, 1);
  edge.Fill(Path().AddRect(0, 0, 1.5f, 1), Solid(Hex(0x20C040)));
  const Rgba half = edge.At(1, 0);
  EXPECT_NEAR(half.a, 0.5f, 0.01f);
  EXPECT_NEAR(half.g, 0xC0 / 255.0f, 0.01f);
  const auto pixels = edge.Pixels();
  EXPECT_EQ(pixels[4 + 1], 0xC0);
  EXPECT_EQ(pixels[4 + 3], 128);
}

TEST(CanvasTest, RotatedHalfMatchesAPointReflection) {
  Canvas canvas(5, 3);
  canvas.Fill(Path().AddRect(0, 0, 1, 1), Solid(Hex(0xFFFFFF)));
  const Canvas turned = canvas.Rotated180();
  EXPECT_NEAR(turned.At(4, 2).a, 1.0f, 1e-4f);
  EXPECT_NEAR(turned.At(0, 0).a, 0.0f, 1e-4f);
}

TEST(TextTest, CentredTextSitsInTheMiddle) {
  const TextStyle style{Face::kSansBold, 16};
  for (const char* text : {"发送", "10", "OK"}) {
    const Mask m = CentredText(60, 30, style, text, 30, 15);
    float sum = 0, sx = 0, sy = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 60; ++x) {
        sum += m.At(x, y);
        sx += m.At(x, y) * (static_cast<float>(x) + 0.5f);
        sy += m.At(x, y) * (static_cast<float>(y) + 0.5f);
      }
    ASSERT_GT(sum, 20) << text;
    EXPECT_NEAR(sx / sum, 30, 3) << text;
    EXPECT_NEAR(sy / sum, 15, 3) << text;
  }
}

// Small text sits on whole pixels: moved by less than half a pixel it comes out the same.
TEST(TextTest, SmallTextIsDrawnOnWholePixels) {
  const TextStyle style{Face::kSansBold, 12};
  const Mask at = Text(40, 20, style, "重置", 4, 14);
  const Mask nudged = Text(40, 20, style, "重置", 4.3f, 14.3f);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(at.At(x, y), nudged.At(x, y)) << x << "," << y;
}

TEST(TextTest, InkGrowsWithTheText) {
  const TextStyle style{Face::kSansBold, 14};
  const InkBox one = MeasureInk(style, "发");
  const InkBox two = MeasureInk(style, "发送");
  EXPECT_GT(one.Width(), 8);
  EXPECT_GT(two.Width(), one.Width() + 8);
  EXPECT_NEAR(MeasureAdvance(style, "发送"), 28, 1);
  EXPECT_THROW(MeasureInk(style, "\xE5\x8F"), std::invalid_argument);
}

}  // namespace
}  // namespace tlj::artgen::draw
