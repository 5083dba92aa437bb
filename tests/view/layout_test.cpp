#include "core/view/layout.h"
#include "core/model/button_indexes.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/view/image_tables.h"
#include "core/view/window_designs.h"
#include "tests/view/view_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace tlj::view {
namespace {

constexpr double kReduced = 0.78125;

class LayoutTest : public testing::ViewTest {
 protected:
  // The table window's load, as far as the layout goes.
  void Load(int screen_width, int screen_height) {
    DesignWindows(*platform::Sys().ui);
    ChooseLayout(screen_width, screen_height);
    BuildImageTables();
    LayoutTableFirstHalf();
    LayoutTableSecondHalf();
  }
  void LoadFull() { Load(1280, 1024); }
  void LoadReduced() { Load(800, 600); }
};

TEST_F(LayoutTest, WindowAndSurfaceFollowTheScreen) {
  struct Case {
    int screen_w, screen_h;
    double window_w, window_h;
    double surface_left, surface_top, surface_w, surface_h;
    double scale;
  };
  const Case cases[] = {
      {1280, 1024, 1040, 796, 8, 20, 1024, 768, 1.0},
      {1025, 769, 1040, 796, 8, 20, 1024, 768, 1.0},
      {1024, 768, 1024, 768, 0, 0, 1024, 768, 1.0},  // no room for a frame
      {800, 600, 800, 600, 0, 0, 800, 600, kReduced},
      {1023, 900, 1023, 796, 0, 20, 1023, 768, kReduced},
      {1280, 767, 1040, 767, 8, 0, 1024, 767, kReduced},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.screen_w) + "x" + std::to_string(c.screen_h));
    Load(c.screen_w, c.screen_h);
    const auto& window = model::Win();
    const auto& surface = model::El("Pic1");
    EXPECT_EQ(LayoutScale, c.scale);
    EXPECT_EQ(window.left, 0);
    EXPECT_EQ(window.top, 0);
    EXPECT_EQ(window.width, c.window_w);
    EXPECT_EQ(window.height, c.window_h);
    EXPECT_EQ(surface.left, c.surface_left);
    EXPECT_EQ(surface.top, c.surface_top);
    EXPECT_EQ(surface.width, c.surface_w);
    EXPECT_EQ(surface.height, c.surface_h);
  }
}

TEST_F(LayoutTest, LocalAvatarIsDrawnAtItsScaledPlace) {
  struct Case {
    int screen_w, screen_h;
    int left, top, width, height;
  };
  const Case cases[] = {{1280, 1024, 10, 668, 85, 90}, {800, 600, 8, 522, 66, 70}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.screen_w);
    Load(c.screen_w, c.screen_h);
    const auto& avatar = model::El("Tou", 0);
    EXPECT_EQ(Px(avatar.left), c.left);
    EXPECT_EQ(Px(avatar.top), c.top);
    EXPECT_EQ(Px(avatar.width), c.width);
    EXPECT_EQ(Px(avatar.height), c.height);
  }
}

TEST_F(LayoutTest, OperationButtonsStepByTheConfirmWidth) {
  struct Case {
    int screen_w, screen_h;
    double first_left, first_top, step, width, height;
  };
  const Case cases[] = {
      {1280, 1024, 790, 615, 71.5, 60, 30},
      {800, 600, 780 * kReduced, 615 * kReduced, 65 * 0.88125, 60 * kReduced, 30 * kReduced},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.screen_w);
    Load(c.screen_w, c.screen_h);
    const auto& first = model::El("Operation", 0);
    EXPECT_DOUBLE_EQ(first.left, c.first_left);
    EXPECT_DOUBLE_EQ(first.top, c.first_top);
    EXPECT_EQ(first.width, 65);  // never scaled
    EXPECT_EQ(first.height, 41);
    for (int k = 1; k <= 2; ++k) {
      const auto& button = model::El("Operation", k);
      EXPECT_DOUBLE_EQ(button.left - model::El("Operation", k - 1).left, c.step) << k;
      EXPECT_DOUBLE_EQ(button.top, first.top) << k;
      EXPECT_DOUBLE_EQ(button.width, c.width) << k;
      EXPECT_DOUBLE_EQ(button.height, c.height) << k;
    }
    for (int k = 0; k <= 2; ++k) {
      EXPECT_FALSE(model::El("Operation", k).visible) << k;
      EXPECT_FALSE(model::El("Operation", k).enabled) << k;
    }
    EXPECT_EQ(model::El("Operation", 0).picture, 590);
    EXPECT_EQ(model::El("Operation", 1).picture, 590);
    EXPECT_EQ(model::El("Operation", 2).picture, 520);
  }
}

