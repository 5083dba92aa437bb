#pragma once
// The table buttons that exist so far: the ready button AnNiu(2), and hiding the table.

namespace tlj::actions {

void AnNiu_Click(int k);
// The F1 action, also run after too many time-outs.
void HideTable();
// Registers the table buttons' element events.
void HookTableButtonEvents();

}  // namespace tlj::actions
