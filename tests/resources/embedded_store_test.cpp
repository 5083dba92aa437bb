#include "resources/embedded_store.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/resources/catalogue.h"
#include "tests/support/gif_file.h"

namespace tlj::resources {
namespace {

using testing::CatalogueSizes;
using testing::IsJpegId;
using testing::kHotPotId;
using testing::Size;
using tlj::testing::GifFile;

std::string Signature(std::span<const std::uint8_t> bytes) {
  return std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(
                                                        std::min<std::size_t>(6, bytes.size())));
}

TEST(EmbeddedStoreTest, HoldsExactlyTheCatalogue) {
  const auto sizes = CatalogueSizes();
  ASSERT_EQ(sizes.size(), 474u) << "the expected catalogue itself is mistyped";
  const platform::ResourceStore& store = EmbeddedStore();
  for (int id = -2; id <= 1000; ++id)
    EXPECT_EQ(store.Get("GIF", id).has_value(), sizes.contains(id)) << "id " << id;
}

TEST(EmbeddedStoreTest, AnswersOnlyToTheGifType) {
  const platform::ResourceStore& store = EmbeddedStore();
  for (const int id : {3, 150, 870, kHotPotId}) {
    ASSERT_TRUE(store.Get("GIF", id)) << id;
    for (const char* type : {"JPG", "gif", "", "GIF "})
      EXPECT_FALSE(store.Get(type, id)) << type << " " << id;
  }
  for (const int id : {0, -1, 2, 149, 211, 877}) EXPECT_FALSE(store.Get("GIF", id)) << id;
}

TEST(EmbeddedStoreTest, VideoFramesAreJpegOfTheirSize) {
  const auto sizes = CatalogueSizes();
  for (int id = 870; id <= 875; ++id) {
    const auto bytes = EmbeddedStore().Get("GIF", id);
    ASSERT_TRUE(bytes) << id;
    ASSERT_GE(bytes->size(), 4u);
    EXPECT_EQ((*bytes)[0], 0xFF);
    EXPECT_EQ((*bytes)[1], 0xD8);
    EXPECT_EQ(tlj::testing::JpegSize(*bytes), sizes.at(id)) << id;
  }
}

TEST(EmbeddedStoreTest, EveryOtherPictureIsOneFullSizeGifImage) {
  for (const auto& [id, size] : CatalogueSizes()) {
    if (IsJpegId(id) || id == kHotPotId) continue;
    const auto bytes = EmbeddedStore().Get("GIF", id);
    ASSERT_TRUE(bytes) << id;
    const std::string signature = Signature(*bytes);
    EXPECT_TRUE(signature == "GIF87a" || signature == "GIF89a") << id;
    GifFile gif(*bytes);
    ASSERT_TRUE(gif.Ok()) << id;
    EXPECT_EQ((Size{gif->SWidth, gif->SHeight}), size) << id;
    ASSERT_EQ(gif->ImageCount, 1) << id;
    const GifImageDesc& image = gif->SavedImages[0].ImageDesc;
    EXPECT_EQ((Size{image.Width, image.Height}), size) << id;
    EXPECT_EQ(image.Left, 0) << id;
    EXPECT_EQ(image.Top, 0) << id;
    ASSERT_NE(gif.PaletteOf(0), nullptr) << id;
    EXPECT_LE(gif.PaletteOf(0)->ColorCount, 256) << id;
  }
}

TEST(EmbeddedStoreTest, HotPotIsTheThreeFrameLoopingAnimation) {
  const auto bytes = EmbeddedStore().Get("GIF", kHotPotId);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(Signature(*bytes), "GIF89a");
  GifFile gif(*bytes);
  ASSERT_TRUE(gif.Ok());
  EXPECT_EQ(gif->SWidth, 192);
  EXPECT_EQ(gif->SHeight, 192);
  ASSERT_EQ(gif->ImageCount, 3);

  struct Expected {
    int left, top, width, height, delay, disposal;
  };
  const Expected frames[] = {
      {0, 0, 192, 192, 50, 1}, {66, 112, 57, 20, 20, 1}, {0, 0, 192, 192, 100, 2}};
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE("frame " + std::to_string(k + 1));
    const GifImageDesc& image = gif->SavedImages[k].ImageDesc;
    EXPECT_EQ(image.Left, frames[k].left);
    EXPECT_EQ(image.Top, frames[k].top);
    EXPECT_EQ(image.Width, frames[k].width);
    EXPECT_EQ(image.Height, frames[k].height);
    GraphicsControlBlock control;
    ASSERT_TRUE(gif.Control(k, control));
    EXPECT_EQ(control.DelayTime, frames[k].delay);
    EXPECT_EQ(control.DisposalMode, frames[k].disposal);
    EXPECT_EQ(control.TransparentColor, 128);
    ASSERT_NE(gif.PaletteOf(k), nullptr);
    EXPECT_EQ(gif.PaletteOf(k)->ColorCount, 256);
  }

  // NETSCAPE2.0 with a loop count of 0, before the first frame.
  const SavedImage& first = gif->SavedImages[0];
  bool looping = false;
  for (int e = 0; e + 1 < first.ExtensionBlockCount; ++e) {
    const ExtensionBlock& block = first.ExtensionBlocks[e];
    if (block.Function != APPLICATION_EXT_FUNC_CODE || block.ByteCount != 11 ||
        std::string(reinterpret_cast<const char*>(block.Bytes), 11) != "NETSCAPE2.0")
      continue;
    const ExtensionBlock& data = first.ExtensionBlocks[e + 1];
    ASSERT_EQ(data.ByteCount, 3);
    EXPECT_EQ(data.Bytes[0], 1);
    EXPECT_EQ(data.Bytes[1] | data.Bytes[2] << 8, 0);
    looping = true;
  }
  EXPECT_TRUE(looping);
}

TEST(EmbeddedStoreTest, HotPotFramesLeaveTheirSurroundingsTransparent) {
  GifFile gif(*EmbeddedStore().Get("GIF", kHotPotId));
  ASSERT_TRUE(gif.Ok());
  // The corners of the big frames and of the patch are see-through; the pot's middle is not.
  for (const int k : {0, 2}) {
    const SavedImage& frame = gif->SavedImages[k];
    EXPECT_EQ(frame.RasterBits[0], 128) << k;
    EXPECT_EQ(frame.RasterBits[192 * 192 - 1], 128) << k;
    EXPECT_NE(frame.RasterBits[130 * 192 + 96], 128) << k;
  }
  const SavedImage& patch = gif->SavedImages[1];
  EXPECT_EQ(patch.RasterBits[0], 128);
  EXPECT_NE(patch.RasterBits[10 * 57 + 28], 128);
}

}  // namespace
}  // namespace tlj::resources
