#pragma once
// The table's event sounds: one file of the game's sound folder, once, at full volume, and only
// while event sounds are on.

#include <string>

namespace tlj::game {

void PlayEventSound(const std::string& name);
// The same for a file given by its whole path.
void PlayEventSoundFile(const std::string& path);

}  // namespace tlj::game
