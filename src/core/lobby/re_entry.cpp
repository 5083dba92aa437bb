#include "core/lobby/re_entry.h"

#include "core/model/button_indexes.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/net/client_frames.h"
#include "core/net/connect.h"
#include "core/net/link_state.h"
#include "core/view/ready_button.h"

namespace tlj::lobby {

void ReEnterTable() {
  net::DataMode = true;
  net::MakeLoginRequest();
  net::StartConnection();
  model::g_bBtnLocked[model::kReadyButton] = false;
  view::ShowStartOnReadyButton();
  model::HideClock();
}

}  // namespace tlj::lobby
