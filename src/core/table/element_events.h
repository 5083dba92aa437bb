#pragma once
// The table window's and the small windows' input: which handler each element event reaches.

namespace tlj::table {

// Registers every element handler (start-up).
void HookElementEvents();

}  // namespace tlj::table
