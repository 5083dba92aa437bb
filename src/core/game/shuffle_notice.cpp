#include "core/game/shuffle_notice.h"

#include "core/game/login_reply.h"
#include "core/game/shuffle_state.h"
#include "core/view/shuffle_caption.h"
#include "core/view/ui.h"

namespace tlj::game {
namespace {

void Show(platform::Element& e) {
  e.visible = true;
  view::BringToFront(e);
}

}  // namespace

void ShowShuffleNotice() {
  Show(view::El("ImgShuffle"));
  Show(view::El("LblShuffle"));
  view::StartShuffleCaption();
  g_bShuffleShown = true;
  auto& panel = view::El("WebBrowser2");
  panel.url = AdPanelPage;
  Show(panel);
}

void ShowPendingShuffleNotice() {
  if (!g_bShufflePending || !g_bShuffleNext) return;
  ShowShuffleNotice();
  g_bShufflePending = false;
}

void HideShuffleNotice() {
  view::StopShuffleCaption();
  for (const char* name : {"LblShuffle", "ImgShuffle", "WebBrowser2"})
    view::El(name).visible = false;
  g_bShufflePending = false;
  g_bShuffleShown = false;
}

}  // namespace tlj::game
