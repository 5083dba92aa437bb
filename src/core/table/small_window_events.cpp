#include "core/table/small_window_events.h"

#include "core/actions/leave_dialogs.h"
#include "core/actions/sound_settings.h"
#include "core/chat/phrases.h"
#include "core/game/score_sheet.h"
#include "core/model/elements.h"
#include "core/platform/services.h"
#include "core/view/small_windows.h"
#include "core/view/speech_bubbles.h"
#include "core/view/window_designs.h"

namespace tlj::table {
namespace {

using platform::ElementEvent;
using platform::EventKind;

void OnLoad(const char* window, void (*handler)()) {
  platform::Sys().ui->On(window, "", EventKind::Load,
                         [handler](const ElementEvent&) { handler(); });
}

void OnClick(const char* window, const char* name, void (*handler)()) {
  platform::Sys().ui->On(window, name, EventKind::Click,
                         [handler](const ElementEvent&) { handler(); });
}

void Hide(const char* window) {
  model::Win(window).visible = false;
}

// A double click on a line of the ranking window's lists shows that game's sheet again; with
// no line selected the sheet shows what it holds.
void ShowSheetOfLine(const ElementEvent& event) {
  const auto* list = platform::Sys().ui->Find(event.window, event.name, event.index);
  if (list == nullptr) return;
  game::ShowStoredSheet(list->selected + 1);
  model::Win("Score").visible = true;
}

void HookLeaveDialogs() {
  OnLoad("frmExit", actions::frmExit_Load);
  OnLoad("frmOtherExit", actions::frmOtherExit_Load);
  OnClick("frmExit", "pbCloseMe", actions::pbCloseMe_Click);
  OnClick("frmExit", "pbCancel", actions::pbCancel_Click);
  OnClick("frmOtherExit", "imgOK", actions::imgOK_Click);
  OnClick("frmOtherExit", "imgCancel", actions::imgCancel_Click);
}

void HookScoreAndRanking() {
  auto& ui = *platform::Sys().ui;
  OnLoad("Score", view::Score_Load);
  ui.On("Score", "", EventKind::MouseDown, [](const ElementEvent& e) {
    if (e.button == 1) ++model::Win("Score").moveRequests;
  });
  OnClick("Score", "Image1", [] { Hide("Score"); });

  OnLoad("Hero", view::Hero_Load);
  OnClick("Hero", "Image1", [] { Hide("Hero"); });
  OnClick("Hero", "Num", view::Num_Click);
  ui.On("Hero", "Grade", EventKind::Click, [](const ElementEvent& e) {
    if (e.index) view::Grade_Click(*e.index);
  });
  ui.On("Hero", "Num", EventKind::Scroll, [](const ElementEvent&) { view::Num_Click(); });
  ui.On("Hero", "Grade", EventKind::Scroll, [](const ElementEvent& e) {
    if (e.index) view::Grade_Click(*e.index);
  });
  ui.On("Hero", "Num", EventKind::DblClick, ShowSheetOfLine);
  ui.On("Hero", "Grade", EventKind::DblClick, ShowSheetOfLine);
}

void HookChatWindows() {
  auto& ui = *platform::Sys().ui;
  OnClick("Talk", "Label1", [] { Hide("Talk"); });
  OnLoad("huifu", chat::huifu_Form_Load);
  OnClick("huifu", "Label1", [] { Hide("huifu"); });
  ui.On("huifu", "List1", EventKind::DblClick, [](const ElementEvent&) { chat::List1_DblClick(); });
  ui.On("huifu", "List2", EventKind::DblClick, [](const ElementEvent&) { chat::List2_DblClick(); });
  for (const std::string_view bubble : view::kBubbleWindows) {
    ui.On(bubble, "", EventKind::Unload,
          [](const ElementEvent& e) { view::StopBubbleFade(e.window); });
  }
}

}  // namespace

void HookSmallWindowEvents() {
  HookLeaveDialogs();
  HookScoreAndRanking();
  HookChatWindows();
  actions::HookSoundSettingsEvents();
  OnLoad("Information", view::Information_Load);
  OnLoad("ChuPai", view::ChuPai_Load);
  OnClick("ChuPai", "Label1", [] { Hide("ChuPai"); });
}

}  // namespace tlj::table
