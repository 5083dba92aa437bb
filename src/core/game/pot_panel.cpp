#include "core/game/pot_panel.h"

#include <cctype>
#include <cstdlib>
#include <string>

#include "core/game/table_model.h"
#include "core/view/ui.h"

namespace tlj::game {

double CaptionValue(std::string_view caption) {
  const std::string text(caption);
  const auto first = static_cast<unsigned char>(text.empty() ? '\0' : text[0]);
  if (!std::isdigit(first) && first != '-' && first != '.') return 0;
  return std::strtod(text.c_str(), nullptr);
}

void ShowPot(double pot) {
  g_dPot = pot;
  view::El("lblCaiChi").caption = AmountText(pot);
}

void ZeroPotPanel() {
  for (const char* label : {"lblCaiChi", "lblMax", "lblMin", "lblYaZhu", "lblChuShiGuoDi",
                            "lblLunShu", "lblYuLiuGuoDi"})
    view::El(label).caption = "0";
}

double HotPotAmount() {
  return CaptionValue(view::El("lblCaiChi").caption) -
         CaptionValue(view::El("lblChuShiGuoDi").caption) + 1;
}

}  // namespace tlj::game
