#include "core/game/turn_start.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/game/cards.h"
#include "core/game/table_model.h"
#include "core/model/amount_text.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/channels.h"
#include "core/net/client_frames.h"
#include "core/net/frame_fields.h"
#include "core/net/pump.h"
#include "core/view/animated_pot.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/layout_place.h"
#include "core/view/pot_panel.h"
#include "core/view/sound.h"
#include "core/view/waits.h"

namespace tlj::game {
namespace {

constexpr int kHotPotKeyOff = 210;
constexpr double kAutoGiveUpDelay = 1;  // seconds

using view::layout::Scaled;

void ClearPreviousTurn() {
  model::El("imghorn").visible = false;
  model::El("imgBuGuo").visible = false;
  view::HideAnimatedPot();
  for (int i = 1; i <= 10; ++i) model::El("VImgCoin", i).visible = false;
  net::DisarmChannel(net::kReadyCountdownChannel);
  for (int pos = 1; pos <= 3; ++pos) model::El("Speak", pos).visible = false;
  const int used = std::min<int>(model::g_iNextCard, kCardImages);
  for (int i = 0; i < used; ++i) {
    auto& card = model::El("imgDiPai", i);
    card.visible = false;
    card.enabled = false;
  }
}

// Reads both gate cards; true when their ranks are neighbours (ace low), so no third card can
// fall between them.
bool ReadGateCards(const net::Frame& message) {
  std::array<int, 2> wire_rank{};
  for (std::size_t i = 0; i < 2; ++i) {
    model::g_lCard[i] = static_cast<std::int32_t>(
        net::ReadCardCode(message, net::turn_start::kGateCardsAt + 4 * i));
    const auto code = static_cast<std::uint32_t>(model::g_lCard[i]);
    wire_rank[i] = static_cast<int>((code >> 8) & 0xFF);
    const auto split = SplitCard(code);
    model::g_iRank[i] = split.rank;
    model::g_iSuit[i] = split.suit;
  }
  return wire_rank[0] == wire_rank[1] + 1 || wire_rank[1] == wire_rank[0] + 1;
}

void DealGateCards(int pos) {
  if (!IsCardImage(model::g_iNextCard)) {
    // A fifth turn in one hand: the pile is used up and the gate cards are not shown.
    model::g_iNextCard = 0;
    return;
  }
  for (int i = 0; i < 2 && IsCardImage(model::g_iNextCard); ++i) {
    DealCard(pos, 2 * i, DisplayCode(model::g_iRank[i], model::g_iSuit[i]));
    auto& card = model::El("imgDiPai", model::g_iNextCard);
    card.visible = true;
    model::BringToFront(card);
    ++model::g_iNextCard;
  }
}

void ShowBounds(const net::Frame& message) {
  model::El("lblLunShu").caption = std::to_string(message[net::turn_start::kRoundAt]);
  model::g_iPhase = message[net::turn_start::kPhaseAt];
  model::g_dMinBet = net::ReadAmount(message, net::turn_start::kMinBetAt);
  model::g_dMaxBet = net::ReadAmount(message, net::turn_start::kMaxBetAt);
  model::El("lblMax").caption = model::AmountText(model::g_dMaxBet);
  model::El("lblMin").caption = model::AmountText(model::g_dMinBet);
  if (model::g_iPhase == net::turn_start::kHotPotPhase) {
    const double h = view::HotPotAmount();
    model::El("lblReGuoZhu").caption =
        model::AmountText(h < model::g_dMinBet ? model::g_dMinBet : h);
  } else {
    model::El("lblYuLiuGuoDi").caption = "0";
    model::El("lblReGuoZhu").caption = "0";
  }
}

// Puts the clock at (left, top) with its seconds beside it, showing the full turn in green.
void ShowClock(double left, double top) {
  auto& clock = model::El("Time_Img");
  auto& number = model::El("Number");
  clock.left = left;
  clock.top = top;
  number.left = left + Scaled(48);
  number.top = top + Scaled(5);
  number.caption = std::to_string(model::g_iCountdown);
  number.color = model::kGreen;
  clock.visible = true;
  number.visible = true;
  model::BringToFront(clock);
  model::BringToFront(number);
}

void ShowOthersClock(int pos) {
  const double width = model::El("Time_Img").width;
  switch (pos) {
    case 1:
      ShowClock(0.2 * width, Scaled(210));
      break;
    case 2:
      ShowClock(650, view::CardTop2);
      break;
    default:
      ShowClock(Scaled(1024) - 1.2 * width, Scaled(210));
      break;
  }
}

void GiveUpForAdjacentCards() {
  view::WaitSeconds(kAutoGiveUpDelay);
  const net::Frame give_up = net::BuildGiveUpFrame(model::custom[0].seat);
  view::PlayEventSound("giveup.wav");
  net::QueueFrame(give_up);
}

void OpenKeypad() {
  model::g_bTurnArmed = true;
  ShowClock(Scaled(660), Scaled(585));
  model::g_bMyTurn = true;
  model::g_dInputCoin = 0;
  for (int k = 1; k <= 2; ++k) {
    auto& button = model::El("Operation", k);
    button.visible = true;
    button.enabled = true;
    model::BringToFront(button);
  }
  for (int i = 0; i <= 14; ++i) model::El("ImgNum", i).enabled = true;
}

}  // namespace

void HandleTurnStart(const net::Frame& message) {
  const int pos = ScreenPos(message[net::kSeatAt]);
  ClearPreviousTurn();

  model::g_iTurnSeconds = model::g_bHidden ? 1 : 15;
  model::g_iCountdown = model::g_iTurnSeconds;

  const bool adjacent = ReadGateCards(message);
  DealGateCards(pos);
  ShowBounds(message);

  if (pos == 0 && adjacent) {
    GiveUpForAdjacentCards();
  } else if (pos == 0) {
    OpenKeypad();
  } else {
    ShowOthersClock(pos);
  }

  model::g_bCardTurned = false;
  model::g_bThirdDealt = false;
  net::g_bCountdownOn = true;
  auto& hot_pot_key = model::El("ImgNum", 12);
  if (model::g_iPhase == net::turn_start::kFreeBuyInPhase && hot_pot_key.enabled) {
    hot_pot_key.enabled = false;
    view::LoadGifResource(kHotPotKeyOff, "GIF", hot_pot_key);
  }
}

}  // namespace tlj::game
