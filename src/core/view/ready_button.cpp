#include "core/view/ready_button.h"

#include "core/model/button_indexes.h"
#include "core/model/elements.h"
#include "core/view/image_tables.h"

namespace tlj::view {

void ShowStartOnReadyButton() {
  LoadGifResource(ButtonImageIds[kStartEntry], "GIF", model::El("AnNiu", model::kReadyButton));
}

void ShowContinueOnReadyButton() {
  LoadGifResource(ButtonImageIds[kContinueEntry], "GIF", model::El("AnNiu", model::kReadyButton));
}

}  // namespace tlj::view
