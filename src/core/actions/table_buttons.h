#pragma once
// The table buttons AnNiu(k): ready, settings, hiding the table, the score sheet, the ranking
// window, the rules page and the leave dialog (sending and the chat history belong to the chat),
// and hiding the table.

namespace tlj::actions {

// Where the rules page is on the platform's web site.
inline constexpr const char* kRulesPage = "/gameinfo/tlj/index.php";

void AnNiu_Click(int k);
// The F1 action, also run after too many time-outs.
void HideTable();

}  // namespace tlj::actions