TEST_F(LayoutTest, KeypadHasThreeDigitRowsAndAFourthColumn) {
  LoadFull();
  struct Key {
    int index;
    double left, top, width;
    int picture;
  };
  const Key keys[] = {
      {0, 835, 580, 40, 220},  {1, 835, 545, 40, 221},  {3, 925, 545, 40, 223},
      {7, 835, 475, 40, 227},  {9, 925, 475, 40, 229},  {10, 893, 580, 58, 200},
      {11, 970, 580, 40, 201}, {12, 970, 545, 40, 202}, {13, 970, 510, 40, 203},
      {14, 970, 475, 40, 204},
  };
  for (const Key& k : keys) {
    const auto& key = model::El("ImgNum", k.index);
    EXPECT_EQ(key.left, k.left) << k.index;
    EXPECT_EQ(key.top, k.top) << k.index;
    EXPECT_EQ(key.width, k.width) << k.index;
    EXPECT_EQ(key.height, 30) << k.index;
    EXPECT_EQ(key.picture, k.picture) << k.index;
    EXPECT_TRUE(key.visible) << k.index;
  }
  EXPECT_EQ(model::El("ImgNum", 11).tooltip, "当前最大买入");
  EXPECT_EQ(model::El("ImgNum", 12).tooltip, "当前锅底-初始锅底+1");
  EXPECT_EQ(model::El("ImgNum", 13).tooltip, "初始锅底5%");
}

TEST_F(LayoutTest, CommandButtonsStandInTwoRows) {
  LoadFull();
  struct Button {
    int index;
    double left, top, width;
  };
  const Button buttons[] = {{model::kSendChatButton, 573, 730, 60},
                            {model::kHistoryButton, 648, 699, 50},
                            {model::kHideButton, 858, 699, 50},
                            {model::kScoreButton, 648, 731, 50},
                            {model::kLeaveButton, 858, 731, 50}};
  for (const Button& b : buttons) {
    const auto& button = model::El("AnNiu", b.index);
    EXPECT_EQ(button.left, b.left) << b.index;
    EXPECT_EQ(button.top, b.top) << b.index;
    EXPECT_EQ(button.width, b.width) << b.index;
    EXPECT_TRUE(button.visible) << b.index;
  }
}

TEST_F(LayoutTest, CommandButtonPicturesFollowTheLayout) {
  LoadFull();
  EXPECT_EQ(model::El("AnNiu", model::kSendChatButton).picture, 150);
  EXPECT_EQ(model::El("AnNiu", model::kHistoryButton).picture, 152);
  LoadReduced();
  EXPECT_EQ(model::El("AnNiu", model::kSendChatButton).picture, 150);
  EXPECT_EQ(model::El("AnNiu", model::kHistoryButton).picture, 283);
  EXPECT_EQ(model::El("AnNiu", model::kLeaveButton).picture, 297);
}

TEST_F(LayoutTest, PotPanelStacksAroundThePot) {
  struct Row {
    const char* icon;
    double full_top, reduced_top;
  };
  const Row rows[] = {
      {"imgLunShu", 160, 125},
      {"imgChuShiGuoDi", 390, 301.40625},
      {"imgYuLiuGuoDi", 425, 329.84375},
      {"imgcaichi", 480, 375},
      {"imgmax", 515, 403.4375},
      {"imgReGuoZhu", 550, 431.875},
      // Below the hot-pot icon by the height of the (scaled) maximum icon, not its own.
      {"imgMinZhu", 585, 460.3125},
      {"imgyazhu", 620, 488.75},
  };
  for (const bool reduced : {false, true}) {
    SCOPED_TRACE(reduced ? "reduced" : "full");
    Load(reduced ? 800 : 1280, reduced ? 600 : 1024);
    for (const Row& r : rows) {
      const auto& icon = model::El(r.icon);
      const bool keeps_size = std::string(r.icon) == "imgReGuoZhu";
      const double scale = reduced && !keeps_size ? kReduced : 1.0;
      EXPECT_DOUBLE_EQ(icon.left, 8 * LayoutScale) << r.icon;
      EXPECT_DOUBLE_EQ(icon.top, reduced ? r.reduced_top : r.full_top) << r.icon;
      EXPECT_DOUBLE_EQ(icon.width, 105 * scale) << r.icon;
      EXPECT_DOUBLE_EQ(icon.height, 30 * scale) << r.icon;
      EXPECT_EQ(icon.stretch, reduced) << r.icon;
    }
    const auto& pot = model::El("imgcaichi");
    EXPECT_DOUBLE_EQ(model::El("lblCaiChi").left, pot.left + 105 * LayoutScale);
    EXPECT_DOUBLE_EQ(model::El("lblCaiChi").top, pot.top + 4 * LayoutScale);
    const auto& rounds = model::El("imgLunShu");
    EXPECT_DOUBLE_EQ(model::El("lblLunShu").left, rounds.left + 40 * LayoutScale);
    EXPECT_DOUBLE_EQ(model::El("lblLunShu").top, rounds.top + 3);
  }
}

