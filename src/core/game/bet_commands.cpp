// The bet (type 3) and its result (type 4).

#include <cmath>

#include "core/game/cards.h"
#include "core/game/hand_commands.h"
#include "core/game/table_model.h"
#include "core/model/amount_text.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/net/channels.h"
#include "core/net/pump.h"
#include "core/view/animations.h"
#include "core/view/image_tables.h"
#include "core/view/pot_panel.h"
#include "core/view/sound.h"
#include "core/view/waits.h"

namespace tlj::game {
namespace {

constexpr int kGiveUpBubbleBase = 579;  // Speak(pos) shows picture 579 + pos
constexpr std::size_t kThirdCardAt = 12;
constexpr std::size_t kStakeAt = 16;
constexpr std::size_t kPotAfterBetAt = 24;

constexpr std::size_t kOutcomeAt = 16;
constexpr std::size_t kResultStakeAt = 20;
constexpr std::size_t kResultCoinsAt = 28;
constexpr std::size_t kPaidAt = 36;
constexpr std::size_t kPotAfterResultAt = 44;
constexpr std::uint8_t kWon = 1;
constexpr std::uint8_t kLost = 2;
constexpr double kSmallPot = 500;  // below it, the pot is laid out again after a win
constexpr long kLostPauseMs = 250;

void ShowGiveUpBubble(int pos) {
  auto& bubble = model::El("Speak", pos);
  view::LoadGifResource(kGiveUpBubbleBase + pos, "GIF", bubble);
  view::PlayEventSound("giveup.wav");
  bubble.visible = true;
  model::BringToFront(bubble);
}

void Won(int pos) {
  model::g_dNetWin[pos] += model::g_dStake;
  if (model::g_dPot != 0) {
    view::PlayEventSound("vs_win.wav");
    view::WinFlight(pos);
    if (model::g_dPot < kSmallPot) view::LayPot(std::nearbyint(model::g_dPot));
  } else {
    view::PlayEventSound("victory.wav");
    view::SweepPot(pos);
  }
  view::PlayEventSound("coin_move.wav");
}

void Lost(int pos, double paid) {
  view::PlayEventSound("vs_lost.wav");
  view::WaitMs(kLostPauseMs, true);
  model::g_dNetWin[pos] -= model::g_dStake;
  if (paid > 0) {
    view::StakeFlight(pos, paid);
    view::PlayEventSound("coin_move.wav");
  }
}

}  // namespace

void HandleBet(const net::Frame& message) {
  model::HideClock();
  model::El("lblMax").caption = "0";
  model::El("lblMin").caption = "0";

  model::g_lCard[2] = static_cast<std::int32_t>(net::ReadCardCode(message, kThirdCardAt));
  const auto third = SplitCard(static_cast<std::uint32_t>(model::g_lCard[2]));
  model::g_iRank[2] = third.rank;
  model::g_iSuit[2] = third.suit;

  model::g_dStake = net::ReadAmount(message, kStakeAt);
  model::El("lblYaZhu").caption = model::AmountText(model::g_dStake);

  const int pos = ScreenPos(message[net::kSeatAt]);
  if (pos != 0 && model::g_dStake == 0) ShowGiveUpBubble(pos);

  if (model::g_dStake > 0) {
    if (pos != 0) {
      view::PlayEventSound("coin_move.wav");
      view::StakeFlight(pos, model::g_dStake);
    }
    // A fifth turn in one hand has no card image left to deal.
    if (IsCardImage(model::g_iNextCard)) {
      DealCard(pos, 1, kCardBack);
      model::g_bThirdDealt = true;
    }
  } else if (IsCardImage(model::g_iNextCard)) {
    model::El("imgDiPai", model::g_iNextCard).visible = false;
  }
  ++model::g_iNextCard;

  view::ShowPot(net::ReadAmount(message, kPotAfterBetAt));

  model::g_iLastActor = static_cast<std::int16_t>(pos);
  net::ArmChannel(net::kBubbleChannel);
}

void HandleBetResult(const net::Frame& message) {
  const int pos = ScreenPos(message[net::kSeatAt]);
  if (!model::g_bCardTurned)
    ShowCard(model::g_iNextCard - 1, DisplayCode(model::g_iRank[2], model::g_iSuit[2]));

  const double new_coins = net::ReadAmount(message, kResultCoinsAt);
  model::g_dStake = net::ReadAmount(message, kResultStakeAt);
  view::ShowPot(net::ReadAmount(message, kPotAfterResultAt));
  const double paid = net::ReadAmount(message, kPaidAt);

  if (paid > 0) {
    auto& horn = model::El("imghorn");
    horn.visible = true;
    model::BringToFront(horn);
  }

  switch (message[kOutcomeAt]) {
    case kWon:
      Won(pos);
      break;
    case kLost:
      Lost(pos, paid);
      break;
    default:
      break;
  }
  ShowCoins(pos, new_coins);
}

}  // namespace tlj::game
