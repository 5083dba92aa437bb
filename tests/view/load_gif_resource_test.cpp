#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/platform/element_tree.h"
#include "core/platform/resource_store.h"
#include "core/platform/services.h"
#include "core/view/image_tables.h"
#include "core/view/picture_cache.h"
#include "tests/view/gif_builder.h"
#include "tests/view/jpeg_builder.h"

namespace tlj::view {
namespace {

using testing::BuildGif;
using testing::Filled;

// Entries in the shape of the real store: GIFs, and JPEGs kept under type "GIF".
class MemoryStore : public platform::ResourceStore {
 public:
  std::optional<std::span<const std::uint8_t>> Get(std::string_view type, int id) const override {
    const auto it = entries.find(id);
    if (type != "GIF" || it == entries.end()) return std::nullopt;
    return std::span<const std::uint8_t>(it->second);
  }
  std::map<int, std::vector<std::uint8_t>> entries;
};

class ResourcePictureTest : public ::testing::Test {
 protected:
  ResourcePictureTest() : saved_(platform::Sys()) {
    ClearPictureCache();
    platform::Sys().store = &store;
    const auto gif = BuildGif(testing::Plan(3, 2, {{0, 0, 0}, {9, 8, 7}}, {Filled(0, 0, 3, 2, 1)}));
    store.entries = {
        {5, gif},
        {870, testing::BuildJpeg(27, 21, 0, 0, 250)},
        {9, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}},
        {11, {gif.begin(), gif.begin() + 20}},
        {12, {}},
        {13, testing::WithScreen(gif, 5000, 2)},
    };
    old_image = std::make_shared<platform::Image>();
    element.picture = kOld;
    element.image = old_image;
    element.left = 3;
    element.width = 40;
  }
  ~ResourcePictureTest() override {
    platform::Sys() = saved_;
    ClearPictureCache();
  }

  static constexpr int kOld = 99;
  MemoryStore store;
  platform::Element element;
  std::shared_ptr<const platform::Image> old_image;

 private:
  platform::Services saved_;
};

TEST_F(ResourcePictureTest, GifAndJpegUnderTypeGifBecomeTheElementsPicture) {
  LoadGifResource(5, "GIF", element);
  EXPECT_EQ(element.picture, 5);
  ASSERT_TRUE(element.image);
  EXPECT_EQ(element.image->width, 3);
  EXPECT_EQ(element.image->rgba[0], 9);

  LoadGifResource(870, "GIF", element);
  EXPECT_EQ(element.picture, 870);
  ASSERT_TRUE(element.image);
  EXPECT_EQ(element.image->width, 27);
  EXPECT_EQ(element.image->height, 21);
  EXPECT_EQ(element.left, 3) << "the element keeps its place and size";
  EXPECT_EQ(element.width, 40);
}

TEST_F(ResourcePictureTest, AReloadSharesTheDecodedPicture) {
  platform::Element other;
  LoadGifResource(5, "GIF", element);
  LoadGifResource(5, "GIF", other);
  EXPECT_EQ(element.image, other.image);
}

TEST_F(ResourcePictureTest, AnyFailureQuietlyKeepsTheOldPicture) {
  struct Case {
    int id;
    std::string_view type;
    const char* what;
  };
  const Case cases[] = {
      {2, "GIF", "absent"},       {0, "GIF", "an empty table entry"},
      {5, "JPG", "another type"}, {9, "GIF", "neither GIF nor JPEG"},
      {11, "GIF", "cut short"},   {12, "GIF", "no bytes"},
      {13, "GIF", "too large"},
  };
  for (const Case& c : cases) {
    LoadGifResource(c.id, c.type, element);
    EXPECT_EQ(element.picture, kOld) << c.what;
    EXPECT_EQ(element.image, old_image) << c.what;
  }
}

TEST_F(ResourcePictureTest, NoStoreLoadsNothing) {
  platform::Sys().store = nullptr;
  LoadGifResource(5, "GIF", element);
  EXPECT_EQ(element.picture, kOld);
}

}  // namespace
}  // namespace tlj::view
