#include "core/model/sound_settings_state.h"

namespace tlj::model {

void SetSoundSettingsStartValues() {
  VosSetChanged = {};
}

}  // namespace tlj::model
