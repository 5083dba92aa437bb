#include "core/view/action_buttons.h"

#include "core/model/elements.h"

namespace tlj::view {

void HideActionButtons() {
  for (int k = 0; k <= 2; ++k) {
    auto& button = model::El("Operation", k);
    button.visible = false;
    button.enabled = false;
  }
}

}  // namespace tlj::view
