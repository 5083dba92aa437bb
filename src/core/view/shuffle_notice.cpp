#include "core/view/shuffle_notice.h"

#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/view/shuffle_caption.h"
#include "core/view/web_panels.h"

namespace tlj::view {
namespace {

void Show(platform::Element& e) {
  e.visible = true;
  model::BringToFront(e);
}

}  // namespace

void ShowShuffleNotice() {
  Show(model::El("ImgShuffle"));
  Show(model::El("LblShuffle"));
  StartShuffleCaption();
  model::g_bShuffleShown = true;
  Navigate("WebBrowser2", model::AdPanelPage);
  Show(model::El("WebBrowser2"));
}

void ShowPendingShuffleNotice() {
  if (!model::g_bShufflePending || !model::g_bShuffleNext) return;
  ShowShuffleNotice();
  model::g_bShufflePending = false;
}

void HideShuffleNotice() {
  StopShuffleCaption();
  for (const char* name : {"LblShuffle", "ImgShuffle", "WebBrowser2"})
    model::El(name).visible = false;
  model::g_bShufflePending = false;
  model::g_bShuffleShown = false;
}

}  // namespace tlj::view
