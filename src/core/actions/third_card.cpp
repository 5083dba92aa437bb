#include "core/actions/third_card.h"

#include "core/game/cards.h"
#include "core/model/table_state.h"
#include "core/view/sound.h"

namespace tlj::actions {

void imgDiPai_Click(int i) {
  if (i != 2 && i != 5 && i != 8 && i != 11) return;
  if (!model::g_bThirdDealt) return;
  view::PlayEventSound("kanpai.wav");
  game::ShowCard(i, game::DisplayCode(model::g_iRank[2], model::g_iSuit[2]));
  model::g_bCardTurned = true;
}

}  // namespace tlj::actions
