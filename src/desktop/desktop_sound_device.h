#pragma once
// The sound device the desktop plays through: Qt Multimedia's where the build has it, else one
// that plays nothing.

#ifdef TLJ_QT_MULTIMEDIA
#include "desktop/qt_sound_device.h"
#else
#include "core/platform/silent_sound_device.h"
#endif

namespace tlj::desktop {

#ifdef TLJ_QT_MULTIMEDIA
using DesktopSoundDevice = QtSoundDevice;
#else
using DesktopSoundDevice = platform::SilentSoundDevice;
#endif

}  // namespace tlj::desktop
