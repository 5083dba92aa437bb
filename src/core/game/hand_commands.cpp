#include "core/game/hand_commands.h"

#include "core/game/cards.h"
#include "core/game/table_model.h"
#include "core/model/amount_text.h"
#include "core/model/button_indexes.h"
#include "core/model/elements.h"
#include "core/model/lobby_window.h"
#include "core/model/table_state.h"
#include "core/net/channels.h"
#include "core/net/frame_fields.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/view/animated_pot.h"
#include "core/view/animations.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/pot_panel.h"
#include "core/view/sound.h"

namespace tlj::game {
namespace {

constexpr double kPileStep = 0.07;        // of a card pitch, between neighbouring pile cards
constexpr double kReducedPileShift = 75;  // the reduced pile starts further left, unscaled

void LayOutPile() {
  const double left = view::IsReducedLayout() ? view::PileLeft - kReducedPileShift : view::PileLeft;
  for (int i = 0; i < kCardImages; ++i) {
    ShowCard(i, kCardBack);
    auto& card = model::El("imgDiPai", i);
    card.left = left + i * kPileStep * view::CardPitch;
    card.top = view::CardTop2;
    card.stretch = true;
    card.visible = true;
    card.enabled = true;
    card.pointer = platform::Pointer::Default;
    card.pointerFile.clear();
    model::SendToBack(card);
  }
}

void ShowEveryonesCoins(const net::Frame& message, std::size_t coins_at, std::size_t seats_at) {
  for (std::size_t i = 0; i < 4; ++i)
    ShowCoins(ScreenPos(message[seats_at + i]), net::ReadAmount(message, coins_at + 8 * i));
}

}  // namespace

void HandleNewHand(const net::Frame& message) {
  view::LoadGifResource(view::NumImageIds[12], "GIF", model::El("ImgNum", 12));
  model::PostToLobby(platform::kHandStarts);

  net::DisarmChannel(net::kReadyCountdownChannel);
  net::EnableKeepAlive(false);
  model::Win("frmExit").visible = false;

  model::g_bBtnLocked[model::kReadyButton] = true;
  net::HandInProgress = true;
  view::ResetTableView();

  model::g_bHandPlayed = true;
  model::HandId = net::ReadLe32(message, net::kHandIdAt);
  model::g_bTimeLimit = true;

  for (int pos = 1; pos <= 3; ++pos) model::El("OK", pos).visible = false;
  model::El("imghorn").visible = false;
  model::El("imgBuGuo").visible = false;
  view::HideAnimatedPot();

  const double ante = net::ReadAmount(message, net::new_hand::kAnteAt);
  if (ante > 0) {
    for (int pos = 0; pos < 4; ++pos) {
      model::g_dNetWin[pos] -= ante;
      view::PlayEventSound("coin_move.wav");
      view::StakeFlight(pos, ante);
    }
    view::ShowPot(4 * ante);
    model::El("lblChuShiGuoDi").caption = model::AmountText(4 * ante);
    model::El("lblYuLiuGuoDi").caption = model::AmountText(2 * ante);
  }

  ShowEveryonesCoins(message, net::new_hand::kCoinsAt, net::new_hand::kSeatsAt);
  LayOutPile();
  model::g_iNextCard = 0;
}

void HandlePotRefill(const net::Frame& message) {
  const double amount = net::ReadAmount(message, net::pot_refill::kAmountAt);
  view::PlayAnimatedPot();
  for (int pos = 0; pos < 4; ++pos) {
    if ((model::custom[pos].seat & message[net::kSeatAt]) == 0) continue;
    model::g_dNetWin[pos] -= amount;
    view::PlayEventSound("coin_move.wav");
    view::StakeFlight(pos, amount);
  }
  view::ShowPot(net::ReadAmount(message, net::pot_refill::kPotAt));
  ShowEveryonesCoins(message, net::pot_refill::kCoinsAt, net::pot_refill::kSeatsAt);
}

void HandlePotUpdate(const net::Frame& message) {
  if (message[net::pot_update::kValidAt] != 1) return;
  view::ShowPot(net::ReadAmount(message, net::pot_update::kPotAt));
}

}  // namespace tlj::game
