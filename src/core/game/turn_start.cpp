#include "core/game/turn_start.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/actions/betting_state.h"
#include "core/actions/turn_answer.h"
#include "core/game/cards.h"
#include "core/game/pot_panel.h"
#include "core/game/table_model.h"
#include "core/net/pump.h"
#include "core/view/animated_pot.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/layout_place.h"
#include "core/view/sound.h"
#include "core/view/ui.h"
#include "core/view/waits.h"

namespace tlj::game {
namespace {

constexpr std::size_t kGateCardsAt = 8;
constexpr std::size_t kMinBetAt = 16;
constexpr std::size_t kMaxBetAt = 24;
constexpr std::size_t kRoundAt = 32;
constexpr std::size_t kPhaseAt = 33;
constexpr std::uint8_t kHotPotPhase = 1;
constexpr std::uint8_t kFreeBuyInPhase = 2;
constexpr int kHotPotKeyOff = 210;
constexpr double kAutoGiveUpDelay = 1;  // seconds

using view::layout::Scaled;

void ClearPreviousTurn() {
  view::El("imghorn").visible = false;
  view::El("imgBuGuo").visible = false;
  view::HideAnimatedPot();
  for (int i = 1; i <= 10; ++i) view::El("VImgCoin", i).visible = false;
  net::DisarmChannel(net::kReadyCountdownChannel);
  for (int pos = 1; pos <= 3; ++pos) view::El("Speak", pos).visible = false;
  const int used = std::min<int>(g_iNextCard, kCardImages);
  for (int i = 0; i < used; ++i) {
    auto& card = view::El("imgDiPai", i);
    card.visible = false;
    card.enabled = false;
  }
}

// Reads both gate cards; true when their ranks are neighbours (ace low), so no third card can
// fall between them.
bool ReadGateCards(const net::Frame& message) {
  std::array<int, 2> wire_rank{};
  for (std::size_t i = 0; i < 2; ++i) {
    g_lCard[i] = static_cast<std::int32_t>(net::ReadCardCode(message, kGateCardsAt + 4 * i));
    const auto code = static_cast<std::uint32_t>(g_lCard[i]);
    wire_rank[i] = static_cast<int>((code >> 8) & 0xFF);
    const auto split = SplitCard(code);
    g_iRank[i] = split.rank;
    g_iSuit[i] = split.suit;
  }
  return wire_rank[0] == wire_rank[1] + 1 || wire_rank[1] == wire_rank[0] + 1;
}

void DealGateCards(int pos) {
  if (!IsCardImage(g_iNextCard)) {
    // A fifth turn in one hand: the pile is used up and the gate cards are not shown.
    g_iNextCard = 0;
    return;
  }
  for (int i = 0; i < 2 && IsCardImage(g_iNextCard); ++i) {
    DealCard(pos, 2 * i, DisplayCode(g_iRank[i], g_iSuit[i]));
    auto& card = view::El("imgDiPai", g_iNextCard);
    card.visible = true;
    view::BringToFront(card);
    ++g_iNextCard;
  }
}

void ShowBounds(const net::Frame& message) {
  view::El("lblLunShu").caption = std::to_string(message[kRoundAt]);
  g_iPhase = message[kPhaseAt];
  g_dMinBet = net::ReadAmount(message, kMinBetAt);
  g_dMaxBet = net::ReadAmount(message, kMaxBetAt);
  view::El("lblMax").caption = AmountText(g_dMaxBet);
  view::El("lblMin").caption = AmountText(g_dMinBet);
  if (g_iPhase == kHotPotPhase) {
    const double h = HotPotAmount();
    view::El("lblReGuoZhu").caption = AmountText(h < g_dMinBet ? g_dMinBet : h);
  } else {
    view::El("lblYuLiuGuoDi").caption = "0";
    view::El("lblReGuoZhu").caption = "0";
  }
}

// Puts the clock at (left, top) with its seconds beside it, showing the full turn in green.
void ShowClock(double left, double top) {
  auto& clock = view::El("Time_Img");
  auto& number = view::El("Number");
  clock.left = left;
  clock.top = top;
  number.left = left + Scaled(48);
  number.top = top + Scaled(5);
  number.caption = std::to_string(g_iCountdown);
  number.color = view::kGreen;
  clock.visible = true;
  number.visible = true;
  view::BringToFront(clock);
  view::BringToFront(number);
}

void ShowOthersClock(int pos) {
  const double width = view::El("Time_Img").width;
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
  const net::Frame give_up = actions::BuildGiveUpFrame();
  view::PlayEventSound("giveup.wav");
  net::QueueFrame(give_up);
}

void OpenKeypad() {
  actions::g_bTurnArmed = true;
  ShowClock(Scaled(660), Scaled(585));
  actions::g_bMyTurn = true;
  g_dInputCoin = 0;
  for (int k = 1; k <= 2; ++k) {
    auto& button = view::El("Operation", k);
    button.visible = true;
    button.enabled = true;
    view::BringToFront(button);
  }
  for (int i = 0; i <= 14; ++i) view::El("ImgNum", i).enabled = true;
}

}  // namespace

void HandleTurnStart(const net::Frame& message) {
  const int pos = ScreenPos(message[net::kSeatAt]);
  ClearPreviousTurn();

  g_iTurnSeconds = g_bHidden ? 1 : 15;
  g_iCountdown = g_iTurnSeconds;

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

  g_bCardTurned = false;
  g_bThirdDealt = false;
  net::g_bCountdownOn = true;
  auto& hot_pot_key = view::El("ImgNum", 12);
  if (g_iPhase == kFreeBuyInPhase && hot_pot_key.enabled) {
    hot_pot_key.enabled = false;
    view::LoadGifResource(kHotPotKeyOff, "GIF", hot_pot_key);
  }
}

}  // namespace tlj::game
