#include "core/actions/table_keys.h"

#include "core/actions/table_buttons.h"
#include "core/model/button_indexes.h"
#include "core/model/elements.h"
#include "core/model/turn_state.h"
#include "core/view/table_windows.h"

namespace tlj::actions {
namespace {

// Alt sets one flag, C the other, any other key clears both; when both are set they are
// cleared and the sequence is complete.
bool Completes(model::KeySequence& sequence, int key) {
  if (key == kKeyAlt) {
    sequence.alt = true;
  } else if (key == kKeyC) {
    sequence.c = true;
  } else {
    sequence = {};
  }
  if (!(sequence.alt && sequence.c)) return false;
  sequence = {};
  return true;
}

// The history window over the table: centred first, then put at the place it keeps.
void OpenHistory() {
  view::CentreOverMainForm("Talk");
  const auto& table = model::Win();
  auto& history = model::Win("Talk");
  history.top = 0.66 * table.height;
  history.left = 0.3 * table.width;
  history.visible = true;
}

}  // namespace

void Pic1_KeyDown(int key) {
  if (key == kKeyEscape) AnNiu_Click(model::kLeaveButton);
  if (key == kKeyF1) HideTable();
  if (Completes(model::TableKeys, key)) OpenHistory();
}

void Pic2_KeyDown(int key) {
  if (key == kKeyF1) HideTable();
}

void Chat_KeyDown(int key) {
  if (key == kKeyF1) HideTable();
}

void TalkText1_KeyDown(int key) {
  if (Completes(model::HistoryKeys, key)) model::Win("Talk").visible = false;
}

}  // namespace tlj::actions
