#include "core/view/picture_cache.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/view/gif_builder.h"

namespace tlj::view {
namespace {

using testing::BuildGif;
using testing::Filled;

class PictureCacheTest : public ::testing::Test {
 protected:
  PictureCacheTest() { ClearPictureCache(); }
  ~PictureCacheTest() override { ClearPictureCache(); }

  static std::vector<std::uint8_t> Gif(std::uint8_t red) {
    return BuildGif(testing::Plan(2, 2, {{red, 0, 0}, {0, 0, 0}}, {Filled(0, 0, 2, 2, 0)}));
  }
};

TEST_F(PictureCacheTest, SameBytesUnderTheSameIdDecodeOnce) {
  const auto bytes = Gif(10);
  const auto first = CachedPicture(5, bytes);
  ASSERT_TRUE(first);
  const std::vector<std::uint8_t> copy = bytes;  // equal bytes at another address
  EXPECT_EQ(CachedPicture(5, copy), first);
}

TEST_F(PictureCacheTest, ChangedBytesUnderAnIdAreDecodedAfresh) {
  const auto first = CachedPicture(5, Gif(10));
  const auto second = CachedPicture(5, Gif(20));
  ASSERT_TRUE(first && second);
  EXPECT_NE(first, second);
  EXPECT_EQ(second->rgba[0], 20);
  EXPECT_EQ(first->rgba[0], 10) << "a picture handed out never changes";
}

TEST_F(PictureCacheTest, IdsAreKeptApartAndClearingForgetsThem) {
  const auto bytes = Gif(10);
  const auto five = CachedPicture(5, bytes);
  const auto six = CachedPicture(6, bytes);
  EXPECT_NE(five, six);
  EXPECT_EQ(CachedPicture(5, bytes), five);
  ClearPictureCache();
  EXPECT_NE(CachedPicture(5, bytes), five);
}

// A picture still shown, or among the last used, is the same picture; one that nothing holds
// and that many others have followed is decoded again, its memory given back meanwhile.
TEST_F(PictureCacheTest, OnlyPicturesInUseOrUsedLatelyStayDecoded) {
  const auto bytes = Gif(10);
  auto shown = CachedPicture(5, bytes);
  std::weak_ptr<const platform::Image> dropped = CachedPicture(6, bytes);
  const std::vector<std::uint8_t> big =
      BuildGif(testing::Plan(200, 200, {{1, 2, 3}, {0, 0, 0}}, {Filled(0, 0, 200, 200, 0)}));
  for (int id = 100; id < 104; ++id) ASSERT_TRUE(CachedPicture(id, big));  // 640 KB in all
  EXPECT_EQ(CachedPicture(5, bytes), shown) << "held by an element";
  EXPECT_TRUE(dropped.expired()) << "neither shown nor used lately";
  const auto again = CachedPicture(6, bytes);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->rgba, shown->rgba);
  EXPECT_EQ(CachedPicture(6, bytes), again) << "used just now";
}

TEST_F(PictureCacheTest, BytesThatDoNotDecodeGiveNothingEachTime) {
  const std::vector<std::uint8_t> junk = {'G', 'I', 'F', '8', '9', 'a'};
  EXPECT_EQ(CachedPicture(7, junk), nullptr);
  EXPECT_EQ(CachedPicture(7, junk), nullptr);
  const auto good = Gif(1);
  EXPECT_TRUE(CachedPicture(7, good)) << "a failure is not remembered against the id";
}

}  // namespace
}  // namespace tlj::view
