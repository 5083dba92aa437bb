#pragma once
// The sound settings window VosSet: one switch each for the background loop, the second switch,
// the event sounds and, in the full layout, the table background. A switch takes effect at
// once; OK keeps what was switched, cancel switches back every row switched since the window
// opened. Nothing is saved.

namespace tlj::actions {

// Registers the window's Load event and its buttons' clicks with the element tree.
void HookSoundSettingsEvents();

}  // namespace tlj::actions
