#pragma once
// Leaving the table for the idle state at the user's word, and showing the lobby again.

namespace tlj::actions {

// The idle reset, then the per-game and view resets: the table is empty and waits.
void GoIdle();
// The lobby comes up and the table window goes down; with no lobby window the process ends.
void BackToTheLobby();

}  // namespace tlj::actions
