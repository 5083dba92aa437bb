#include "core/actions/betting.h"

#include <limits>
#include <string>

#include "core/actions/hover.h"
#include "core/model/amount_text.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/channels.h"
#include "core/net/client_frames.h"
#include "core/net/frame_fields.h"
#include "core/net/pump.h"
#include "core/view/action_buttons.h"
#include "core/view/animations.h"
#include "core/view/layout.h"
#include "core/view/pot_panel.h"
#include "core/view/sound.h"

namespace tlj::actions {
namespace {

using model::g_dInputCoin;
using model::g_dMaxBet;
using model::g_dMinBet;

constexpr int kKeys = 15;
constexpr int kDoubleZeroKey = 10;
constexpr int kMaxKey = 11;
constexpr int kHotPotKey = 12;
constexpr int kMinKey = 13;
constexpr int kClearKey = 14;
constexpr int kBetButton = 1;
constexpr int kGiveUpButton = 2;
// The frame carries a bet as a signed 32-bit number; a larger one cannot be sent as composed.
constexpr double kLargestBet = std::numeric_limits<std::int32_t>::max();

constexpr const char* kNothingStaked = "您还没有押注！";
constexpr const char* kAboveMax = "超过最大押注,请重新押注！";
constexpr const char* kBelowMin = "小于最小押注,请重新押注！";
constexpr const char* kHotPotAboveMax = "热锅所需金币数超过最大押注！";

platform::Element& InputDisplay() {
  return model::El("lblShowInputCoin");
}

// Sets the composed amount's text, centred in its frame imgXuanZe.
void SetInput(const std::string& text) {
  auto& display = InputDisplay();
  const auto& frame = model::El("imgXuanZe");
  const double scale = view::LayoutScale;
  display.caption = text;
  display.left =
      frame.left +
      ((frame.width - 6 * scale) - 10.0 * static_cast<double>(text.size())) * 0.5 * scale;
}

void ShowChuPai(const char* text) {
  model::ElOf("ChuPai", "Label2").caption = text;
  model::Win("ChuPai").visible = true;
}

// A complaint about the amount: the composition starts again.
void Complain(const char* text) {
  ShowChuPai(text);
  SetInput("");
  g_dInputCoin = 0;
}

void ComposeHotPot() {
  if (model::g_iPhase != net::turn_start::kHotPotPhase) return;
  const double amount = view::HotPotAmount();
  g_dInputCoin = amount;
  SetInput(model::AmountText(amount));
  if (amount > g_dMaxBet) {
    Complain(kHotPotAboveMax);
  } else if (amount >= g_dMinBet) {
    model::g_bHotPot = true;
  } else {
    SetInput(model::AmountText(g_dMinBet));
    g_dInputCoin = g_dMinBet;
  }
}

void Bet() {
  model::g_iTimeoutCount = 0;
  if (InputDisplay().caption.empty()) {
    ShowChuPai(kNothingStaked);
    return;
  }
  g_dInputCoin = model::CaptionValue(InputDisplay().caption);
  if (g_dInputCoin > g_dMaxBet || g_dInputCoin > kLargestBet) {
    Complain(kAboveMax);
    model::g_bHotPot = false;
    return;
  }
  if (g_dInputCoin < g_dMinBet) {
    Complain(kBelowMin);
    model::g_bHotPot = false;
    return;
  }
  const double amount = g_dInputCoin;
  const net::Frame frame = net::BuildBetFrame(model::custom[0].seat, amount, model::g_bHotPot);
  model::g_bHotPot = false;
  g_dMaxBet = amount;
  view::PlayEventSound("coin_move.wav");
  view::HideActionButtons();
  view::StakeFlight(0, amount);
  net::QueueFrame(frame);
  g_dInputCoin = 0;
  SetInput("");
  model::El("lblYaZhu").caption = model::AmountText(amount);
  for (int i = 0; i < kKeys; ++i) model::El("ImgNum", i).enabled = false;
  model::g_bTurnArmed = false;
  net::g_bCountdownOn = false;
  model::HideClock();
}

void GiveUp() {
  model::g_iCountdown = model::g_iDefaultCountdown;
  net::g_bCountdownOn = false;
  model::HideClock();
  if (!model::g_bMyTurn) return;
  model::g_iTimeoutCount = 0;
  const net::Frame frame = net::BuildGiveUpFrame(model::custom[0].seat);
  view::HideActionButtons();
  SetInput("");
  view::PlayEventSound("giveup.wav");
  net::QueueFrame(frame);
  for (int k = 0; k <= 2; ++k) ShowOperationNormal(k);
  model::g_bTurnArmed = false;
  model::HideClock();
}

}  // namespace

void ImgNum_Click(int index) {
  model::Win("ChuPai").visible = false;
  model::g_bHotPot = false;
  if (index < 0 || index >= kKeys || !model::El("Operation", kBetButton).visible) return;
  auto& display = InputDisplay();
  switch (index) {
    case kDoubleZeroKey:
      SetInput(display.caption + "00");
      break;
    case kMaxKey:
      SetInput(model::AmountText(g_dMaxBet));
      g_dInputCoin = g_dMaxBet;
      return;
    case kHotPotKey:
      ComposeHotPot();
      return;
    case kMinKey:
      SetInput(model::AmountText(g_dMinBet));
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
  g_dInputCoin = model::CaptionValue(display.caption);
  if (g_dInputCoin > g_dMaxBet) Complain(kAboveMax);
}

void Operation_Click(int index) {
  if (!model::g_bGameActive) return;
  if (index == kBetButton) {
    if (model::g_bMyTurn) Bet();
  } else if (index == kGiveUpButton) {
    GiveUp();
  }
}

}  // namespace tlj::actions
