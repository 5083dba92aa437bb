#pragma once
// Minimizing and restoring the table window.

namespace tlj::view {

void MinimizeMainForm();
// Restored from the task bar: the lobby goes down and hidden mode ends.
void RestoreMainForm();

}  // namespace tlj::view
