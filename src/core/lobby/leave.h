#pragma once
// Leaving the table: the leave frame, and the idle reset after which the client waits,
// minimized and disconnected, for the lobby to send it to a table again.

namespace tlj::lobby {

// Tells the server the user leaves (if the link is up) and stops the transport.
void LeaveTable();
// The leave at the user's or the lobby's word: only while the link is up, the link watch
// disarmed first so that the closing link is not taken for a lost one.
void LeaveTableIfConnected();
// The idle reset.
void ReturnToIdle();

}  // namespace tlj::lobby
