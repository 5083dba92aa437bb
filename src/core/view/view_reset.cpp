#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/net/link_state.h"
#include "core/view/animated_pot.h"
#include "core/view/layout.h"
#include "core/view/layout_place.h"

namespace tlj::view {
namespace layout {

int CardTop2Now() {
  const auto& bar = model::El("imgDinglan");
  return Px(bar.top + bar.height + Scaled(23));
}

}  // namespace layout

namespace {

void ComputeCardAnchors() {
  using layout::Scaled;
  CardPitch = IsReducedLayout() ? 75 : 90;
  CardTop2 = layout::CardTop2Now();
  PileLeft = Scaled(775);
  CardAnchor[0] = {Px(Scaled(300)), Px(Scaled(550))};
  CardAnchor[1] = {Px(Scaled(15)), Px(Scaled(250))};
  CardAnchor[2] = {Px(Scaled(350)), CardTop2};
  CardAnchor[3] = {Px(Scaled(750)), Px(Scaled(250))};
}

}  // namespace

void ResetTableView() {
  for (int pos = 1; pos <= 3; ++pos) model::El("Speak", pos).visible = false;
  model::Win("Talk").visible = false;

  ComputeCardAnchors();

  for (int k = 0; k <= 11; ++k) {
    auto& card = model::El("imgDiPai", k);
    card.visible = false;
    card.enabled = false;
    layout::Resize(card, 90, 120);
  }

  for (int k = 0; k <= 2; ++k) model::El("Operation", k).visible = false;
  for (const char* name : {"Time_Img", "Number", "imghorn", "imgBuGuo"})
    model::El(name).visible = false;
  HideAnimatedPot();

  model::SetHandStartValues();
  net::ResetReconnectAttempts();
}

}  // namespace tlj::view
