#include "core/view/window_state.h"

#include "core/model/elements.h"

namespace tlj::view {

void MinimizeMainForm() {
  model::Win().minimized = true;
}

}  // namespace tlj::view
