#pragma once

namespace tlj::lobby {

// The table window's load: reads the command line (platform::Sys().command_line), lays out
// the table and starts the connection. Throws platform::ProcessExit when the process ends.
void StartUp();

// Releases what the table window owns (its timers), so that the loop may go.
void ShutDownWindows();

}  // namespace tlj::lobby