TEST_F(LayoutTest, MessageStripLinesSitOneBelowTheOther) {
  LoadFull();
  EXPECT_EQ(model::El("Sysmsg", 0).top, 696);
  EXPECT_EQ(model::El("Sysmsg", 0).height, 13);
  EXPECT_EQ(model::El("Sysmsg", 1).top, 709);
  EXPECT_EQ(model::El("Sysmsg", 1).height, 13);

  LoadReduced();
  EXPECT_DOUBLE_EQ(model::El("Sysmsg", 0).top, 541.75);
  EXPECT_DOUBLE_EQ(model::El("Sysmsg", 0).height, 12.15625);
  EXPECT_DOUBLE_EQ(model::El("Sysmsg", 1).top, 553.90625);
  EXPECT_DOUBLE_EQ(model::El("Sysmsg", 1).left, model::El("Sysmsg", 0).left);
}

TEST_F(LayoutTest, TurnTimerWaitsBelowTheSurfaceWithItsSecondsInside) {
  struct Case {
    int screen_w, screen_h;
    double font;
  };
  for (const Case& c : {Case{1280, 1024, 18}, Case{800, 600, 12}}) {
    SCOPED_TRACE(c.screen_w);
    Load(c.screen_w, c.screen_h);
    const auto& clock = model::El("Time_Img");
    const auto& seconds = model::El("Number");
    EXPECT_DOUBLE_EQ(clock.top, 778 * LayoutScale);
    EXPECT_DOUBLE_EQ(seconds.left, clock.left + 48 * LayoutScale);
    EXPECT_DOUBLE_EQ(seconds.top, clock.top + 5 * LayoutScale);
    EXPECT_EQ(seconds.fontSize, c.font);
    EXPECT_FALSE(clock.visible);
    EXPECT_FALSE(seconds.visible);
  }
}

TEST_F(LayoutTest, BubbleOfTheSeatAcrossStandsBesideItsAvatarBelowTheTopBar) {
  LoadFull();
  EXPECT_DOUBLE_EQ(model::El("Speak", 2).left, 406);
  EXPECT_DOUBLE_EQ(model::El("Speak", 2).top, 119);
  LoadReduced();
  EXPECT_DOUBLE_EQ(model::El("Speak", 2).left, 406 * kReduced);
  EXPECT_DOUBLE_EQ(model::El("Speak", 2).top, 93);
}

TEST_F(LayoutTest, ArraysExistWithTheirStartingVisibility) {
  LoadFull();
  struct Array {
    const char* name;
    int first, last;
    bool visible;
  };
  const Array arrays[] = {
      {"Tou", 0, 3, true},        {"Nid", 0, 3, true},        {"Cash", 0, 3, true},
      {"Level", 0, 3, true},      {"AnNiu", 0, 8, true},      {"ImgNum", 0, 14, true},
      {"Sysmsg", 0, 1, true},     {"OK", 0, 3, false},        {"Speak", 0, 3, false},
      {"imgDiPai", 0, 11, false}, {"VImgCoin", 0, 10, false}, {"vshow1", 1, 3, false},
      {"ImCmd", 0, 15, false},
  };
  for (const Array& a : arrays) {
    for (int i = a.first; i <= a.last; ++i) {
      const auto* e = tree.Find(model::kMainForm, a.name, i);
      ASSERT_NE(e, nullptr) << a.name << i;
      EXPECT_EQ(e->visible, a.visible) << a.name << i;
    }
    EXPECT_EQ(tree.Find(model::kMainForm, a.name, a.last + 1), nullptr) << a.name;
  }
  for (const char* hidden : {"vcap1", "P2PSocket1", "WebBrowser1", "WebBrowser2", "ucBuGuo",
                             "imghorn", "imgBuGuo", "ImgShuffle", "LblShuffle"})
    EXPECT_FALSE(model::El(hidden).visible) << hidden;
}

TEST_F(LayoutTest, CaptionsAreDrawnOverTheirPictures) {
  LoadFull();
  const std::pair<const char*, const char*> pairs[] = {
      {"lblCaiChi", "imgcaichi"},     {"lblLunShu", "imgLunShu"},
      {"lblReGuoZhu", "imgReGuoZhu"}, {"lblShowInputCoin", "imgXuanZe"},
      {"Number", "Time_Img"},         {"Location", "imgLocation"},
      {"WebBrowser1", "Bird"},        {"imgword1", "imgLocation"},
  };
  for (const auto& [over, under] : pairs) EXPECT_GT(model::El(over).z, model::El(under).z) << over;
}

TEST_F(LayoutTest, NetWinStartsAtZero) {
  model::g_dNetWin = {5, -3, 7, 1};
  LoadFull();
  EXPECT_EQ(model::g_dNetWin, (std::array<double, 4>{}));
}

}  // namespace
}  // namespace tlj::view
