#pragma once
// The table buttons AnNiu(k) that exist so far (the ready button, hiding the table, the ranking
// window and the leave dialog), hiding the table, and the table's element events.

namespace tlj::actions {

void AnNiu_Click(int k);
// The F1 action, also run after too many time-outs.
void HideTable();
// Start-up: the buttons' state as the window opens, and their element events.
void HookTableButtonEvents();

}  // namespace tlj::actions
