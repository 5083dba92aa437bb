#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "tests/view/anigif/control_fixture.h"

namespace tlj::view::anigif::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

class MalformedTest : public ControlTest {
 protected:
  MalformedTest() {
    old_picture = std::make_shared<platform::Image>();
    element.image = old_picture;
  }

  // The load fails, the control is empty and does nothing later, the element keeps its picture.
  void ExpectRefused(const Bytes& bytes, const char* what) {
    SCOPED_TRACE(what);
    element.image = old_picture;
    EXPECT_FALSE(control.LoadAnimatedGIF_Array(bytes));
    EXPECT_EQ(control.FrameCount(), 0);
    EXPECT_EQ(control.CurrentFrame(), 0);
    EXPECT_EQ(control.LoopsRemaining(), -1);
    EXPECT_EQ(control.ActualWidth(), 0);
    EXPECT_EQ(element.image, old_picture);
    EXPECT_FALSE(control.LastError().text.empty());
    EXPECT_EQ(loop.NextTimerDue(), platform::kForever);
    control.SetAction(kActionRestart);
    EXPECT_EQ(control.Action(), kStopped);
  }

  std::shared_ptr<const platform::Image> old_picture;
};

// A screen of the given size holding one frame of the given size with three bytes of data.
Bytes Declared(int screen_w, int screen_h, int left, int top, int width, int height) {
  const auto lo = [](int v) { return static_cast<std::uint8_t>(v & 0xFF); };
  const auto hi = [](int v) { return static_cast<std::uint8_t>(v >> 8); };
  return {'G',
          'I',
          'F',
          '8',
          '9',
          'a',
          lo(screen_w),
          hi(screen_w),
          lo(screen_h),
          hi(screen_h),
          0x80,
          0,
          0,
          0,
          0,
          0,
          255,
          255,
          255,
          0x2C,
          lo(left),
          hi(left),
          lo(top),
          hi(top),
          lo(width),
          hi(width),
          lo(height),
          hi(height),
          0,
          2,
          1,
          0x44,
          0,
          0x3B};
}

TEST_F(MalformedTest, RefusedWithoutHarm) {
  const Bytes good = BuildGif(Frames({10, 10}, 3, 2));
  Bytes bad_codes = tlj::testing::TinyGif();
  bad_codes[31] = 0x7C;  // clear, then a code not yet in the table
  Bytes big_code_size = tlj::testing::TinyGif();
  big_code_size[29] = 12;
  struct Case {
    Bytes bytes;
    const char* what;
  };
  const Case cases[] = {
      {{}, "no bytes"},
      {{'G', 'I', 'F', '8', '9', 'a'}, "a signature only"},
      {{good.begin(), good.end() - 1}, "no trailer"},
      {{good.begin(), good.begin() + 30}, "cut in the first frame"},
      {Bytes(40, 0xFF), "not a GIF"},
      {tlj::testing::WithoutGlobalTable(good), "no colour table"},
      {bad_codes, "a code beyond the table"},
      {big_code_size, "a code size beyond 8 bits"},
      {Declared(65535, 65535, 0, 0, 1, 1), "a huge screen"},
      {Declared(1, 1, 0, 0, 4097, 1), "a frame wider than the limit"},
      {Declared(1, 1, 4000, 4000, 200, 200), "a frame past the canvas limit"},
      {Declared(16, 16, 0, 0, 16, 16), "data for 1 pixel declared as 256"},
      {{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B}, "no frames"},
  };
  for (const Case& c : cases) ExpectRefused(c.bytes, c.what);
}

TEST_F(MalformedTest, EveryCutOfAGoodFileIsRefused) {
  const Bytes good = BuildGif(Frames({10, 10, 10}, 5, 3));
  for (std::size_t size = 0; size < good.size(); ++size)
    ExpectRefused({good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size)}, "a cut");
  element.image = old_picture;
  EXPECT_TRUE(control.LoadAnimatedGIF_Array(good));
  EXPECT_NE(element.image, old_picture);
}

TEST_F(MalformedTest, AFailedLoadStopsWhatPlayedBefore) {
  control.SetDelayAnimation(0);
  ASSERT_TRUE(Load(Frames({10, 10})));
  RunUntil(150);
  EXPECT_FALSE(control.LoadAnimatedGIF_Array(Bytes{'G', 'I', 'F'}));
  EXPECT_EQ(control.LastError().source, kReadGifFile);
  EXPECT_EQ(control.LastError().text, "Not a GIF file");
  EXPECT_EQ(control.FrameCount(), 0);
  const auto shown = element.image;
  RunUntil(1000);
  EXPECT_EQ(element.image, shown) << "nothing plays on";
}

TEST_F(MalformedTest, ReadingPastTheEndNamesItsError) {
  const Bytes good = BuildGif(Frames({10}));
  EXPECT_FALSE(control.LoadAnimatedGIF_Array(Bytes(good.begin(), good.end() - 1)));
  EXPECT_EQ(control.LastError().source, "ReadGifFile");
  EXPECT_EQ(control.LastError().text, "End of File");
}

}  // namespace
}  // namespace tlj::view::anigif::testing
