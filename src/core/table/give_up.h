#pragma once
// Giving the table up after a lost link or a silent server: back to the lobby, idle.

namespace tlj::table {

void GiveUpTable();

}  // namespace tlj::table
