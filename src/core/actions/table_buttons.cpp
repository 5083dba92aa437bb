#include "core/actions/table_buttons.h"

namespace tlj::actions {

void AnNiu_Click(int) {}
void HideTable() {}
void HookTableButtonEvents() {}

}  // namespace tlj::actions
