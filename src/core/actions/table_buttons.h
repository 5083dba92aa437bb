#pragma once
// The table buttons AnNiu(k) that exist so far (the ready button, hiding the table, the ranking
// window and the leave dialog), and hiding the table.

namespace tlj::actions {

void AnNiu_Click(int k);
// The F1 action, also run after too many time-outs.
void HideTable();

}  // namespace tlj::actions
