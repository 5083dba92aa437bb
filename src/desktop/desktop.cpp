#include "desktop/desktop.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "desktop/display_probe.h"
#include "desktop/loaded_sound_device.h"
#include "desktop/qt_loop_backend.h"
#include "desktop/qt_message_boxes.h"
#include "desktop/quiet_platform_log.h"
#include "desktop/renderer.h"
#include "headless/automation_channel.h"
#include "headless/run_table.h"
#include "posix/program_shell.h"

namespace tlj::desktop {

bool DisplayAvailable() {
  if (DisplayAnswers()) return true;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') {
      std::cerr << "tlj: the display " << name << "=" << value
                << " does not answer; playing without windows\n";
      break;
    }
  }
  return false;
}

// The screen the table is laid out for: the one given on the command line, else the free area
// of the primary screen in the pixels widgets count in, so that on a screen that scales
// (a device pixel ratio above 1) the table scales as a whole and still fits.
headless::Options WithScreen(headless::Options options) {
  if (options.screen_given) return options;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize free = screen->availableGeometry().size();
    options.screen_width = free.width();
    options.screen_height = free.height();
  }
  return options;
}

int RunClient(const headless::Options& options) {
  // Qt reads options of its own from the arguments; the lobby's line is none of them.
  int argc = 1;
  char name[] = "tlj";
  char* argv[] = {name, nullptr};
  QuietPlatformWarnings();
  QApplication application(argc, argv);

  QtLoopBackend backend;
  platform::EventLoop loop(backend);
  platform::ElementTree tree;
  QtMessageBoxes boxes;
  LoadedSoundDevice sound(posix::ProgramFolder(), SoundServerSocket());
  Renderer renderer(tree, loop);
  backend.SetBeforeWait([&renderer] { renderer.Sync(); });
  loop.SetRenderHook([&renderer] { renderer.Render(); });
  headless::AutomationChannel automation(
      loop, backend, tree, boxes.Shown(), STDIN_FILENO, std::cerr,
      [&renderer](const std::string& window, const std::string& path) {
        return renderer.Snapshot(window, path);
      });
  return headless::RunTable(loop, backend, tree, boxes, sound, WithScreen(options));
}

}  // namespace tlj::desktop
