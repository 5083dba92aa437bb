#include "core/view/pot_panel.h"

#include "core/model/amount_text.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"

namespace tlj::view {

void ShowPot(double pot) {
  model::g_dPot = pot;
  model::El("lblCaiChi").caption = model::AmountText(pot);
}

void ZeroPotPanel() {
  for (const char* label : {"lblCaiChi", "lblMax", "lblMin", "lblYaZhu", "lblChuShiGuoDi",
                            "lblLunShu", "lblYuLiuGuoDi"})
    model::El(label).caption = "0";
}

double HotPotAmount() {
  return model::CaptionValue(model::El("lblCaiChi").caption) -
         model::CaptionValue(model::El("lblChuShiGuoDi").caption) + 1;
}

}  // namespace tlj::view
