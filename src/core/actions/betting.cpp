#include "core/actions/betting.h"

#include <limits>
#include <string>

#include "core/actions/betting_state.h"
#include "core/actions/hover.h"
#include "core/actions/turn_answer.h"
#include "core/game/pot_panel.h"
#include "core/game/table_model.h"
#include "core/net/pump.h"
#include "core/view/animations.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/sound.h"
#include "core/view/ui.h"

namespace tlj::actions {
namespace {

using game::g_dInputCoin;
using game::g_dMaxBet;
using game::g_dMinBet;

constexpr int kKeys = 15;
constexpr int kDoubleZeroKey = 10;
constexpr int kMaxKey = 11;
constexpr int kHotPotKey = 12;
constexpr int kMinKey = 13;
constexpr int kClearKey = 14;
constexpr int kBetButton = 1;
constexpr int kGiveUpButton = 2;
constexpr std::uint8_t kHotPotPhase = 1;
// The frame carries a bet as a signed 32-bit number; a larger one cannot be sent as composed.
constexpr double kLargestBet = std::numeric_limits<std::int32_t>::max();

constexpr const char* kNothingStaked = "您还没有押注！";
constexpr const char* kAboveMax = "超过最大押注,请重新押注！";
constexpr const char* kBelowMin = "小于最小押注,请重新押注！";
constexpr const char* kHotPotAboveMax = "热锅所需金币数超过最大押注！";

platform::Element& InputDisplay() {
  return view::El("lblShowInputCoin");
}

// Sets the composed amount's text, centred in its frame imgXuanZe.
void SetInput(const std::string& text) {
  auto& display = InputDisplay();
  const auto& frame = view::El("imgXuanZe");
  const double scale = view::LayoutScale;
  display.caption = text;
  display.left =
      frame.left +
      ((frame.width - 6 * scale) - 10.0 * static_cast<double>(text.size())) * 0.5 * scale;
}

void ShowChuPai(const char* text) {
  view::ElOf("ChuPai", "Label2").caption = text;
  view::Win("ChuPai").visible = true;
}

// A complaint about the amount: the composition starts again.
void Complain(const char* text) {
  ShowChuPai(text);
  SetInput("");
  g_dInputCoin = 0;
}

void ComposeHotPot() {
  if (game::g_iPhase != kHotPotPhase) return;
  const double amount = game::HotPotAmount();
  g_dInputCoin = amount;
  SetInput(game::AmountText(amount));
  if (amount > g_dMaxBet) {
    Complain(kHotPotAboveMax);
  } else if (amount >= g_dMinBet) {
    g_bHotPot = true;
  } else {
    SetInput(game::AmountText(g_dMinBet));
    g_dInputCoin = g_dMinBet;
  }
}

void Bet() {
  g_iTimeoutCount = 0;
  if (InputDisplay().caption.empty()) {
    ShowChuPai(kNothingStaked);
    return;
  }
  g_dInputCoin = game::CaptionValue(InputDisplay().caption);
  if (g_dInputCoin > g_dMaxBet || g_dInputCoin > kLargestBet) {
    Complain(kAboveMax);
    g_bHotPot = false;
    return;
  }
  if (g_dInputCoin < g_dMinBet) {
    Complain(kBelowMin);
    g_bHotPot = false;
    return;
  }
  const double amount = g_dInputCoin;
  net::Frame frame = BuildBetFrame(amount);
  if (g_bHotPot) {
    frame[kHotPotFlagAt] = 1;
    g_bHotPot = false;
  }
  g_dMaxBet = amount;
  view::PlayEventSound("coin_move.wav");
  HideActionButtons();
  view::StakeFlight(0, amount);
  net::QueueFrame(frame);
  g_dInputCoin = 0;
  SetInput("");
  view::El("lblYaZhu").caption = game::AmountText(amount);
  for (int i = 0; i < kKeys; ++i) view::El("ImgNum", i).enabled = false;
  g_bTurnArmed = false;
  net::g_bCountdownOn = false;
  view::HideClock();
}

void GiveUp() {
  game::g_iCountdown = g_iDefaultCountdown;
  net::g_bCountdownOn = false;
  view::HideClock();
  if (!g_bMyTurn) return;
  g_iTimeoutCount = 0;
  const net::Frame frame = BuildGiveUpFrame();
  HideActionButtons();
  SetInput("");
  view::PlayEventSound("giveup.wav");
  net::QueueFrame(frame);
  for (int k = 0; k <= 2; ++k) ShowOperationNormal(k);
  g_bTurnArmed = false;
  view::HideClock();
}

// Input reaches only elements that exist, show and are enabled, as a window system delivers it.
bool Reachable(const platform::ElementEvent& event) {
  const platform::Element* e = platform::Sys().ui->Find(event.window, event.name, event.index);
  return e != nullptr && e->visible && e->enabled && event.index.has_value();
}

void On(std::string_view name, platform::EventKind kind, void (*action)(int)) {
  platform::Sys().ui->On(view::kMainForm, name, kind, [action](const platform::ElementEvent& e) {
    if (Reachable(e)) action(*e.index);
  });
}

}  // namespace

void ImgNum_Click(int index) {
  view::Win("ChuPai").visible = false;
  g_bHotPot = false;
  if (index < 0 || index >= kKeys || !view::El("Operation", kBetButton).visible) return;
  auto& display = InputDisplay();
  switch (index) {
    case kDoubleZeroKey:
      SetInput(display.caption + "00");
      break;
    case kMaxKey:
      SetInput(game::AmountText(g_dMaxBet));
      g_dInputCoin = g_dMaxBet;
      return;
    case kHotPotKey:
      ComposeHotPot();
      return;
    case kMinKey:
      SetInput(game::AmountText(g_dMinBet));
      g_dInputCoin = g_dMinBet;
      return;
    case kClearKey:
      SetInput("");
      g_dInputCoin = 0;
      return;
    default:
      SetInput(display.caption + std::to_string(index));
      break;
  }
  g_dInputCoin = game::CaptionValue(display.caption);
  if (g_dInputCoin > g_dMaxBet) Complain(kAboveMax);
}

void Operation_Click(int index) {
  if (!g_bGameActive) return;
  if (index == kBetButton) {
    if (g_bMyTurn) Bet();
  } else if (index == kGiveUpButton) {
    GiveUp();
  }
}

void HookBettingEvents() {
  g_bMyTurn = false;
  g_bTurnArmed = false;
  g_bHotPot = false;
  g_bNumHover.fill(false);
  g_bOpHover.fill(false);
  using platform::EventKind;
  On("ImgNum", EventKind::Click, ImgNum_Click);
  On("Operation", EventKind::Click, Operation_Click);
  On("ImgNum", EventKind::MouseMove, ImgNum_MouseMove);
  On("Operation", EventKind::MouseMove, Operation_MouseMove);
}

}  // namespace tlj::actions
