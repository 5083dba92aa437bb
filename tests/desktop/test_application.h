#pragma once
// The Qt application the desktop tests draw with, on Qt's offscreen platform: windows are drawn
// into memory as a screen would show them, with no display needed.

#include <QApplication>

namespace tlj::desktop::testing {

// Made on first use and kept until the process ends.
QApplication& TestApplication();

}  // namespace tlj::desktop::testing
