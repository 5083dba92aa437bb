#include "core/actions/countdown.h"

#include <limits>
#include <string>

#include "core/actions/table_buttons.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/channels.h"
#include "core/net/client_frames.h"
#include "core/net/pump.h"
#include "core/view/action_buttons.h"
#include "core/view/sound.h"

namespace tlj::actions {
namespace {

constexpr int kWarningSeconds = 6;
constexpr std::size_t kWarningSound = 6;

void CountDown() {
  using model::g_iCountdown;
  --g_iCountdown;
  auto& number = model::El("Number");
  number.caption = std::to_string(g_iCountdown);
  if (g_iCountdown < kWarningSeconds) {
    view::PlayEventSoundFile(view::g_sSound[kWarningSound]);
    number.color = model::kRed;
  } else {
    number.color = model::kGreen;
  }
}

void CountTimeout() {
  if (model::g_iTimeoutCount < std::numeric_limits<std::int16_t>::max()) ++model::g_iTimeoutCount;
  if (model::g_iTimeoutLimit > 0 && model::g_iTimeoutCount >= model::g_iTimeoutLimit) HideTable();
}

void TimeIsUp() {
  view::HideActionButtons();
  if (model::g_bTurnArmed) {
    if (!model::g_bAway) CountTimeout();
    const net::Frame frame = net::BuildGiveUpFrame(model::custom[0].seat);
    view::PlayEventSound("giveup.wav");
    net::QueueFrame(frame);
    model::El("lblYaZhu").caption = "0";
    model::El("lblShowInputCoin").caption.clear();
    model::g_bTurnArmed = false;
  }
  model::g_bMyTurn = false;
  model::HideClock();
  model::g_iCountdown = model::g_iDefaultCountdown;
  net::g_bCountdownOn = false;
}

}  // namespace

void CountdownTick() {
  if (!net::SecondChannelDue(net::kTurnCountdownChannel)) return;
  if (model::g_iCountdown > 0) {
    CountDown();
  } else {
    TimeIsUp();
  }
}

}  // namespace tlj::actions
