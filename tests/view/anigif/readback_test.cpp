#include <gtest/gtest.h>

#include <set>

#include "core/view/picture_decoder.h"
#include "tests/view/anigif/control_fixture.h"
#include "tests/view/anigif/pot_gif.h"

namespace tlj::view::anigif::testing {
namespace {

void ExpectSamePixels(const platform::Image& a, const platform::Image& b) {
  ASSERT_EQ(a.width, b.width);
  ASSERT_EQ(a.height, b.height);
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      const std::uint8_t* p = a.Pixel(x, y);
      const std::uint8_t* q = b.Pixel(x, y);
      if (p[3] == 0 && q[3] == 0) continue;  // clear is clear, whatever the colour
      ASSERT_TRUE(std::equal(p, p + 4, q)) << "at " << x << ", " << y;
    }
  }
}

class ReadBackTest : public ControlTest {
 protected:
  ReadBackTest() {
    control.SetStretch(4);
    control.SetDelayAnimation(2);
  }
};

TEST_F(ReadBackTest, TheCurrentPictureComesBackAsAOneImageGif) {
  ASSERT_TRUE(Load(PotGif()));
  for (int frame = 1; frame <= 3; ++frame) {
    const auto gif = control.AnimatedGIF();
    const auto decoded = DecodePicture(gif);
    ASSERT_TRUE(decoded) << "frame " << frame;
    ExpectSamePixels(*decoded, *element.image);
    control.SetAction(kActionStep);
  }
}

TEST_F(ReadBackTest, MoreThan255ColoursAreReduced) {
  // Scaling the pot blends its colours into many more than a GIF table holds.
  control.SetStretch(2);
  element.width = 77;
  element.height = 51;
  ASSERT_TRUE(Load(PotGif()));
  std::set<std::uint32_t> colours;
  for (std::size_t i = 0; i < element.image->rgba.size(); i += 4) {
    const std::uint8_t* p = &element.image->rgba[i];
    colours.insert(static_cast<std::uint32_t>(p[0] << 16 | p[1] << 8 | p[2]));
  }
  ASSERT_GT(colours.size(), 255u);
  const auto decoded = DecodePicture(control.AnimatedGIF());
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width, 77);
  EXPECT_EQ(decoded->height, 51);
  EXPECT_EQ(decoded->Pixel(2, 2)[3], 0) << "the clear corner stays clear";
  const std::uint8_t* shown = element.image->Pixel(60, 40);
  const std::uint8_t* back = decoded->Pixel(60, 40);
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(back[c], shown[c], 24) << "channel " << c;
}

TEST_F(ReadBackTest, NothingShownGivesNothing) {
  EXPECT_TRUE(control.AnimatedGIF().empty());
  ASSERT_TRUE(Load(PotGif()));
  EXPECT_FALSE(control.AnimatedGIF().empty());
  control.SetAction(kActionStop);
  EXPECT_TRUE(control.AnimatedGIF().empty());
}

}  // namespace
}  // namespace tlj::view::anigif::testing
