#include "core/platform/element_tree.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tlj::platform {
namespace {

ElementEvent On(const std::string& window, const std::string& name,
                EventKind kind = EventKind::Click) {
  ElementEvent event;
  event.window = window;
  event.name = name;
  event.kind = kind;
  return event;
}

// A table window with a few elements, and a dialog with a list and a text box.
class ElementTreeTest : public ::testing::Test {
 protected:
  ElementTreeTest() {
    tree.AddWindow("MainForm", [](ElementTree& ui, Window& w) {
      w.width = 100;
      w.height = 80;
      ui.Add(w, "Pic1", {}, ElementKind::PictureBox);
      ui.Add(w, "Cash", {}, ElementKind::Label, "Pic1");
      ui.Add(w, "Cash", 0, ElementKind::Label, "Pic1");
      auto& coin = ui.Add(w, "imgCoin", 0, ElementKind::Picture, "Pic1");
      coin.width = 40;
      coin.picture = 7;
    });
    tree.AddWindow("Dialog", [](ElementTree& ui, Window& w) {
      w.caption = "design caption";
      ui.Add(w, "List", {}, ElementKind::List).lines = {"a", "b", "c"};
      ui.Add(w, "Text", {}, ElementKind::TextBox).maxLength = 3;
      ui.Add(w, "Label", {}, ElementKind::Label);
    });
  }

  // Records the events that reach the handlers, as "window.name kind".
  void Record(const std::string& window, const std::string& name, EventKind kind,
              const std::string& label) {
    tree.On(window, name, kind, [this, window, name, label](ElementEvent&) {
      seen.push_back(window + "." + name + " " + label);
    });
  }

