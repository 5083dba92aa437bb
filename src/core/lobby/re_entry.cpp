#include "core/lobby/re_entry.h"

#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/net/connect.h"
#include "core/net/link_state.h"
#include "core/view/image_tables.h"

namespace tlj::lobby {

void ReEnterTable() {
  net::DataMode = true;
  net::StartConnection();
  model::g_bBtnLocked[2] = false;
  view::LoadGifResource(view::ButtonImageIds[4], "GIF", model::El("AnNiu", 2));
  model::HideClock();
}

}  // namespace tlj::lobby
