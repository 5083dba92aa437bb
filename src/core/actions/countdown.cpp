// The turn countdown on pump channel 6: one step a second; at the end, a give-up for the user.

#include <limits>
#include <string>

#include "core/actions/betting.h"
#include "core/actions/betting_state.h"
#include "core/actions/table_buttons.h"
#include "core/actions/turn_answer.h"
#include "core/game/table_model.h"
#include "core/net/pump.h"
#include "core/view/sound.h"
#include "core/view/ui.h"

namespace tlj::actions {
namespace {

constexpr int kWarningSeconds = 6;
constexpr std::size_t kWarningSound = 6;

void CountDown() {
  using game::g_iCountdown;
  --g_iCountdown;
  auto& number = view::El("Number");
  number.caption = std::to_string(g_iCountdown);
  if (g_iCountdown < kWarningSeconds) {
    view::PlayEventSoundFile(view::g_sSound[kWarningSound]);
    number.color = view::kRed;
  } else {
    number.color = view::kGreen;
  }
}

void CountTimeout() {
  if (g_iTimeoutCount < std::numeric_limits<std::int16_t>::max()) ++g_iTimeoutCount;
  if (g_iTimeoutLimit > 0 && g_iTimeoutCount >= g_iTimeoutLimit) HideTable();
}

void TimeIsUp() {
  HideActionButtons();
  if (g_bTurnArmed) {
    if (!g_bAway) CountTimeout();
    const net::Frame frame = BuildGiveUpFrame();
    view::PlayEventSound("giveup.wav");
    net::QueueFrame(frame);
    view::El("lblYaZhu").caption = "0";
    view::El("lblShowInputCoin").caption.clear();
    g_bTurnArmed = false;
  }
  g_bMyTurn = false;
  view::HideClock();
  game::g_iCountdown = g_iDefaultCountdown;
  net::g_bCountdownOn = false;
}

}  // namespace

void CountdownTick() {
  if (!net::SecondChannelDue(net::kTurnCountdownChannel)) return;
  if (game::g_iCountdown > 0) {
    CountDown();
  } else {
    TimeIsUp();
  }
}

}  // namespace tlj::actions
