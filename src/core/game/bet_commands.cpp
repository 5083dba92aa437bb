// The bet (type 3) and its result (type 4).

#include <cmath>

#include "core/game/cards.h"
#include "core/game/hand_commands.h"
#include "core/game/table_model.h"
#include "core/model/amount_text.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/net/channels.h"
#include "core/net/frame_fields.h"
#include "core/net/pump.h"
#include "core/platform/services.h"
#include "core/settings/ini_file.h"
#include "core/settings/local_files.h"
#include "core/view/animations.h"
#include "core/view/image_tables.h"
#include "core/view/pot_panel.h"
#include "core/view/sound.h"
#include "core/view/waits.h"

namespace tlj::game {
namespace {

constexpr int kGiveUpBubbleBase = 579;  // Speak(pos) shows picture 579 + pos
constexpr double kSmallPot = 500;       // below it, the pot is laid out again after a win
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

// Any client may turn the face-down card up; a cursor file beside the program says so.
void ShowClickablePointer(platform::Element& card) {
  const auto& folder = platform::Sys().app_dir;
  if (settings::Is_File_Exist(folder, settings::kCustomCursor)) {
    card.pointer = platform::Pointer::Custom;
    card.pointerFile = (folder / settings::kCustomCursor).string();
  } else {
    card.pointer = platform::Pointer::Default;
    card.pointerFile.clear();
  }
}

}  // namespace

void HandleBet(const net::Frame& message) {
  model::HideClock();
  model::El("lblMax").caption = "0";
  model::El("lblMin").caption = "0";

  model::g_lCard[2] = static_cast<std::int32_t>(net::ReadCardCode(message, net::bet::kThirdCardAt));
  const auto third = SplitCard(static_cast<std::uint32_t>(model::g_lCard[2]));
  model::g_iRank[2] = third.rank;
  model::g_iSuit[2] = third.suit;

  model::g_dStake = net::ReadAmount(message, net::bet::kStakeAt);
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
      ShowClickablePointer(model::El("imgDiPai", model::g_iNextCard));
    }
  } else if (IsCardImage(model::g_iNextCard)) {
    model::El("imgDiPai", model::g_iNextCard).visible = false;
  }
  ++model::g_iNextCard;

  view::ShowPot(net::ReadAmount(message, net::bet::kPotAt));

  model::g_iLastActor = static_cast<std::int16_t>(pos);
  net::ArmChannel(net::kBubbleChannel);
}

void HandleBetResult(const net::Frame& message) {
  const int pos = ScreenPos(message[net::kSeatAt]);
  if (!model::g_bCardTurned)
    ShowCard(model::g_iNextCard - 1, DisplayCode(model::g_iRank[2], model::g_iSuit[2]));

  const double new_coins = net::ReadAmount(message, net::bet_result::kCoinsAt);
  model::g_dStake = net::ReadAmount(message, net::bet_result::kStakeAt);
  view::ShowPot(net::ReadAmount(message, net::bet_result::kPotAt));
  const double paid = net::ReadAmount(message, net::bet_result::kPaidAt);

  if (paid > 0) {
    auto& horn = model::El("imghorn");
    horn.visible = true;
    model::BringToFront(horn);
  }

  switch (message[net::bet_result::kOutcomeAt]) {
    case net::bet_result::kWon:
      Won(pos);
      break;
    case net::bet_result::kLost:
      Lost(pos, paid);
      break;
    default:
      break;
  }
  ShowCoins(pos, new_coins);
}

}  // namespace tlj::game
