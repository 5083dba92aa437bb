#pragma once
// The desktop front end: the client's windows drawn with Qt Widgets, on the platform loop.

#include "headless/options.h"

namespace tlj::desktop {

// Whether a window system is there to show windows on: QT_QPA_PLATFORM names a platform, or
// the display DISPLAY or WAYLAND_DISPLAY names answers. A named display that does not answer is
// reported on standard error.
bool DisplayAvailable();

// Runs the client in windows; returns the process exit code. The automation channel reads
// standard input as without windows, and takes snapshots of the windows as drawn.
int RunClient(const headless::Options& options);

}  // namespace tlj::desktop
