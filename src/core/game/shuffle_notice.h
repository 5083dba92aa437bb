#pragma once
// Hiding the seat-change notice: its picture, caption and panel, its caption cycle and flags.

namespace tlj::game {

void HideShuffleNotice();

}  // namespace tlj::game
