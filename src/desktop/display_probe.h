#pragma once
// Whether a window system answers, asked before Qt starts: Qt ends the process when the display
// it was told of is not there, and the client would rather play without windows.

#include <string>

namespace tlj::desktop {

// The X server's socket for a DISPLAY value (":0", ":1.0", "unix:2"): its path, or empty for a
// remote display or a value that names none.
std::string XSocketPath(const std::string& display);

// True when QT_QPA_PLATFORM names a platform (the user's choice stands), when the Wayland
// compositor's socket accepts a connection, or when the X display does.
bool DisplayAnswers();

}  // namespace tlj::desktop
