#include "core/view/shuffle_notice.h"

#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/view/shuffle_caption.h"

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
  auto& panel = model::El("WebBrowser2");
  panel.url = model::AdPanelPage;
  Show(panel);
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
