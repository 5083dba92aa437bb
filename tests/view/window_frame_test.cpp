// The table window's border painted from the skin, and its caption elements.

#include "core/view/window_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/elements.h"
#include "core/view/layout.h"
#include "core/view/window_designs.h"
#include "tests/view/view_fixture.h"

namespace tlj::view {
namespace {

using platform::Rect;

bool operator==(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

std::string Show(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
         "x" + std::to_string(r.height);
}

class WindowFrameTest : public testing::ViewTest {
 protected:
  void Load(int screen_width, int screen_height) {
    DesignWindows(*platform::Sys().ui);
    ChooseLayout(screen_width, screen_height);
  }
  std::vector<Rect> Targets() const {
    std::vector<Rect> targets;
    for (const auto& piece : model::Win().painting) targets.push_back(piece.target);
    return targets;
  }
};

TEST_F(WindowFrameTest, TheEightPiecesStretchTheEdgesToTheWindowSize) {
  struct Case {
    int screen_w, screen_h;
    std::vector<Rect> targets;  // top-left, top, top-right, left, right, bottom-left, bottom,
                                // bottom-right
  };
  const Case cases[] = {
      // The frame of the full window: the top edge 1024 x 20, the sides 8 x 768.
      {1280,
       1024,
       {{0, 0, 8, 20},
        {8, 0, 1024, 20},
        {1032, 0, 8, 20},
        {0, 20, 8, 768},
        {1032, 20, 8, 768},
        {0, 788, 8, 8},
        {8, 788, 1024, 8},
        {1032, 788, 8, 8}}},
      // Painted once, when the width is fixed, at the screen's height.
      {1280,
       768,
       {{0, 0, 8, 20},
        {8, 0, 1024, 20},
        {1032, 0, 8, 20},
        {0, 20, 8, 740},
        {1032, 20, 8, 740},
        {0, 760, 8, 8},
        {8, 760, 1024, 8},
        {1032, 760, 8, 8}}},
      // No room on either side: never painted.
      {1024, 768, {}},
      {800, 600, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.screen_w) + "x" + std::to_string(c.screen_h));
    Load(c.screen_w, c.screen_h);
    const std::vector<Rect> targets = Targets();
    ASSERT_EQ(targets.size(), c.targets.size());
    for (std::size_t i = 0; i < targets.size(); ++i)
      EXPECT_TRUE(targets[i] == c.targets[i]) << "piece " << i << ": " << Show(targets[i]);
  }
}

TEST_F(WindowFrameTest, PiecesAreCutFromTheSkinPicture) {
  Load(1280, 1024);
  const std::vector<Rect> sources = {{0, 0, 8, 20},   {8, 0, 8, 20},    {38, 0, 8, 20},
                                     {0, 20, 8, 192}, {38, 20, 8, 192}, {0, 212, 8, 8},
                                     {8, 212, 8, 8},  {38, 212, 8, 8}};
  const auto& painting = model::Win().painting;
  ASSERT_EQ(painting.size(), sources.size());
  for (std::size_t i = 0; i < sources.size(); ++i) {
    EXPECT_TRUE(painting[i].source == sources[i]) << "piece " << i;
    EXPECT_EQ(painting[i].image, model::El("Skin").image);
  }
  EXPECT_NE(model::El("Skin").image, nullptr);
}

TEST_F(WindowFrameTest, CaptionButtonsStandAtTheRightInFrontWithTheirNormalPictures) {
  Load(1280, 1024);
  const auto& close = model::El("ImgClose", 0);
  const auto& minimise = model::El("imgMin", 0);
  EXPECT_NEAR(close.left, 1040 - close.width - 70 / 15.0, 1e-9);
  EXPECT_NEAR(close.top, 25 / 15.0, 1e-9);
  EXPECT_NEAR(minimise.left, close.left - minimise.width - 2, 1e-9);
  EXPECT_EQ(close.image, model::El("ImgClose", 1).image);
  EXPECT_EQ(minimise.image, model::El("imgMin", 1).image);
  EXPECT_GT(close.z, model::El("LbMove").z);
  EXPECT_GT(minimise.z, model::El("LbMove").z);

  const auto& icon = model::El("imgIcon");
  EXPECT_TRUE(icon.visible);
  EXPECT_NEAR(icon.left, 50 / 15.0, 1e-9);
  EXPECT_EQ(icon.width, 16);
}

}  // namespace
}  // namespace tlj::view
