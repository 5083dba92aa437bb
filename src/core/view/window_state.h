#pragma once
// Minimizing and restoring the table window.

namespace tlj::view {

void MinimizeMainForm();

// Every way back from the task bar runs these steps: the lobby goes down and hidden mode ends.
void RestoreMainForm();

// The table window becomes the active window: the keys go to the chat box, when it can take them.
void ActivateMainForm();

}  // namespace tlj::view
