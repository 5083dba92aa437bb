#include "core/model/elements.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/layout_place.h"

namespace tlj::view {
namespace {

using layout::MoveTo;
using layout::Place;
using layout::Resize;
using layout::Scaled;

// The turn timer waits below the surface until a turn moves it into view.
void LayoutTimer() {
  auto& clock = model::El("Time_Img");
  Place(clock, 920, 778, 81, 38);
  auto& seconds = model::El("Number");
  Resize(seconds, 24, 24);
  seconds.left = clock.left + Scaled(48);
  seconds.top = clock.top + Scaled(5);
  seconds.fontSize = IsReducedLayout() ? 12 : 18;
  clock.visible = false;
  seconds.visible = false;
}

void LayoutOperation() {
  auto& first = model::El("Operation", 0);
  MoveTo(first, IsReducedLayout() ? 780 : 790, 615);
  first.width = 65;
  first.height = 41;
  first.stretch = true;
  const double step = first.width * (LayoutScale + 0.1);
  for (int k = 1; k <= 2; ++k) {
    auto& button = model::El("Operation", k);
    Resize(button, 60, 30);
    button.left = model::El("Operation", k - 1).left + step;
    button.top = first.top;
  }
  for (int k = 0; k <= 2; ++k) {
    auto& button = model::El("Operation", k);
    button.visible = false;
    button.enabled = false;
    LoadGifResource(OperationImageIds[2 * k], "GIF", button);
  }
}

void LayoutSpeechBubbles() {
  MoveTo(model::El("Speak", 0), 94, 513);
  MoveTo(model::El("Speak", 1), 8, 280);
  const auto& across = model::El("Tou", 2);
  auto& bubble = model::El("Speak", 2);
  bubble.left = across.left + 0.8 * across.width;
  bubble.top = layout::CardTop2Now();
  MoveTo(model::El("Speak", 3), 936, 280);
}

// Two one-line list boxes, the newer line directly below the older one.
void LayoutMessageStrip() {
  auto& older = model::El("Sysmsg", 0);
  auto& newer = model::El("Sysmsg", 1);
  older.left = Scaled(312);
  older.width = Scaled(281);
  if (IsReducedLayout()) {
    older.top = Scaled(696) - 2;
    older.height = (Scaled(26) + 4) / 2;
  } else {
    older.top = 696;
    older.height = 13;
  }
  newer.left = older.left;
  newer.width = older.width;
  newer.top = older.top + older.height;
  newer.height = older.height;
}

void LayoutChatAndPanels() {
  Place(model::El("Lbchat"), 594, 695, 25, 33);
  Place(model::El("Chat"), 312, 732, 250, 33);
  auto& bird = model::El("Bird");
  Place(bird, 936, 680, 82, 80);
  auto& advert = model::El("WebBrowser1");
  Resize(advert, 82, 80);
  advert.left = bird.left + Scaled(2);
  advert.top = bird.top + Scaled(2);
}

void LayoutInputDisplay() {
  auto& frame = model::El("imgXuanZe");
  MoveTo(frame, 850, 425);
  frame.width = IsReducedLayout() ? 105 : 157.5;
  frame.height = 30;
  frame.stretch = true;
  auto& amount = model::El("lblShowInputCoin");
  amount.left = frame.left + Scaled(15);
  amount.top = frame.top + Scaled(5);
}

void LayoutPotPictures() {
  for (const char* name : {"imghorn", "imgBuGuo"}) {
    auto& e = model::El(name);
    MoveTo(e, 415, 305);
    e.visible = false;
  }
  auto& animated = model::El("ucBuGuo");
  Place(animated, 400, 290, 192, 192);
  animated.visible = false;
}

}  // namespace

void LayoutTableSecondHalf() {
  LayoutTimer();
  LayoutOperation();
  LayoutSpeechBubbles();
  LayoutMessageStrip();
  LayoutChatAndPanels();
  layout::LayoutPotPanel();
  LayoutInputDisplay();
  LayoutPotPictures();
  MoveTo(model::El("imgMingxi"), 106, 653);
  // The camera preview never starts while video is off, so stopping it leaves nothing to do.
  model::El("vcap1").visible = false;
}

}  // namespace tlj::view
