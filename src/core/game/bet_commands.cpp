// The bet (type 3) and its result (type 4).

#include <cmath>

#include "core/game/cards.h"
#include "core/game/hand_commands.h"
#include "core/game/pot_panel.h"
#include "core/game/table_model.h"
#include "core/net/pump.h"
#include "core/view/animations.h"
#include "core/view/image_tables.h"
#include "core/view/sound.h"
#include "core/view/ui.h"
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
  auto& bubble = view::El("Speak", pos);
  view::LoadGifResource(kGiveUpBubbleBase + pos, "GIF", bubble);
  view::PlayEventSound("giveup.wav");
  bubble.visible = true;
  view::BringToFront(bubble);
}

void Won(int pos) {
  g_dNetWin[pos] += g_dStake;
  if (g_dPot != 0) {
    view::PlayEventSound("vs_win.wav");
    view::WinFlight(pos);
    if (g_dPot < kSmallPot) view::LayPot(std::nearbyint(g_dPot));
  } else {
    view::PlayEventSound("victory.wav");
    view::SweepPot(pos);
  }
  view::PlayEventSound("coin_move.wav");
}

void Lost(int pos, double paid) {
  view::PlayEventSound("vs_lost.wav");
  view::WaitMs(kLostPauseMs, true);
  g_dNetWin[pos] -= g_dStake;
  if (paid > 0) {
    view::StakeFlight(pos, paid);
    view::PlayEventSound("coin_move.wav");
  }
}

}  // namespace

void HandleBet(const net::Frame& message) {
  view::HideClock();
  view::El("lblMax").caption = "0";
  view::El("lblMin").caption = "0";

  g_lCard[2] = static_cast<std::int32_t>(net::ReadCardCode(message, kThirdCardAt));
  const auto third = SplitCard(static_cast<std::uint32_t>(g_lCard[2]));
  g_iRank[2] = third.rank;
  g_iSuit[2] = third.suit;

  g_dStake = net::ReadAmount(message, kStakeAt);
  view::El("lblYaZhu").caption = AmountText(g_dStake);

  const int pos = ScreenPos(message[net::kSeatAt]);
  if (pos != 0 && g_dStake == 0) ShowGiveUpBubble(pos);

  if (g_dStake > 0) {
    if (pos != 0) {
      view::PlayEventSound("coin_move.wav");
      view::StakeFlight(pos, g_dStake);
    }
    // A fifth turn in one hand has no card image left to deal.
    if (IsCardImage(g_iNextCard)) {
      DealCard(pos, 1, kCardBack);
      g_bThirdDealt = true;
    }
  } else if (IsCardImage(g_iNextCard)) {
    view::El("imgDiPai", g_iNextCard).visible = false;
  }
  ++g_iNextCard;

  ShowPot(net::ReadAmount(message, kPotAfterBetAt));

  g_iLastActor = static_cast<std::int16_t>(pos);
  net::ArmChannel(net::kBubbleChannel);
}

void HandleBetResult(const net::Frame& message) {
  const int pos = ScreenPos(message[net::kSeatAt]);
  if (!g_bCardTurned) ShowCard(g_iNextCard - 1, DisplayCode(g_iRank[2], g_iSuit[2]));

  const double new_coins = net::ReadAmount(message, kResultCoinsAt);
  g_dStake = net::ReadAmount(message, kResultStakeAt);
  ShowPot(net::ReadAmount(message, kPotAfterResultAt));
  const double paid = net::ReadAmount(message, kPaidAt);

  if (paid > 0) {
    auto& horn = view::El("imghorn");
    horn.visible = true;
    view::BringToFront(horn);
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
