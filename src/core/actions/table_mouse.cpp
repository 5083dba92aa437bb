#include "core/actions/table_mouse.h"

#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/view/small_windows.h"

namespace tlj::actions {

void Tou_MouseMove(int pos) {
  if (pos < 0 || pos > 3 || model::profile[static_cast<std::size_t>(pos)].nick.empty()) return;
  if (model::Win("Information").visible) return;
  view::ShowPlayerInfo(pos);
}

void imgMingxi_MouseMove() {
  if (!model::Win("frmMingXi").visible) view::ShowDetails();
}

void Pic1_MouseDown() {
  for (const char* window : {"huifu", "Talk", "ChuPai", "Score", "Hero"})
    model::Win(window).visible = false;
}

}  // namespace tlj::actions