  ElementTree tree;
  std::vector<std::string> seen;
};

TEST_F(ElementTreeTest, LookupsFindWhatTheDesignMadeAndNeverCreate) {
  Element& plain = tree.El("MainForm", "Cash");
  Element& first = tree.El("MainForm", "Cash", 0);
  EXPECT_NE(&plain, &first);
  EXPECT_EQ(&tree.El("MainForm", "Cash", 0), &first);
  EXPECT_EQ(first.parent, "Pic1");
  EXPECT_EQ(first.window, tree.FindWin("MainForm"));
  EXPECT_THROW(tree.El("MainForm", "Cash", 1), std::logic_error);
  EXPECT_THROW(tree.El("MainForm", "Nid"), std::logic_error);
  EXPECT_THROW(tree.Win("Hero"), std::logic_error);
  EXPECT_EQ(tree.Find("MainForm", "Nid"), nullptr);
  EXPECT_EQ(tree.FindWin("MainForm")->elements.size(), 4u);
}

TEST_F(ElementTreeTest, ADesignCannotNameAnElementTwiceOrAParentItHasNotMade) {
  EXPECT_THROW(tree.AddWindow("MainForm", [](ElementTree&, Window&) {}), std::logic_error);
  EXPECT_THROW(tree.AddWindow("Twice",
                              [](ElementTree& ui, Window& w) {
                                ui.Add(w, "X", {}, ElementKind::Label);
                                ui.Add(w, "X", {}, ElementKind::Label);
                              }),
               std::logic_error);
  EXPECT_THROW(
      tree.AddWindow("Orphan", [](ElementTree& ui,
                                  Window& w) { ui.Add(w, "X", {}, ElementKind::Label, "Box"); }),
      std::logic_error);
}

TEST_F(ElementTreeTest, ALoadedMemberCopiesTheFirstAndARemovedOneComesBackNew) {
  const int z = tree.El("MainForm", "Cash").z;
  Element& coin = tree.LoadElement("MainForm", "imgCoin", 3);
  EXPECT_FALSE(coin.visible);
  EXPECT_EQ(coin.width, 40);
  EXPECT_EQ(coin.picture, 7);
  EXPECT_GT(coin.z, z);
  EXPECT_EQ(&tree.LoadElement("MainForm", "imgCoin", 3), &coin);
  coin.caption = "old";
  EXPECT_TRUE(tree.Remove("MainForm", "imgCoin", 3));
  EXPECT_FALSE(tree.Remove("MainForm", "imgCoin", 3));
  EXPECT_EQ(tree.LoadElement("MainForm", "imgCoin", 3).caption, "");
  EXPECT_THROW(tree.LoadElement("MainForm", "Pic1", 1), std::logic_error);
  EXPECT_THROW(tree.LoadElement("MainForm", "imgNothing", 1), std::logic_error);
}

TEST_F(ElementTreeTest, TheFirstLookupLoadsAWindowAndAnUnloadGoesBackToTheDesign) {
  Record("Dialog", "", EventKind::Load, "load");
  Record("Dialog", "", EventKind::Unload, "unload");
  EXPECT_FALSE(tree.FindWin("Dialog")->loaded);
  EXPECT_FALSE(tree.Win("Dialog").visible);  // asking whether it shows loads it
  tree.El("Dialog", "Label").caption = "written";
  tree.Win("Dialog").visible = true;
  tree.SetFocus({"Dialog", "Text", {}});
  EXPECT_EQ(seen, std::vector<std::string>{"Dialog. load"});

  tree.UnloadWindow("Dialog");
  tree.UnloadWindow("Dialog");
  EXPECT_EQ(seen, (std::vector<std::string>{"Dialog. load", "Dialog. unload"}));
  const Window& dialog = *tree.FindWin("Dialog");
  EXPECT_FALSE(dialog.loaded);
  EXPECT_FALSE(dialog.visible);
  EXPECT_EQ(dialog.caption, "design caption");
  EXPECT_EQ(tree.Find("Dialog", "Label")->caption, "");
  EXPECT_FALSE(tree.Focus().has_value());
}

TEST_F(ElementTreeTest, FocusMovesWithItsEvents) {
  Record("Dialog", "Text", EventKind::GotFocus, "got");
  Record("Dialog", "Text", EventKind::LostFocus, "lost");
  Record("MainForm", "Pic1", EventKind::GotFocus, "got");
  tree.SetFocus({"Dialog", "Text", {}});
  tree.SetFocus({"Dialog", "Text", {}});
  tree.SetFocus({"MainForm", "Pic1", {}});
  EXPECT_EQ(seen,
            (std::vector<std::string>{"Dialog.Text got", "Dialog.Text lost", "MainForm.Pic1 got"}));
  EXPECT_EQ(tree.Focus()->window, "MainForm");
}

TEST_F(ElementTreeTest, AClickOnAListLineSelectsItBeforeTheHandlerRuns) {
  int selected_at_handler = -2;
  tree.On("Dialog", "List", EventKind::Click,
          [&](ElementEvent&) { selected_at_handler = tree.El("Dialog", "List").selected; });
  ElementEvent click = On("Dialog", "List");
  click.line = 2;
  EXPECT_TRUE(tree.Fire(click));
  EXPECT_EQ(selected_at_handler, 2);
  click.line = 3;  // past the last line: the selection stays
  tree.Fire(click);
  EXPECT_EQ(tree.El("Dialog", "List").selected, 2);
  EXPECT_FALSE(tree.Fire(On("Dialog", "Nothing")));
  EXPECT_FALSE(tree.Fire(On("Nowhere", "List")));
}

TEST_F(ElementTreeTest, ATextBoxTakesTypedCharactersUnlessTheHandlerKeepsThemOut) {
  std::vector<std::string> changes;
  tree.On("Dialog", "Text", EventKind::KeyPress, [](ElementEvent& e) { e.cancel = e.key == 'x'; });
  tree.On("Dialog", "Text", EventKind::Change, [&](ElementEvent& e) { changes.push_back(e.text); });
  for (const int code : {int{'a'}, int{'x'}, 0x4E2D, 13, int{'b'}, int{'c'}}) {
    ElementEvent press = On("Dialog", "Text", EventKind::KeyPress);
    press.key = code;
    tree.Fire(press);
  }
  EXPECT_EQ(changes, (std::vector<std::string>{"a", "a中", "a中b"}));  // the 4th is one too many
  EXPECT_EQ(tree.El("Dialog", "Text").caret, 3);
}

TEST_F(ElementTreeTest, WindowEventsChangeTheWindowThenReachItsHandler) {
  bool minimized_at_handler = false;
  tree.On("MainForm", "", EventKind::Minimize,
          [&](ElementEvent&) { minimized_at_handler = tree.FindWin("MainForm")->minimized; });
  Record("MainForm", "", EventKind::Restore, "restore");
  tree.Fire(On("MainForm", "", EventKind::Minimize));
  EXPECT_TRUE(minimized_at_handler);
  tree.Fire(On("MainForm", "", EventKind::Restore));
  EXPECT_FALSE(tree.FindWin("MainForm")->minimized);
  tree.Fire(On("Dialog", "", EventKind::Activate));
  EXPECT_EQ(tree.ActiveWindow(), "Dialog");
  ElementEvent move = On("Dialog", "", EventKind::Move);
  move.x = 30;
  move.y = 40;
  tree.Fire(move);
  EXPECT_EQ(tree.FindWin("Dialog")->left, 30);
  EXPECT_EQ(tree.FindWin("Dialog")->top, 40);
  EXPECT_EQ(seen, std::vector<std::string>{"MainForm. restore"});
  EXPECT_FALSE(tree.Fire(On("MainForm", "", EventKind::Click)));
}

TEST_F(ElementTreeTest, TheRevisionMovesOnWithEveryChangeAndNeverGoesBack) {
  auto last = tree.Revision();
  const auto moved_on = [&] {
    const bool moved = tree.Revision() > last;
    last = tree.Revision();
    return moved;
  };
  Element& label = tree.El("MainForm", "Cash");
  EXPECT_TRUE(moved_on());
  EXPECT_FALSE(moved_on());
  label.Changed();  // a write through a reference kept from before
  EXPECT_TRUE(moved_on());
  tree.SetFocus({"MainForm", "Pic1", {}});
  EXPECT_TRUE(moved_on());
  tree.UnloadWindow("MainForm");
  EXPECT_TRUE(moved_on());
  tree.Clear();
  EXPECT_TRUE(moved_on());
}

struct TypedCase {
  const char* name;
  std::string before;
  int caret;
  int max_length;
  int code;
  std::string after;
  int caret_after;
};

class TypeIntoTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypeIntoTest, EditsAtTheCaretWithinTheLimit) {
  const TypedCase& c = GetParam();
  Element box;
  box.kind = ElementKind::TextBox;
  box.caption = c.before;
  box.caret = c.caret;
  box.maxLength = c.max_length;
  EXPECT_EQ(TypeInto(box, c.code), c.after != c.before);
  EXPECT_EQ(box.caption, c.after);
  EXPECT_EQ(box.caret, c.caret_after);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypeIntoTest,
    ::testing::Values(TypedCase{"AtTheEnd", "ab", 2, 0, 'c', "abc", 3},
                      TypedCase{"InTheMiddle", "ac", 1, 0, 'b', "abc", 2},
                      TypedCase{"CountsCharactersNotBytes", "中文", 2, 3, 0x5B57, "中文字", 3},
                      TypedCase{"FullBoxTakesNothing", "中文字", 3, 3, 'a', "中文字", 3},
                      TypedCase{"BackspaceDeletesACharacter", "a中", 2, 0, 8, "a", 1},
                      TypedCase{"BackspaceAtTheStart", "ab", 0, 0, 8, "ab", 0},
                      TypedCase{"EnterIsNotText", "ab", 2, 0, 13, "ab", 2},
                      TypedCase{"SurrogateIsNotACharacter", "ab", 2, 0, 0xD800, "ab", 2},
                      TypedCase{"CaretPastTheEndIsTheEnd", "ab", 9, 0, 'c', "abc", 3}),
    [](const auto& p) { return p.param.name; });

}  // namespace
}  // namespace tlj::platform
