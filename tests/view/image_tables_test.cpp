#include "core/view/image_tables.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/view/layout.h"
#include "tests/view/view_fixture.h"

namespace tlj::view {
namespace {

class ImageTablesTest : public testing::ViewTest {
 protected:
  void Build(bool reduced) {
    LayoutScale = reduced ? 0.78125 : 1.0;
    BuildImageTables();
  }
};

TEST_F(ImageTablesTest, CardPictureByCodeInBothLayouts) {
  struct Case {
    int code, full, reduced;
  };
  const Case cases[] = {
      {3, 3, 303},
      {14, 14, 301},
      {15, 15, 302},
      {16, 16, 353},
      {17, 17, 354},
      {18, 18, 18},
      {19, 19, 316},
      {31, 31, 315},
      {35, 35, 329},
      {46, 46, 327},
      {47, 47, 328},
      {51, 51, 342},
      {61, 61, 352},
      {63, 63, 341},
      // Codes that are no card have no picture.
      {0, 0, 0},
      {2, 0, 0},
      {32, 0, 0},
      {34, 0, 0},
      {48, 0, 0},
      {50, 0, 0},
  };
  for (const bool reduced : {false, true}) {
    Build(reduced);
    for (const Case& c : cases)
      EXPECT_EQ(CardImageIds[c.code], reduced ? c.reduced : c.full)
          << "code " << c.code << (reduced ? " reduced" : " full");
  }
}

TEST_F(ImageTablesTest, SendButtonKeepsItsPicturesInTheReducedLayout) {
  struct Case {
    int index, full, reduced;
  };
  const Case cases[] = {{0, 150, 150}, {1, 151, 151}, {2, 152, 283}, {3, 153, 284}, {19, 169, 300}};
  for (const bool reduced : {false, true}) {
    Build(reduced);
    for (const Case& c : cases)
      EXPECT_EQ(ButtonImageIds[c.index], reduced ? c.reduced : c.full)
          << c.index << (reduced ? " reduced" : " full");
  }
}

TEST_F(ImageTablesTest, CoinPicturesFollowTheLayout) {
  Build(false);
  EXPECT_EQ(CoinFrames5.front(), 601);
  EXPECT_EQ(CoinFrames5.back(), 620);
  EXPECT_EQ(CoinFrames100.back(), 780);
  EXPECT_EQ(CoinImageId1, 803);
  EXPECT_EQ(CoinImageId500, 805);
  Build(true);
  EXPECT_EQ(CoinFrames5.front(), 621);
  EXPECT_EQ(CoinFrames50.front(), 741);
  EXPECT_EQ(CoinFrames100.back(), 800);
  EXPECT_EQ(CoinImageId1, 804);
  EXPECT_EQ(CoinImageId500, 806);
}

TEST_F(ImageTablesTest, KeypadAndActionPicturesPairNormalWithHover) {
  Build(true);
  EXPECT_EQ(NumImageIds[0], 220);
  EXPECT_EQ(NumImageIds[9], 229);
  EXPECT_EQ(NumImageIds[10], 200);
  EXPECT_EQ(NumImageIds[14], 204);
  EXPECT_EQ(NumImageIds[15], 230);
  EXPECT_EQ(NumImageIds[24], 239);
  EXPECT_EQ(NumImageIds[25], 205);
  EXPECT_EQ(NumImageIds[29], 209);
  EXPECT_EQ(OperationImageIds,
            (std::array<int, 15>{590, 592, 590, 592, 520, 522, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ReadyImageIds, (std::array<int, 4>{280, 281, 282, 280}));
  EXPECT_EQ(DialogButtonImageIds.back(), 177);
  EXPECT_EQ(AvatarImageIds.back(), 259);
}

}  // namespace
}  // namespace tlj::view
