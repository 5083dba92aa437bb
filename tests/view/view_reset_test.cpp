#include <gtest/gtest.h>

#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/net/link_state.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/window_designs.h"
#include "tests/view/view_fixture.h"

namespace tlj::view {
namespace {

class ViewResetTest : public testing::ViewTest {
 protected:
  void Load(bool reduced) {
    DesignWindows(*platform::Sys().ui);
    ChooseLayout(reduced ? 800 : 1280, reduced ? 600 : 1024);
    BuildImageTables();
    LayoutTableFirstHalf();
    LayoutTableSecondHalf();
  }
};

TEST_F(ViewResetTest, ComputesCardAnchorsForTheLayout) {
  struct Case {
    bool reduced;
    int pitch;
    int top2;
    double pile_left;
    std::array<CardPlace, 4> anchors;
  };
  const Case cases[] = {
      {false, 90, 119, 775, {{{300, 550}, {15, 250}, {350, 119}, {750, 250}}}},
      {true, 75, 93, 605.46875, {{{234, 430}, {12, 195}, {273, 93}, {586, 195}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reduced ? "reduced" : "full");
    Load(c.reduced);
    ResetTableView();
    EXPECT_EQ(CardPitch, c.pitch);
    EXPECT_EQ(CardTop2, c.top2);
    EXPECT_DOUBLE_EQ(PileLeft, c.pile_left);
    for (int pos = 0; pos < 4; ++pos) {
      EXPECT_EQ(CardAnchor[pos].x, c.anchors[pos].x) << pos;
      EXPECT_EQ(CardAnchor[pos].y, c.anchors[pos].y) << pos;
    }
  }
}

TEST_F(ViewResetTest, CardsAreHiddenDisabledAndResized) {
  for (const bool reduced : {false, true}) {
    SCOPED_TRACE(reduced ? "reduced" : "full");
    Load(reduced);
    for (int k = 0; k <= 11; ++k) {
      auto& card = model::El("imgDiPai", k);
      card.visible = true;
      card.enabled = true;
      card.width = 12;
      card.height = 34;
    }
    ResetTableView();
    for (int k = 0; k <= 11; ++k) {
      const auto& card = model::El("imgDiPai", k);
      EXPECT_FALSE(card.visible) << k;
      EXPECT_FALSE(card.enabled) << k;
      EXPECT_DOUBLE_EQ(card.width, 90 * LayoutScale) << k;
      EXPECT_DOUBLE_EQ(card.height, 120 * LayoutScale) << k;
    }
  }
}

TEST_F(ViewResetTest, HidesLastHandsControlsAndBubbles) {
  Load(false);
  const char* shown[] = {"Time_Img", "Number", "imghorn", "imgBuGuo", "ucBuGuo"};
  for (const char* name : shown) model::El(name).visible = true;
  for (int k = 0; k <= 2; ++k) model::El("Operation", k).visible = true;
  for (int pos = 1; pos <= 3; ++pos) model::El("Speak", pos).visible = true;
  model::Win("Talk").visible = true;

  ResetTableView();

  for (const char* name : shown) EXPECT_FALSE(model::El(name).visible) << name;
  for (int k = 0; k <= 2; ++k) EXPECT_FALSE(model::El("Operation", k).visible) << k;
  for (int pos = 1; pos <= 3; ++pos) EXPECT_FALSE(model::El("Speak", pos).visible) << pos;
  EXPECT_FALSE(model::Win("Talk").visible);
}

TEST_F(ViewResetTest, RestartsTurnAndReconnectCounters) {
  Load(false);
  model::g_iTurnSeconds = 7;
  model::g_iLastActor = 3;
  net::ReconnectAttempts = 5;
  ResetTableView();
  EXPECT_EQ(model::g_iTurnSeconds, 15);
  EXPECT_EQ(model::g_iLastActor, 0);
  EXPECT_EQ(net::ReconnectAttempts, 0);
}

}  // namespace
}  // namespace tlj::view
