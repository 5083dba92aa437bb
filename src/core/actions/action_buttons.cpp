#include "core/actions/action_buttons.h"

#include "core/model/elements.h"

namespace tlj::actions {

void HideActionButtons() {
  for (int k = 0; k <= 2; ++k) {
    auto& button = model::El("Operation", k);
    button.visible = false;
    button.enabled = false;
  }
}

}  // namespace tlj::actions
