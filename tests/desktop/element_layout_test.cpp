#include "desktop/element_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop/element_style.h"

namespace tlj::desktop {
namespace {

using platform::ElementKind;

// A window with a table surface holding a few elements, and a strip of its own in front.
class ElementLayoutTest : public ::testing::Test {
 protected:
  ElementLayoutTest() {
    tree.AddWindow("W", [](platform::ElementTree& ui, platform::Window& w) {
      w.width = 200;
      w.height = 150;
      Put(ui.Add(w, "Pic1", {}, ElementKind::PictureBox), 8, 20, 100, 100);
      Put(ui.Add(w, "Back", {}, ElementKind::Picture, "Pic1"), 0, 0, 60, 60);
      Put(ui.Add(w, "Front", {}, ElementKind::Picture, "Pic1"), 10, 10, 30, 30);
      Put(ui.Add(w, "Off", {}, ElementKind::Picture, "Pic1"), 10, 10, 30, 30).enabled = false;
      Put(ui.Add(w, "Wide", {}, ElementKind::Label, "Pic1"), 90, 90, 50, 50);
      Put(ui.Add(w, "List", {}, ElementKind::List, "Pic1"), 50, 0, 40, 40).lines = {"a", "b"};
      Put(ui.Add(w, "Hidden", {}, ElementKind::Picture, "Pic1"), 0, 0, 100, 100).visible = false;
      Put(ui.Add(w, "Strip", {}, ElementKind::Label), 0, 0, 200, 20);
      Put(ui.Add(w, "Video", {}, ElementKind::Component), 0, 0, 200, 150);
    });
  }
  static platform::Element& Put(platform::Element& e, double left, double top, double width,
                                double height) {
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    return e;
  }
  std::string NameAt(QPoint point) {
    const auto placed = PlaceElements(*tree.FindWin("W"));
    const PlacedElement* found = ElementAt(placed, point);
    return found != nullptr ? found->element->name : "";
  }

  platform::ElementTree tree;
};

TEST_F(ElementLayoutTest, ABoxIsFollowedByWhatItHoldsCountedFromItsCorner) {
  const auto placed = PlaceElements(*tree.FindWin("W"));
  std::vector<std::string> order;
  for (const auto& p : placed) order.push_back(p.element->name);
  EXPECT_EQ(order, (std::vector<std::string>{"Pic1", "Back", "Front", "Off", "Wide", "List",
                                             "Strip", "Video"}));
  EXPECT_EQ(placed[2].rect, QRect(18, 30, 30, 30));
  // What reaches past the box is cut at its edge.
  EXPECT_EQ(placed[4].rect, QRect(98, 110, 50, 50));
  EXPECT_EQ(placed[4].clip, QRect(98, 110, 10, 10));
  EXPECT_FALSE(placed[3].enabled);
}

TEST_F(ElementLayoutTest, TheMouseGoesToTheFrontmostElementThatTakesInput) {
  const std::pair<QPoint, const char*> cases[] = {
      {{20, 32}, "Front"},   // the disabled element in front lets it through
      {{12, 24}, "Back"},    // not covered by Front
      {{80, 100}, "Pic1"},   // the surface itself
      {{105, 117}, "Wide"},  // inside the box
      {{120, 130}, ""},      // past the box's edge: Wide is cut there, and Video takes nothing
      {{5, 5}, "Strip"},
  };
  for (const auto& [point, name] : cases) EXPECT_EQ(NameAt(point), name) << point.x();
}

TEST_F(ElementLayoutTest, AHiddenOrDisabledBoxTakesWhatItHoldsAlong) {
  tree.Find("W", "Pic1")->enabled = false;
  EXPECT_EQ(NameAt({20, 32}), "");
  tree.Find("W", "Pic1")->visible = false;
  EXPECT_EQ(PlaceElements(*tree.FindWin("W")).size(), 2u);  // the strip and the component
}

TEST_F(ElementLayoutTest, AListLineIsFoundByItsHeight) {
  const platform::Element& list = *tree.Find("W", "List");
  const int line = ListLineHeight(list);
  EXPECT_EQ(ListLineAt(list, 0), 0);
  EXPECT_EQ(ListLineAt(list, line), 1);
  EXPECT_EQ(ListLineAt(list, 2 * line), -1);  // below the last line
  tree.Find("W", "List")->topLine = 1;
  EXPECT_EQ(ListLineAt(list, 0), 1);
}

}  // namespace
}  // namespace tlj::desktop
