#pragma once
// The action buttons Operation(0..2) that answer the user's turn.

namespace tlj::view {

// Hides and disables Operation(0..2), so that the turn cannot be answered twice.
void HideActionButtons();

}  // namespace tlj::view
