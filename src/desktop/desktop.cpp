#include "desktop/desktop.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include <QApplication>

#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "desktop/qt_loop_backend.h"
#include "desktop/qt_message_boxes.h"
#include "desktop/renderer.h"
#include "headless/automation_channel.h"
#include "headless/run_table.h"

namespace tlj::desktop {

bool DisplayAvailable() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

int RunClient(const headless::Options& options) {
  // Qt reads options of its own from the arguments; the lobby's line is none of them.
  int argc = 1;
  char name[] = "tlj";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);

  QtLoopBackend backend;
  platform::EventLoop loop(backend);
  platform::ElementTree tree;
  QtMessageBoxes boxes;
  Renderer renderer(tree, loop);
  backend.SetBeforeWait([&renderer] { renderer.Sync(); });
  loop.SetRenderHook([&renderer] { renderer.Render(); });
  headless::AutomationChannel automation(
      loop, backend, tree, boxes.Shown(), STDIN_FILENO, std::cerr,
      [&renderer](const std::string& window, const std::string& path) {
        return renderer.Snapshot(window, path);
      });
  return headless::RunTable(loop, backend, tree, boxes, options);
}

}  // namespace tlj::desktop
