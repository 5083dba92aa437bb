#include "core/game/cards.h"

#include <string>

#include "core/game/table_model.h"
#include "core/model/elements.h"
#include "core/model/lobby_window.h"
#include "core/model/table_state.h"
#include "core/platform/services.h"
#include "core/view/animations.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/sound.h"
#include "core/view/window_state.h"

namespace tlj::game {
namespace {

bool HasPicture(int code) {
  return code >= 0 && code < static_cast<int>(view::CardImageIds.size()) &&
         view::CardImageIds[code] != 0;
}

}  // namespace

SplitCardCode SplitCard(std::uint32_t code) {
  auto rank = static_cast<std::int16_t>((code >> 8) & 0xFF);
  if (rank == 1) rank = 14;
  if (rank == 2) rank = 15;
  return {rank, static_cast<std::int16_t>(code & 0x0F)};
}

int DisplayCode(int display_rank, int suit_bit) {
  return SeatIndex(static_cast<std::uint8_t>(suit_bit)) * 16 + display_rank;
}

void ShowCard(int image, int code) {
  if (!HasPicture(code)) {
    platform::ShowMessageBox(model::kProgramTitle, "接受牌错误，牌不存在 " + std::to_string(code) +
                                                       std::to_string(image));
    view::MinimizeMainForm();
    model::RestoreLobby();
    return;
  }
  if (!IsCardImage(image)) return;
  view::LoadGifResource(view::CardImageIds[code], "GIF", model::El("imgDiPai", image));
}

void DealCard(int pos, int place, int code) {
  if (pos < 0 || pos > 3 || !IsCardImage(model::g_iNextCard)) return;
  auto& card = model::El("imgDiPai", model::g_iNextCard);
  model::BringToFront(card);
  view::PlayEventSound("deliver_card.wav");
  const auto& anchor = view::CardAnchor[pos];
  view::CardSlide(model::g_iNextCard, static_cast<int>(card.left), static_cast<int>(card.top),
                  anchor.x + place * view::CardPitch, anchor.y, false);
  ShowCard(model::g_iNextCard, place == 1 ? kCardBack : code);
}

}  // namespace tlj::game
