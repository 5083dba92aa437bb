#include "desktop/qt_message_boxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>

#include "core/platform/services.h"
#include "desktop/qt_loop_backend.h"
#include "tests/desktop/test_application.h"

namespace tlj::desktop {
namespace {

// A box waits for the user's answer while the loop goes on: timers keep running underneath, and
// the windows take no input meanwhile.
class QtMessageBoxesTest : public ::testing::Test {
 protected:
  QtMessageBoxesTest() {
    platform::Sys().loop = &loop;
    platform::Sys().msgbox = &boxes;
  }
  ~QtMessageBoxesTest() override { platform::Sys() = platform::Services{}; }

  QApplication& application = testing::TestApplication();
  QtLoopBackend backend;
  platform::EventLoop loop{backend};
  QtMessageBoxes boxes;
};

TEST_F(QtMessageBoxesTest, ABoxWaitsForTheUsersAnswerWhileTimersRun) {
  int ticks = 0;
  bool modal = false;
  platform::Timer timer(loop, [&] {
    if (++ticks != 3) return;
    QMessageBox* open = boxes.Open();
    ASSERT_NE(open, nullptr);
    modal = QApplication::activeModalWidget() == open;
    // The user answers, as Qt reports it: inside its own handling of events.
    QMetaObject::invokeMethod(
        open, [open] { open->button(QMessageBox::Ok)->click(); }, Qt::QueuedConnection);
  });
  timer.SetInterval(5);
  timer.SetEnabled(true);

  platform::ShowMessageBox("警告", "本游戏需从游戏大厅中启动！");

  EXPECT_GE(ticks, 3);
  EXPECT_TRUE(modal);
  EXPECT_FALSE(boxes.Waiting());
  EXPECT_EQ(boxes.Open(), nullptr);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].title, "警告");
  EXPECT_EQ(boxes.Shown()[0].text, "本游戏需从游戏大厅中启动！");
}

}  // namespace
}  // namespace tlj::desktop
