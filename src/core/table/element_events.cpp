#include "core/table/element_events.h"

#include <string_view>

#include "core/actions/betting.h"
#include "core/actions/hover.h"
#include "core/actions/table_buttons.h"
#include "core/actions/table_keys.h"
#include "core/actions/table_mouse.h"
#include "core/actions/third_card.h"
#include "core/actions/title_bar.h"
#include "core/chat/phrases.h"
#include "core/chat/receive.h"
#include "core/chat/send.h"
#include "core/model/elements.h"
#include "core/platform/services.h"
#include "core/table/close_window.h"
#include "core/table/small_window_events.h"
#include "core/view/web_panels.h"
#include "core/view/window_state.h"

namespace tlj::table {
namespace {

using platform::ElementEvent;
using platform::EventKind;

// Input reaches only elements that exist, show and are enabled, as a window system delivers it.
bool Reachable(const ElementEvent& event) {
  const platform::Element* e = platform::Sys().ui->Find(event.window, event.name, event.index);
  return e != nullptr && e->visible && e->enabled;
}

// An element array of the table window: the handler gets the index.
void OnIndexed(std::string_view name, EventKind kind, void (*action)(int)) {
  platform::Sys().ui->On(model::kMainForm, name, kind, [action](const ElementEvent& e) {
    if (e.index && Reachable(e)) action(*e.index);
  });
}

void OnMove(std::string_view name, void (*action)()) {
  platform::Sys().ui->On(model::kMainForm, name, EventKind::MouseMove,
                         [action](const ElementEvent& e) {
                           if (Reachable(e)) action();
                         });
}

// The title bar's buttons are member 0 of their arrays; the others only hold pictures.
void OnTitleButton(const char* name, void (*click)()) {
  auto& ui = *platform::Sys().ui;
  const auto member0 = [](const ElementEvent& e) { return e.index == 0 && Reachable(e); };
  ui.On(model::kMainForm, name, EventKind::MouseDown, [name, member0](const ElementEvent& e) {
    if (member0(e)) actions::TitleButton_MouseDown(name);
  });
  ui.On(model::kMainForm, name, EventKind::MouseUp, [name, member0](const ElementEvent& e) {
    if (member0(e)) actions::TitleButton_MouseUp(name);
  });
  ui.On(model::kMainForm, name, EventKind::MouseMove, [name, member0](const ElementEvent& e) {
    if (member0(e)) actions::TitleButton_MouseMove(name);
  });
  ui.On(model::kMainForm, name, EventKind::Click, [click, member0](const ElementEvent& e) {
    if (member0(e)) click();
  });
}

void HookTitleBar() {
  auto& ui = *platform::Sys().ui;
  ui.On(model::kMainForm, "LbMove", EventKind::MouseDown, [](const ElementEvent& e) {
    if (Reachable(e)) actions::LbMove_MouseDown(e.button);
  });
  OnMove("LbMove", actions::LbMove_MouseMove);
  ui.On(model::kMainForm, "", EventKind::MouseMove,
        [](const ElementEvent&) { actions::LbMove_MouseMove(); });
  OnTitleButton("ImgClose", actions::ImgClose_Click);
  OnTitleButton("imgMin", actions::imgMin_Click);
}

void OnClick(std::string_view name, void (*action)()) {
  platform::Sys().ui->On(model::kMainForm, name, EventKind::Click, [action](const ElementEvent& e) {
    if (Reachable(e)) action();
  });
}

void OnKey(std::string_view name, void (*action)(int)) {
  platform::Sys().ui->On(model::kMainForm, name, EventKind::KeyDown,
                         [action](const ElementEvent& e) { action(e.key); });
}

void HookChat() {
  auto& ui = *platform::Sys().ui;
  ui.On(model::kMainForm, "Chat", EventKind::KeyPress, chat::Chat_KeyPress);
  ui.On(model::kMainForm, "Chat", EventKind::Change,
        [](const ElementEvent&) { chat::Chat_Change(); });
  OnIndexed("Tou", EventKind::Click, chat::Tou_Click);
  OnClick("Lbchat", chat::ToggleHistory);
  OnClick("imgword1", chat::imgword1_Click);
  OnClick("imgword2", chat::imgword2_Click);
  OnMove("imgword1", [] { chat::imgword_MouseMove(1); });
  OnMove("imgword2", [] { chat::imgword_MouseMove(2); });
  OnMove("imgLocation", chat::imgLocation_MouseMove);
}

void HookWebPanels() {
  auto& ui = *platform::Sys().ui;
  ui.On(model::kMainForm, "WebBrowser1", EventKind::NavigationFailed,
        [](const ElementEvent&) { view::WebBrowser1_NavigationFailed(); });
  ui.On(model::kMainForm, "WebBrowser1", EventKind::PageLoaded,
        [](const ElementEvent&) { view::WebBrowser1_PageLoaded(); });
  ui.On(model::kMainForm, "WebBrowser2", EventKind::NavigationFailed,
        [](const ElementEvent&) { view::WebBrowser2_NavigationFailed(); });
}

}  // namespace

void HookElementEvents() {
  OnIndexed("ImgNum", EventKind::Click, actions::ImgNum_Click);
  OnIndexed("Operation", EventKind::Click, actions::Operation_Click);
  OnIndexed("ImgNum", EventKind::MouseMove, actions::ImgNum_MouseMove);
  OnIndexed("Operation", EventKind::MouseMove, actions::Operation_MouseMove);

  OnIndexed("AnNiu", EventKind::Click, actions::AnNiu_Click);
  OnIndexed("AnNiu", EventKind::MouseMove, actions::AnNiu_MouseMove);
  OnIndexed("imgDiPai", EventKind::Click, actions::imgDiPai_Click);
  OnMove("Pic1", actions::Pic1_MouseMove);
  OnMove("imgDilan", actions::imgDilan_MouseMove);
  OnMove("imgDinglan", actions::imgDinglan_MouseMove);
  HookTitleBar();

  OnIndexed("Tou", EventKind::MouseMove, actions::Tou_MouseMove);
  OnMove("imgMingxi", actions::imgMingxi_MouseMove);
  auto& ui = *platform::Sys().ui;
  ui.On(model::kMainForm, "Pic1", EventKind::MouseDown, [](const ElementEvent& e) {
    if (Reachable(e)) actions::Pic1_MouseDown();
  });

  HookChat();
  HookWebPanels();

  OnKey("Pic1", actions::Pic1_KeyDown);
  OnKey("Pic2", actions::Pic2_KeyDown);
  OnKey("Chat", actions::Chat_KeyDown);
  ui.On("Talk", "Text1", EventKind::KeyDown,
        [](const ElementEvent& e) { actions::TalkText1_KeyDown(e.key); });

  HookSmallWindowEvents();

  // What the user does to the table window itself.
  ui.On(model::kMainForm, "", EventKind::Minimize,
        [](const ElementEvent&) { view::MinimizeMainForm(); });
  ui.On(model::kMainForm, "", EventKind::Restore,
        [](const ElementEvent&) { view::RestoreMainForm(); });
  ui.On(model::kMainForm, "", EventKind::Activate,
        [](const ElementEvent&) { view::ActivateMainForm(); });
  ui.On(model::kMainForm, "", EventKind::CloseRequest,
        [](const ElementEvent&) { CloseTableWindow(); });
}

}  // namespace tlj::table
