// The table window's own title bar: the drag area and the close and minimise buttons with
// their normal, hover and pressed pictures.

#include "core/actions/title_bar.h"

#include <gtest/gtest.h>

#include <string>

#include "core/model/turn_state.h"
#include "tests/support/table_fixture.h"

namespace tlj::testing {
namespace {

using platform::EventKind;

constexpr int kNormal = 1;
constexpr int kHover = 2;
constexpr int kPressed = 3;

class TitleBarTest : public SeatedFixture {
 protected:
  void Mouse(const std::string& name, std::optional<int> index, EventKind kind, int button = 1) {
    platform::ElementEvent event;
    event.window = "MainForm";
    event.name = name;
    event.index = index;
    event.kind = kind;
    event.button = button;
    h.tree.Fire(event);
  }
  // Which of its pictures member 0 of the array shows: 1 normal, 2 hover, 3 pressed.
  int Showing(const std::string& name) {
    for (int state = kNormal; state <= kPressed; ++state)
      if (h.El(name, 0).image == h.El(name, state).image) return state;
    return 0;
  }
};

TEST_F(TitleBarTest, EachStateHasAPictureOfItsOwn) {
  for (const char* name : {"ImgClose", "imgMin"}) {
    SCOPED_TRACE(name);
    ASSERT_NE(h.El(name, kNormal).image, nullptr);
    EXPECT_NE(h.El(name, kNormal).image, h.El(name, kHover).image);
    EXPECT_NE(h.El(name, kHover).image, h.El(name, kPressed).image);
    EXPECT_EQ(Showing(name), kNormal);  // as the frame was painted
  }
}

TEST_F(TitleBarTest, PressReleaseAndMovesSwapThePictures) {
  for (const char* name : {"ImgClose", "imgMin"}) {
    SCOPED_TRACE(name);
    Mouse(name, 0, EventKind::MouseMove);
    EXPECT_EQ(Showing(name), kHover);
    EXPECT_FALSE(model::TitleButtonsNormal);
    Mouse(name, 0, EventKind::MouseDown);
    EXPECT_EQ(Showing(name), kPressed);
    Mouse(name, 0, EventKind::MouseUp);
    EXPECT_EQ(Showing(name), kHover);
    Mouse("LbMove", {}, EventKind::MouseMove);
    EXPECT_EQ(Showing("ImgClose"), kNormal);
    EXPECT_EQ(Showing("imgMin"), kNormal);
    EXPECT_TRUE(model::TitleButtonsNormal);
  }
}

TEST_F(TitleBarTest, OnlyTheFirstButtonHoveredSinceTheBarLightsUp) {
  Mouse("ImgClose", 0, EventKind::MouseMove);
  Mouse("imgMin", 0, EventKind::MouseMove);
  EXPECT_EQ(Showing("ImgClose"), kHover);
  EXPECT_EQ(Showing("imgMin"), kNormal);
  // A move over the window's own background sets the state again.
  Mouse("", {}, EventKind::MouseMove);
  Mouse("imgMin", 0, EventKind::MouseMove);
  EXPECT_EQ(Showing("ImgClose"), kNormal);
  EXPECT_EQ(Showing("imgMin"), kHover);
}

TEST_F(TitleBarTest, CloseTogglesTheLeaveDialogAndMinimiseMinimises) {
  Click("ImgClose", 0);
  EXPECT_TRUE(h.tree.Win("frmExit").visible);
  Click("ImgClose", 0);
  EXPECT_FALSE(h.tree.Win("frmExit").visible);
  Click("imgMin", 0);
  EXPECT_TRUE(h.tree.Win("MainForm").minimized);
}

TEST_F(TitleBarTest, TheHiddenPictureHoldersTakeNoInput) {
  Click("ImgClose", kNormal);
  Mouse("ImgClose", kHover, EventKind::MouseDown);
  EXPECT_FALSE(h.tree.Win("frmExit").visible);
  EXPECT_EQ(Showing("ImgClose"), kNormal);
}

TEST_F(TitleBarTest, ALeftPressOnTheBarAsksToDragTheWindow) {
  h.tree.Win("Talk").visible = true;
  h.tree.Win("huifu").visible = true;
  Mouse("LbMove", {}, EventKind::MouseDown, 2);  // the right button does nothing
  EXPECT_EQ(h.tree.Win("MainForm").moveRequests, 0u);
  EXPECT_TRUE(h.tree.Win("Talk").visible);

  Mouse("LbMove", {}, EventKind::MouseDown, 1);
  EXPECT_EQ(h.tree.Win("MainForm").moveRequests, 1u);
  EXPECT_FALSE(h.tree.Win("Talk").visible);
  EXPECT_FALSE(h.tree.Win("huifu").visible);
  EXPECT_EQ(h.El("LbMove").pointer, platform::Pointer::Move);
}

}  // namespace
}  // namespace tlj::testing
