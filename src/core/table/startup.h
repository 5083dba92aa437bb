#pragma once
// The table window's load and unload.

namespace tlj::table {

// The table window's load: reads the command line (platform::Sys().command_line), lays out
// the table and starts the connection. Throws platform::ProcessExit when the process ends.
void StartUp();

// Releases what the table window owns (its timers and controls), so that the loop and the
// downloader may go.
void ShutDownWindows();

}  // namespace tlj::table
