// The small windows as the user meets them: the information pop-up over an avatar, the details,
// the background press, the ranking lists that move together, the score sheet's close buttons
// and drag, and the play hint.

#include "core/table/small_window_events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/table_state.h"
#include "core/net/link_state.h"
#include "core/view/layout.h"
#include "tests/support/table_fixture.h"

namespace tlj::testing {
namespace {

using platform::EventKind;

class SmallWindowsTest : public LoggedInFixture {
 protected:
  void SetUp() override {
    LoggedInFixture::SetUp();
    SeatEveryone();
  }
  void On(const std::string& window, const std::string& name, std::optional<int> index,
          EventKind kind, int line = -1, int button = 1) {
    platform::ElementEvent event;
    event.window = window;
    event.name = name;
    event.index = index;
    event.kind = kind;
    event.line = line;
    event.button = button;
    h.tree.Fire(event);
  }
  const platform::Window& Win(const std::string& name) { return h.tree.Win(name); }
  // The ranking lists, each with `lines` lines.
  void FillRanking(int lines) {
    for (int i = -1; i <= 3; ++i) {
      auto& list = i < 0 ? h.tree.El("Hero", "Num") : h.tree.El("Hero", "Grade", i);
      list.lines.assign(static_cast<std::size_t>(lines), "x");
    }
  }
};

// On the 1040 x 796 table with its surface at (8, 20): the three seats across the top a third
// of the table's width apart, the user's at the surface's left edge, 42 % of the height down.
TEST_F(SmallWindowsTest, TheInformationPopUpStandsBesideTheSeatItDescribes) {
  struct Place {
    double left, top;
  };
  const Place places[] = {{8, 20 + 0.42 * 796},
                          {8, 20 + 0.11 * 796},
                          {8 + 346, 20 + 0.11 * 796},
                          {8 + 693, 20 + 0.11 * 796}};
  for (int pos = 0; pos <= 3; ++pos) {
    SCOPED_TRACE(pos);
    Move("Tou", pos);
    const auto& info = Win("Information");
    ASSERT_TRUE(info.visible);
    EXPECT_EQ(h.tree.El("Information", "Inf", 0).caption, model::profile[pos].nick);
    EXPECT_DOUBLE_EQ(info.left, places[pos].left);
    EXPECT_DOUBLE_EQ(info.top, places[pos].top);
    Move("Pic1");  // the background closes it
    EXPECT_FALSE(Win("Information").visible);
  }
}

TEST_F(SmallWindowsTest, AnOpenPopUpIsNotRefilledAndAnEmptySeatShowsNothing) {
  Move("Tou", 1);
  Move("Tou", 2);
  EXPECT_EQ(h.tree.El("Information", "Inf", 0).caption, "nick1");
  Move("Pic1");
  model::profile[3].nick.clear();
  Move("Tou", 3);
  EXPECT_FALSE(Win("Information").visible);
}

TEST_F(SmallWindowsTest, ThePopUpsValuesAreFittedToTheirText) {
  model::profile[1].sex = 1;
  model::profile[1].points = 1234.6;
  Move("Tou", 1);
  const auto value = [this](int k) { return h.tree.El("Information", "Inf", k); };
  EXPECT_EQ(value(1).caption, "男");
  EXPECT_EQ(value(3).caption, "1235");
  for (int k = 0; k <= 8; ++k) {
    EXPECT_TRUE(value(k).autoSize) << k;
    EXPECT_TRUE(value(k).transparent) << k;
    EXPECT_EQ(value(k).fontSize, 12) << k;
  }
}

TEST_F(SmallWindowsTest, DetailsShowTheRunningResultsOnlyDuringAHand) {
  model::g_dNetWin = {-300, 100, 0, 200};
  Move("imgMingxi");
  ASSERT_TRUE(Win("frmMingXi").visible);
  EXPECT_EQ(h.tree.El("frmMingXi", "labCoin", 0).caption, "");
  Move("Pic1");
  net::HandInProgress = true;
  Move("imgMingxi");
  EXPECT_EQ(h.tree.El("frmMingXi", "labName", 1).caption, "nick1");
  EXPECT_EQ(h.tree.El("frmMingXi", "labCoin", 0).caption, "-300");
  EXPECT_EQ(h.tree.El("frmMingXi", "labCoin", 3).caption, "200");
}

TEST_F(SmallWindowsTest, APressOnTheTablePutsTheSmallWindowsAway) {
  for (const char* window : {"huifu", "Talk", "ChuPai", "Score", "Hero"})
    h.tree.Win(window).visible = true;
  On("MainForm", "Pic1", {}, EventKind::MouseDown);
  for (const char* window : {"huifu", "Talk", "ChuPai", "Score", "Hero"})
    EXPECT_FALSE(Win(window).visible) << window;
}

TEST_F(SmallWindowsTest, TheRankingListsShowTheSameGameRows) {
  FillRanking(30);
  On("Hero", "Grade", 2, EventKind::Click, 3);
  h.tree.El("Hero", "Grade", 2).topLine = 3;  // as the user scrolled it
  On("Hero", "Grade", 2, EventKind::Click, 3);
  for (int i : {0, 1, 3}) {
    EXPECT_EQ(h.tree.El("Hero", "Grade", i).selected, 3) << i;
    EXPECT_EQ(h.tree.El("Hero", "Grade", i).topLine, 3) << i;
  }
  EXPECT_EQ(h.tree.El("Hero", "Num").selected, 3);
  EXPECT_EQ(h.tree.El("Hero", "Num").topLine, 3);

  On("Hero", "Num", {}, EventKind::Click, 7);
  for (int i = 0; i <= 3; ++i) EXPECT_EQ(h.tree.El("Hero", "Grade", i).selected, 7) << i;
}

// Scrolling one list scrolls the others; a scroll past the end stops at the last line.
TEST_F(SmallWindowsTest, ScrollingARankingListScrollsTheOthers) {
  FillRanking(30);
  On("Hero", "Grade", 3, EventKind::Scroll, 12);
  EXPECT_EQ(h.tree.El("Hero", "Num").topLine, 12);
  for (int i = 0; i <= 3; ++i) EXPECT_EQ(h.tree.El("Hero", "Grade", i).topLine, 12) << i;
  On("Hero", "Num", {}, EventKind::Scroll, 99);
  for (int i = 0; i <= 3; ++i) EXPECT_EQ(h.tree.El("Hero", "Grade", i).topLine, 29) << i;
  On("Hero", "Num", {}, EventKind::Scroll, -5);
  EXPECT_EQ(h.tree.El("Hero", "Grade", 0).topLine, 0);
}

TEST_F(SmallWindowsTest, TheRankingAndScoreWindowsLoadCentredOverTheTable) {
  const auto& table = Win("MainForm");
  for (const char* name : {"Hero", "Score"}) {
    SCOPED_TRACE(name);
    h.tree.UnloadWindow(name);
    const auto& window = Win(name);
    EXPECT_DOUBLE_EQ(window.left, table.left + (table.width - window.width) / 2);
    EXPECT_DOUBLE_EQ(window.top, table.top + (table.height - window.height) / 2);
  }
}

TEST_F(SmallWindowsTest, TheScoreSheetClosesByEitherButtonAndDragsByItsSurface) {
  for (int k : {0, 1}) {
    h.tree.Win("Score").visible = true;
    On("Score", "Image1", k, EventKind::Click);
    EXPECT_FALSE(Win("Score").visible) << k;
  }
  On("Score", "", {}, EventKind::MouseDown, -1, 2);
  EXPECT_EQ(Win("Score").moveRequests, 0u);
  On("Score", "", {}, EventKind::MouseDown, -1, 1);
  EXPECT_EQ(Win("Score").moveRequests, 1u);
}

TEST_F(SmallWindowsTest, ThePlayHintShowsOnTopOverTheTableAndClosesByItsPicture) {
  const auto& hint = Win("ChuPai");  // its first access loads and shows it
  EXPECT_TRUE(hint.visible);
  EXPECT_TRUE(hint.topmost);
  const auto& table = Win("MainForm");
  EXPECT_DOUBLE_EQ(hint.left, table.left + (table.width - hint.width) / 2);
  On("ChuPai", "Label1", {}, EventKind::Click);
  EXPECT_FALSE(Win("ChuPai").visible);
}

}  // namespace
}  // namespace tlj::testing
