#include "desktop/key_codes.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/desktop/test_application.h"

namespace tlj::desktop {
namespace {

TEST(KeyCodesTest, KeysHaveTheLogicsCodes) {
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    int code;
  };
  const Case cases[] = {
      {Qt::Key_Escape, {}, 27},
      {Qt::Key_F1, {}, 112},
      {Qt::Key_F12, {}, 123},
      {Qt::Key_Alt, Qt::AltModifier, 18},
      {Qt::Key_Return, {}, 13},
      {Qt::Key_Enter, Qt::KeypadModifier, 13},
      {Qt::Key_Backspace, {}, 8},
      {Qt::Key_C, {}, 67},
      {Qt::Key_C, Qt::ShiftModifier, 67},
      {Qt::Key_5, {}, 53},
      {Qt::Key_5, Qt::KeypadModifier, 101},
      {Qt::Key_Percent, Qt::ShiftModifier, 53},  // Shift+5
      {Qt::Key_Minus, {}, 189},
      {Qt::Key_Minus, Qt::KeypadModifier, 109},
      {Qt::Key_Left, {}, 37},
      {Qt::Key_Delete, {}, 46},
      {Qt::Key_Space, {}, 32},
      {Qt::Key_VolumeUp, {}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(KeyCode(c.key, c.modifiers), c.code) << c.key;
}

TEST(KeyCodesTest, AKeyTypesWhatATextBoxWouldTake) {
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    std::vector<int> typed;
  };
  const Case cases[] = {
      {Qt::Key_A, {}, "a", {97}},
      {Qt::Key_A, Qt::ShiftModifier, "A", {65}},
      {Qt::Key_Return, {}, "\r", {13}},
      {Qt::Key_Backspace, {}, "\b", {8}},
      {Qt::Key_Escape, {}, "\x1b", {27}},
      {Qt::Key_unknown, {}, QString::fromUtf8("你"), {20320}},
      {Qt::Key_unknown, {}, QString::fromUtf8("😀"), {0x1F600}},
      {Qt::Key_Tab, {}, "\t", {}},
      {Qt::Key_Delete, {}, "\x7f", {}},
      {Qt::Key_V, Qt::ControlModifier, "\x16", {}},
      {Qt::Key_A, Qt::AltModifier, "a", {}},
      {Qt::Key_Left, {}, "", {}},
  };
  // A key event names the keyboard it came from: without an application to own it, Qt makes one
  // that nothing ever frees.
  testing::TestApplication();
  for (const Case& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
    EXPECT_EQ(TypedCharacters(event), c.typed) << c.key;
  }
}

}  // namespace
}  // namespace tlj::desktop
