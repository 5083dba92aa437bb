// Every picture of the program goes through the loader the table uses and comes out at its size;
// ids outside the catalogue leave the element as it was.

#include <gtest/gtest.h>

#include "core/platform/services.h"
#include "core/view/image_tables.h"
#include "resources/embedded_store.h"
#include "tests/resources/catalogue.h"

namespace tlj::resources {
namespace {

class LoadEveryPictureTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::Sys().store = &EmbeddedStore(); }
  void TearDown() override { platform::Sys() = platform::Services{}; }
};

TEST_F(LoadEveryPictureTest, EveryCatalogueIdLoadsAtItsSize) {
  for (const auto& [id, size] : testing::CatalogueSizes()) {
    platform::Element element;
    view::LoadGifResource(id, "GIF", element);
    ASSERT_TRUE(element.image) << id;
    EXPECT_EQ(element.picture, id);
    EXPECT_EQ(element.image->width, size.width) << id;
    EXPECT_EQ(element.image->height, size.height) << id;
  }
}

TEST_F(LoadEveryPictureTest, AbsentIdsFailQuietly) {
  for (const int id : {0, 2, 149, 211, 261, 355, 877, -1}) {
    platform::Element element;
    element.picture = 7;
    view::LoadGifResource(id, "GIF", element);
    EXPECT_EQ(element.picture, 7) << id;
    EXPECT_FALSE(element.image) << id;
  }
}

}  // namespace
}  // namespace tlj::resources
