#include "core/actions/turn_answer.h"

#include "core/game/table_model.h"
#include "core/view/ui.h"

namespace tlj::actions {
namespace {

constexpr std::size_t kAmountAt = 16;

}  // namespace

net::Frame BuildBetFrame(double amount) {
  net::Frame frame = BuildGiveUpFrame();
  net::WriteAmountBe(frame, kAmountAt, amount);
  return frame;
}

void HideActionButtons() {
  for (int k = 0; k <= 2; ++k) {
    auto& button = view::El("Operation", k);
    button.visible = false;
    button.enabled = false;
  }
}

net::Frame BuildGiveUpFrame() {
  net::Frame frame{};
  frame[net::kTypeAt] = net::kTypeBet;
  frame[net::kSeatAt] = game::custom[0].seat;
  return frame;
}

}  // namespace tlj::actions
