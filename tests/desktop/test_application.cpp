#include "tests/desktop/test_application.h"

#include <cstdlib>

namespace tlj::desktop::testing {

QApplication& TestApplication() {
  // Never deleted: widgets of a test may outlive it until the process ends, and Qt's own
  // globals go before those of the program.
  static QApplication* application = [] {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "test_desktop";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
  }();
  return *application;
}

}  // namespace tlj::desktop::testing
