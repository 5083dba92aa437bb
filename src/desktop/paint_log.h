#pragma once
// For measuring scripts: with TLJ_PAINT_LOG naming a file, every window drawn and every render
// point of the loop appends a line "MICROSECONDS paint WINDOW" or "MICROSECONDS render" to it,
// the time on the system's wall clock, so a script can set it against when it started the
// program. Without the variable nothing is written.

#include <string_view>

namespace tlj::desktop {

void LogPaint(std::string_view window);
void LogRenderPoint();

}  // namespace tlj::desktop
