#include "core/game/event_sound.h"

#include "core/view/sound.h"

namespace tlj::game {
namespace {

constexpr int kFullVolume = 3000;

}  // namespace

void PlayEventSound(const std::string& name) {
  PlayEventSoundFile(view::g_sSoundPath + name);
}

void PlayEventSoundFile(const std::string& path) {
  if (!view::g_bSound) return;
  view::PlaySoundFile(path, false);
  view::SetSoundVolume(kFullVolume);
}

}  // namespace tlj::game
