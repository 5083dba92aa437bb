#include "core/game/ready_countdown.h"

#include <string>

#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/net/channels.h"

namespace tlj::game {

void StartReadyCountdown(std::int16_t seconds, int colour) {
  net::ArmChannel(net::kReadyCountdownChannel);
  model::g_iCountdown = seconds;
  auto& number = model::El("Number");
  auto& clock = model::El("Time_Img");
  number.caption = std::to_string(seconds);
  number.color = colour;
  number.visible = true;
  clock.visible = true;
  model::BringToFront(clock);
  model::BringToFront(number);
}

}  // namespace tlj::game
