#pragma once
// The lobby's window on Qt's offscreen platform, in a window folder of its own, and what its
// tests do with it as a tester would: type into the form, click, read the list.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "desktop/quiet_platform_log.h"
#include "posix/window_directory.h"
#include "tools/lobby/window/lobby_view.h"
#include "tools/lobby/window/message_list.h"

namespace tlj::lobby_tool::testing {

// Made on first use and kept until the process ends: widgets of a test may outlive it, and
// Qt's own globals go before those of the program.
inline QApplication& TestApplication() {
  static QApplication* application = [] {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "test_tools_lobby_window";
    static char* argv[] = {name, nullptr};
    auto* made = new QApplication(argc, argv);
    desktop::QuietPlatformWarnings();  // the offscreen platform's notes on what it cannot do
    return made;
  }();
  return *application;
}

class LobbyViewTest : public ::testing::Test {
 protected:
  void SetUp() override { TestApplication(); }

  void Open(LobbyViewSettings settings = {}) {
    view_ = std::make_unique<LobbyView>(loop_, poll_, std::move(settings));
    view_->show();
  }
  posix::WindowDirectory Windows() const { return posix::WindowDirectory(view_->WindowFolder()); }

  template <typename W>
  W& Widget(const char* name) {
    W* widget = view_->findChild<W*>(name);
    if (widget == nullptr) throw std::logic_error(std::string("no widget named ") + name);
    return *widget;
  }
  void Click(const char* name) {
    QTest::mouseClick(&Widget<QAbstractButton>(name), Qt::LeftButton);
  }
  // Replaces a field's text as a person typing it does (Qt's test keys type Latin-1 only).
  void Type(const char* name, const std::string& text) {
    QLineEdit& field = Widget<QLineEdit>(name);
    field.selectAll();
    field.del();
    field.insert(QString::fromStdString(text));
  }
  std::vector<std::string> Lines() { return Widget<MessageList>("messages").Texts(); }
  std::string LastLine() {
    const auto lines = Lines();
    return lines.empty() ? "" : lines.back();
  }
  bool HasLine(const std::string& line) {
    for (const std::string& l : Lines()) {
      if (l == line) return true;
    }
    return false;
  }

  posix::PollBackend poll_;
  platform::EventLoop loop_{poll_};
  std::unique_ptr<LobbyView> view_;
};

}  // namespace tlj::lobby_tool::testing
