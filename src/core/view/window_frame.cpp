#include "core/view/window_frame.h"

#include <array>

#include "core/model/elements.h"
#include "core/view/table_windows.h"

namespace tlj::view {
namespace {

constexpr double kTwipsPerPixel = 15;

// The skin is cut in twips: corners 120 wide, the caption strip 300 high, the bottom 120.
struct Cut {
  platform::Rect source;  // twips of the skin
  // Where the piece goes: an anchor at the window's right or bottom edge counts back from it,
  // and a stretched side takes the window's size less the given margin.
  bool from_right;
  bool from_bottom;
  int left;
  int top;
  int stretch_width_margin;  // 0: the piece keeps its width
  int stretch_height_margin;
};

constexpr std::array<Cut, 8> kCuts = {{
    {{0, 0, 120, 300}, false, false, 0, 0, 0, 0},
    {{120, 0, 120, 300}, false, false, 120, 0, 240, 0},
    {{570, 0, 120, 300}, true, false, 120, 0, 0, 0},
    {{0, 300, 120, 2880}, false, false, 0, 300, 0, 420},
    {{570, 300, 120, 2880}, true, false, 120, 300, 0, 420},
    {{0, 3180, 120, 120}, false, true, 0, 120, 0, 0},
    {{120, 3180, 120, 120}, false, true, 120, 120, 240, 0},
    {{570, 3180, 120, 120}, true, true, 120, 120, 0, 0},
}};

int Pixels(double twips) {
  return static_cast<int>(twips / kTwipsPerPixel);
}

platform::Rect Target(const Cut& cut, int width_twips, int height_twips) {
  const int left = cut.from_right ? width_twips - cut.left : cut.left;
  const int top = cut.from_bottom ? height_twips - cut.top : cut.top;
  const int width =
      cut.stretch_width_margin > 0 ? width_twips - cut.stretch_width_margin : cut.source.width;
  const int height =
      cut.stretch_height_margin > 0 ? height_twips - cut.stretch_height_margin : cut.source.height;
  return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

platform::Rect InPixels(const platform::Rect& twips) {
  return {Pixels(twips.left), Pixels(twips.top), Pixels(twips.width), Pixels(twips.height)};
}

void PaintBorder(platform::Window& window, const platform::Element& skin) {
  const int width_twips = static_cast<int>(window.width * kTwipsPerPixel);
  const int height_twips = static_cast<int>(window.height * kTwipsPerPixel);
  window.painting.clear();
  for (const Cut& cut : kCuts)
    window.painting.push_back(
        {skin.image, InPixels(cut.source), Target(cut, width_twips, height_twips)});
}

void ShowNormal(std::string_view name, double left) {
  auto& button = model::El(name, 0);
  button.left = left;
  button.top = 25 / kTwipsPerPixel;
  CopyPicture(model::El(name, 1), button);
  model::BringToFront(button);
}

}  // namespace

void PaintFrame() {
  auto& window = model::Win();
  PaintBorder(window, model::El("Skin"));

  auto& icon = model::El("imgIcon");
  icon.left = icon.top = 50 / kTwipsPerPixel;
  icon.width = icon.height = 240 / kTwipsPerPixel;
  icon.visible = true;

  const double close_width = model::El("ImgClose", 0).width;
  const double close_left = window.width - close_width - 70 / kTwipsPerPixel;
  ShowNormal("ImgClose", close_left);
  const double min_width = model::El("imgMin", 0).width;
  ShowNormal("imgMin", close_left - min_width - 30 / kTwipsPerPixel);
}

}  // namespace tlj::view
