#include "core/actions/title_bar.h"

#include "core/actions/table_buttons.h"
#include "core/model/button_indexes.h"
#include "core/model/elements.h"
#include "core/model/turn_state.h"
#include "core/view/table_windows.h"
#include "core/view/window_state.h"

namespace tlj::actions {
namespace {

constexpr int kNormal = 1;
constexpr int kHover = 2;
constexpr int kPressed = 3;

void ShowState(const char* name, int state) {
  view::CopyPicture(model::El(name, state), model::El(name, 0));
}

}  // namespace

void LbMove_MouseDown(int button) {
  if (button != 1) return;
  model::Win("Talk").visible = false;
  model::Win("huifu").visible = false;
  model::El("LbMove").pointer = platform::Pointer::Move;
  ++model::Win().moveRequests;
}

void LbMove_MouseMove() {
  ShowState("ImgClose", kNormal);
  ShowState("imgMin", kNormal);
  model::TitleButtonsNormal = true;
}

void TitleButton_MouseDown(const char* name) {
  ShowState(name, kPressed);
}

void TitleButton_MouseUp(const char* name) {
  ShowState(name, kHover);
}

void TitleButton_MouseMove(const char* name) {
  if (!model::TitleButtonsNormal) return;
  ShowState(name, kHover);
  model::TitleButtonsNormal = false;
}

void ImgClose_Click() {
  AnNiu_Click(model::kLeaveButton);
}

void imgMin_Click() {
  view::MinimizeMainForm();
}

}  // namespace tlj::actions
