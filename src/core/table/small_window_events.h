#pragma once
// The small windows' input and load events: the leave dialogs, the score sheet, the ranking
// window, the information pop-up and the play hint.

namespace tlj::table {

void HookSmallWindowEvents();

}  // namespace tlj::table
