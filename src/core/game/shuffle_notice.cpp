#include "core/game/shuffle_notice.h"

#include "core/game/shuffle_state.h"
#include "core/view/shuffle_caption.h"
#include "core/view/ui.h"

namespace tlj::game {

void HideShuffleNotice() {
  view::StopShuffleCaption();
  for (const char* name : {"LblShuffle", "ImgShuffle", "WebBrowser2"})
    view::El(name).visible = false;
  g_bShufflePending = false;
  g_bShuffleShown = false;
}

}  // namespace tlj::game
