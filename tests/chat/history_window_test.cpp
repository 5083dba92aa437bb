// The chat history window: the buttons that show and hide it, and where it opens.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/view/layout.h"
#include "tests/chat/chat_fixture.h"

namespace tlj::testing {
namespace {

struct Opener {
  const char* name;
  const char* element;
  std::optional<int> index;
  friend void PrintTo(const Opener& o, std::ostream* out) { *out << o.name; }
};

class HistoryOpenerTest : public ChatFixture, public ::testing::WithParamInterface<Opener> {};

TEST_P(HistoryOpenerTest, ShowsTheHistoryOverTheTableAndHidesItAgain) {
  auto& table = h.tree.Win("MainForm");
  table.left = 50;
  table.top = 20;
  Click(GetParam().element, GetParam().index);
  const auto& history = *h.tree.FindWin("Talk");
  ASSERT_TRUE(history.visible);
  EXPECT_TRUE(history.topmost);
  EXPECT_DOUBLE_EQ(history.top, 20 + 0.66 * table.height);
  EXPECT_DOUBLE_EQ(history.left, 50 + 0.3 * table.width);
  Click(GetParam().element, GetParam().index);
  EXPECT_FALSE(history.visible);
}

INSTANTIATE_TEST_SUITE_P(Openers, HistoryOpenerTest,
                         ::testing::Values(Opener{"HistoryButton", "AnNiu", 1},
                                           Opener{"ChatLabel", "Lbchat", {}}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(HistoryOpenerTest, TheReducedLayoutOpensItFromTheScreensCorner) {
  const double scale = view::LayoutScale;
  view::LayoutScale = 0.78125;
  auto& table = h.tree.Win("MainForm");
  table.left = 50;
  Click("Lbchat");
  view::LayoutScale = scale;
  const auto& history = *h.tree.FindWin("Talk");
  EXPECT_DOUBLE_EQ(history.top, 0.6 * table.height);
  EXPECT_DOUBLE_EQ(history.left, 0.22 * table.width);
}

TEST_F(HistoryOpenerTest, TheCloseLabelsHideTheChatWindows) {
  Click("Lbchat");
  platform::ElementEvent close;
  close.window = "Talk";
  close.name = "Label1";
  h.tree.Fire(close);
  EXPECT_FALSE(h.tree.Win("Talk").visible);
  Click("imgword2");
  close.window = "huifu";
  h.tree.Fire(close);
  EXPECT_FALSE(h.tree.Win("huifu").visible);
}

}  // namespace
}  // namespace tlj::testing
