#pragma once
// The table window's animated GIF control: ucBuGuo, which shows the animated pot.

#include "core/view/anigif/control.h"

namespace tlj::view::anigif {

// Creates ucBuGuo on element "ucBuGuo" of MainForm, with the services' loop and downloader
// (none: it loads nothing remote). Called once by the table window's start-up; calling it again
// replaces the control.
void CreateTableControls();
// Releases the control and its timer; the element keeps what was last painted.
void DestroyTableControls();
// The pot's control, between CreateTableControls and DestroyTableControls (throws
// std::logic_error outside that span).
Control& TablePotControl();
// The same, or null outside that span.
Control* FindTablePotControl();

}  // namespace tlj::view::anigif
