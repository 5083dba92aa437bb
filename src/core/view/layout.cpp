#include "core/view/layout.h"

#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/view/image_tables.h"
#include "core/view/layout_place.h"
#include "core/view/window_frame.h"

namespace tlj::view {
namespace {

using layout::MoveTo;
using layout::Place;
using layout::Resize;
using layout::Scaled;

constexpr double kReducedScale = 0.78125;  // sized for 800 x 600

struct Spot {
  double left;
  double top;
};

// By screen position: 0 the local player at the bottom, 1..3 across the top from left to right.
constexpr Spot kTou[] = {{10, 668}, {7, 15}, {350, 15}, {693, 15}};
constexpr Spot kNid[] = {{181, 700}, {165, 15}, {509, 15}, {852, 15}};
constexpr Spot kCash[] = {{181, 724}, {165, 40}, {509, 40}, {852, 40}};
constexpr Spot kLevel[] = {{181, 744}, {165, 64}, {509, 64}, {852, 64}};
constexpr Spot kOK[] = {{460, 630}, {60, 280}, {460, 120}, {900, 280}};

void LayoutBars() {
  const auto& surface = model::El("Pic1");
  auto& top = model::El("imgDinglan");
  Place(top, 0, 0, 0, 96);
  top.width = surface.width;
  auto& bottom = model::El("imgDilan");
  Place(bottom, 0, 0, 0, 117);
  bottom.width = surface.width;
  bottom.top = surface.height - bottom.height;
}

void LayoutSeats() {
  for (int pos = 0; pos < 4; ++pos) {
    auto& tou = model::El("Tou", pos);
    const bool local = pos == 0;
    Place(tou, kTou[pos].left, kTou[pos].top, local ? 85 : 70, local ? 90 : 62);
    tou.visible = true;
    MoveTo(model::El("Nid", pos), kNid[pos].left, kNid[pos].top);
    MoveTo(model::El("Cash", pos), kCash[pos].left, kCash[pos].top);
    MoveTo(model::El("Level", pos), kLevel[pos].left, kLevel[pos].top);
    MoveTo(model::El("OK", pos), kOK[pos].left, kOK[pos].top);
    for (const char* name : {"Nid", "Cash", "Level"}) model::El(name, pos).visible = true;
    model::El("Cash", pos).fontSize = 8;
    model::El("Level", pos).fontSize = 8;
  }
}

// Two rows of command buttons, 70 apart: 1..4 on the upper row, 5..8 below 1..4.
void LayoutButtons() {
  Place(model::El("AnNiu", 0), 573, 730, 60, 30);
  for (int k = 1; k <= 8; ++k) {
    auto& button = model::El("AnNiu", k);
    Resize(button, 50, 30);
    if (k == 1) {
      MoveTo(button, 648, 699);
    } else if (k == 5) {
      button.left = model::El("AnNiu", 1).left;
      button.top = model::El("AnNiu", 1).top + Scaled(32);
    } else {
      button.left = model::El("AnNiu", k - 1).left + Scaled(70);
      button.top = model::El("AnNiu", k - 1).top;
    }
  }
  for (int k = 0; k <= 8; ++k) {
    auto& button = model::El("AnNiu", k);
    button.visible = true;
    LoadGifResource(ButtonImageIds[2 * k], "GIF", button);
  }
}

// Digits 1..9 in three rows above 0 and "00"; max, hot pot, min and reset in a fourth column.
void LayoutKeypad() {
  auto& zero = model::El("ImgNum", 0);
  Place(zero, 835, 580, 40, 30);
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c)
      Place(model::El("ImgNum", 3 * r + c + 1), 835 + 45 * c, 545 - 35 * r, 40, 30);
  }
  auto& double_zero = model::El("ImgNum", 10);
  Resize(double_zero, 58, 30);
  double_zero.left = zero.left + zero.width + Scaled(18);
  double_zero.top = zero.top;
  const double column = 835 + 45 * 2 + 45;
  constexpr double kRowTops[] = {475, 510, 545, 580};
  for (int row = 0; row < 4; ++row)
    Place(model::El("ImgNum", 14 - row), column, kRowTops[row], 40, 30);

  for (int k = 0; k <= 14; ++k) {
    auto& key = model::El("ImgNum", k);
    key.visible = true;
    LoadGifResource(NumImageIds[k], "GIF", key);
  }
  model::El("ImgNum", 11).tooltip = "当前最大买入";
  model::El("ImgNum", 12).tooltip = "当前锅底-初始锅底+1";
  model::El("ImgNum", 13).tooltip = "初始锅底5%";
}

void LayoutLocationStrip() {
  Place(model::El("imgLocation"), 632, 654, 394, 39);
  MoveTo(model::El("Location"), 760, 668);
  Place(model::El("imgword1"), 640, 659, 57, 13);
  Place(model::El("imgword2"), 640, 675, 57, 13);
  for (const auto& button : kPhraseButtons) {
    auto& picture = model::El(button.name);
    LoadGifResource(button.normal, "GIF", picture);
    picture.pointer = platform::Pointer::Hand;
  }
}

// The video views would sit below each avatar with their tool strips; video stays off here,
// so they are only placed and stay hidden.
void LayoutVideo() {
  for (int pos = 0; pos < 4; ++pos) {
    const Spot below = {kTou[pos].left, kTou[pos].top + 95};
    auto& strip = model::El("PicLocal", pos);
    MoveTo(strip, below.left, below.top);
    strip.visible = false;
    for (int i = 0; i < 4; ++i) {
      auto& icon = model::El("ImCmd", 4 * pos + i);
      MoveTo(icon, below.left + 18 * i, below.top);
      icon.visible = false;
    }
    if (pos == 0) continue;
    for (const char* name : {"vshow1", "ImgKuang", "ImgShow"}) {
      auto& e = model::El(name, pos);
      MoveTo(e, below.left, below.top + 18);
      e.visible = false;
    }
  }
}

}  // namespace

void ChooseLayout(int screen_width, int screen_height) {
  LayoutScale = (screen_width < 1024 || screen_height < 768) ? kReducedScale : 1.0;

  // Window sizes are in pixels. A frame of 8 pixels (20 for the caption strip) is painted only
  // where the screen has room for it; otherwise the surface fills the window. Each fixed side
  // paints the frame at the window's size of that moment.
  auto& window = model::Win();
  auto& surface = model::El("Pic1");
  window.left = 0;
  window.top = 0;
  if (screen_height >= 769) {
    window.height = 796;
    surface.top = 20;
    surface.height = window.height - 28;
    PaintFrame();
  } else {
    window.height = screen_height;
    surface.top = 0;
    surface.height = window.height;
  }
  if (screen_width >= 1025) {
    window.width = 1040;
    surface.left = 8;
    surface.width = window.width - 16;
    PaintFrame();
  } else {
    window.width = screen_width;
    surface.left = 0;
    surface.width = window.width;
  }
}

void LayoutTableFirstHalf() {
  LayoutBars();
  LayoutSeats();
  LayoutButtons();
  LayoutKeypad();
  LayoutLocationStrip();
  LayoutVideo();
  model::g_dNetWin.fill(0);
}

}  // namespace tlj::view
