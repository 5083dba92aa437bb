#pragma once
// The table window restored from the task bar.

namespace tlj::actions {

// The lobby goes down and hidden mode ends.
void RestoreMainForm();

}  // namespace tlj::actions
