#include "desktop/qt_sound/sound_module.h"

#include "desktop/qt_sound/qt_sound_device.h"

extern "C" tlj::platform::SoundDevice* tlj_create_sound_device() {
  return new tlj::desktop::QtSoundDevice();
}
