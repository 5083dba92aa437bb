#pragma once
// Closing the table window: every other window goes, then the process ends with code 0. Nothing
// goes to the server or to the lobby.

namespace tlj::table {

[[noreturn]] void CloseTableWindow();

}  // namespace tlj::table
