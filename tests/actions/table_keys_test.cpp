// The table's keys as the window system delivers them to the focused element.

#include "core/actions/table_keys.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "tests/support/table_fixture.h"

namespace tlj::testing {
namespace {

using actions::kKeyAlt;
using actions::kKeyC;
using actions::kKeyEscape;
using actions::kKeyF1;

constexpr int kKeyX = 88;

class TableKeysTest : public SeatedFixture {
 protected:
  void Keys(const std::string& window, const std::string& name, const std::vector<int>& keys) {
    for (int key : keys) {
      platform::ElementEvent event;
      event.window = window;
      event.name = name;
      event.kind = platform::EventKind::KeyDown;
      event.key = key;
      h.tree.Fire(event);
    }
  }
  bool HistoryShown() { return h.tree.Win("Talk").visible; }
};

struct SequenceCase {
  const char* name;
  std::vector<int> keys;
  bool opens;
  friend void PrintTo(const SequenceCase& c, std::ostream* out) { *out << c.name; }
};

class KeySequenceTest : public TableKeysTest, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(KeySequenceTest, AltAndCOpenTheHistoryFromTheTable) {
  Keys("MainForm", "Pic1", GetParam().keys);
  EXPECT_EQ(HistoryShown(), GetParam().opens);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, KeySequenceTest,
    ::testing::Values(SequenceCase{"AltThenC", {kKeyAlt, kKeyC}, true},
                      SequenceCase{"CThenAlt", {kKeyC, kKeyAlt}, true},
                      SequenceCase{"AltXC", {kKeyAlt, kKeyX, kKeyC}, false},
                      SequenceCase{"AltAlone", {kKeyAlt, kKeyAlt}, false},
                      SequenceCase{"AltThenEscThenC", {kKeyAlt, kKeyEscape, kKeyC}, false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(TableKeysTest, TheHistoryOpensAtItsPlaceAndClosesFromItsOwnText) {
  Keys("MainForm", "Pic1", {kKeyAlt, kKeyC});
  const auto& table = h.tree.Win("MainForm");
  const auto& history = h.tree.Win("Talk");
  ASSERT_TRUE(history.visible);
  EXPECT_DOUBLE_EQ(history.top, 0.66 * table.height);
  EXPECT_DOUBLE_EQ(history.left, 0.3 * table.width);
  // A completed sequence starts afresh: one more C alone does nothing.
  Keys("MainForm", "Pic1", {kKeyC});
  EXPECT_FALSE(model::TableKeys.alt);

  Keys("Talk", "Text1", {kKeyAlt, kKeyX, kKeyC});
  EXPECT_TRUE(HistoryShown());
  Keys("Talk", "Text1", {kKeyAlt, kKeyC});
  EXPECT_FALSE(HistoryShown());
}

TEST_F(TableKeysTest, EscapeTogglesTheLeaveDialogOnlyFromTheTable) {
  Keys("MainForm", "Chat", {kKeyEscape});
  EXPECT_FALSE(h.tree.Win("frmExit").visible);
  Keys("MainForm", "Pic1", {kKeyEscape});
  EXPECT_TRUE(h.tree.Win("frmExit").visible);
  Keys("MainForm", "Pic1", {kKeyEscape});
  EXPECT_FALSE(h.tree.Win("frmExit").visible);
}

TEST_F(TableKeysTest, F1HidesTheTableFromTheTableItsCopyAndTheChatLine) {
  for (const char* name : {"Pic1", "Pic2", "Chat"}) {
    SCOPED_TRACE(name);
    model::g_bHidden = false;
    h.tree.Win("MainForm").minimized = false;
    h.tree.Win("Score").visible = true;
    Keys("MainForm", name, {kKeyF1});
    EXPECT_TRUE(model::g_bHidden && model::g_bHiddenTurns && model::g_bAway);
    EXPECT_TRUE(h.tree.Win("MainForm").minimized);
    EXPECT_FALSE(h.tree.Win("Score").visible);
  }
}

TEST_F(TableKeysTest, HidingTheTableUnloadsThePopUpTheSettingsAndTheLeaveDialog) {
  for (const char* window : {"Information", "VosSet", "frmExit"}) h.tree.Win(window).visible = true;
  Keys("MainForm", "Pic1", {kKeyF1});
  for (const char* window : {"Information", "VosSet", "frmExit"})
    EXPECT_FALSE(h.tree.FindWin(window)->loaded) << window;
}

}  // namespace
}  // namespace tlj::testing
