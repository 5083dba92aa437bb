#pragma once
// Messages posted to the table window: the lobby's requests and system commands.

namespace tlj::table {

void LobbyMessageHandler(int msg, long wparam, long lparam);

}  // namespace tlj::table
