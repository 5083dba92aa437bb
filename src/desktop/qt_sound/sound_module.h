#pragma once
// The sound device as a library of its own, which the desktop loads only where a sound server
// answers: Qt Multimedia and the sound server's client libraries cost memory and start-up time
// that a machine without sound would spend for nothing.

#include "core/platform/sound_device.h"

// The symbol the desktop looks up; the caller owns the device.
extern "C" tlj::platform::SoundDevice* tlj_create_sound_device();

namespace tlj::desktop {

inline constexpr const char* kSoundModuleFactory = "tlj_create_sound_device";

}  // namespace tlj::desktop
