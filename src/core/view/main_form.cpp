#include <string_view>

#include "core/model/elements.h"
#include "core/view/layout.h"

namespace tlj::view {
namespace {

enum class Kind {
  Single,
  Loaded,  // element 0 is in the design; the others are loaded at run time, hidden
  Whole,   // every element of the array is in the design
};

struct Design {
  std::string_view name;
  Kind kind;
  int first;
  int last;
  double left;
  double top;
  double width;
  double height;
  bool visible;
};

constexpr Design One(std::string_view name, double left, double top, double width, double height,
                     bool visible) {
  return {name, Kind::Single, 0, 0, left, top, width, height, visible};
}
constexpr Design Array(std::string_view name, Kind kind, int first, int last, double left,
                       double top, double width, double height, bool visible) {
  return {name, kind, first, last, left, top, width, height, visible};
}

// The design of the table surface in unscaled pixels, in drawing order: each row stands in
// front of the rows before it (labels over their pictures, cards and coins over the panels).
constexpr Design kDesign[] = {
    One("Pic1", 0, 0, 1024, 768, true),
    One("imgDinglan", 0, 0, 1024, 96, true),
    One("imgDilan", 0, 651, 1024, 117, true),
    One("imgLocation", 632, 654, 394, 39, true),
    One("Location", 760, 668, 250, 20, true),
    One("imgword1", 640, 659, 57, 13, true),
    One("imgword2", 640, 675, 57, 13, true),
    One("imgMingxi", 106, 653, 48, 30, true),
    One("Bird", 936, 680, 82, 80, true),
    One("WebBrowser1", 938, 682, 82, 80, false),
    Array("Tou", Kind::Loaded, 0, 3, 10, 668, 85, 90, true),
    Array("Nid", Kind::Loaded, 0, 3, 181, 700, 150, 20, true),
    Array("Cash", Kind::Loaded, 0, 3, 181, 724, 150, 18, true),
    Array("Level", Kind::Loaded, 0, 3, 181, 744, 150, 18, true),
    Array("OK", Kind::Loaded, 0, 3, 460, 630, 70, 29, false),
    One("imgLunShu", 8, 160, 105, 30, true),
    One("imgChuShiGuoDi", 8, 390, 105, 30, true),
    One("imgYuLiuGuoDi", 8, 425, 105, 30, true),
    One("imgcaichi", 8, 480, 105, 30, true),
    One("imgmax", 8, 515, 105, 30, true),
    One("imgReGuoZhu", 8, 550, 105, 30, true),
    One("imgMinZhu", 8, 585, 105, 30, true),
    One("imgyazhu", 8, 620, 105, 30, true),
    One("lblLunShu", 48, 163, 60, 20, true),
    One("lblChuShiGuoDi", 113, 394, 100, 20, true),
    One("lblYuLiuGuoDi", 113, 429, 100, 20, true),
    One("lblCaiChi", 113, 484, 100, 20, true),
    One("lblMax", 113, 519, 100, 20, true),
    One("lblReGuoZhu", 113, 554, 100, 20, true),
    One("lblMin", 113, 589, 100, 20, true),
    One("lblYaZhu", 113, 624, 100, 20, true),
    One("imgXuanZe", 850, 425, 105, 30, true),
    One("lblShowInputCoin", 865, 430, 120, 20, true),
    One("Time_Img", 920, 778, 81, 38, false),
    One("Number", 968, 783, 24, 24, false),
    Array("AnNiu", Kind::Loaded, 0, 8, 573, 730, 60, 30, true),
    Array("ImgNum", Kind::Loaded, 0, 14, 835, 580, 40, 30, true),
    Array("Operation", Kind::Loaded, 0, 2, 790, 615, 65, 41, false),
    One("Chat", 312, 732, 250, 33, true),
    Array("Sysmsg", Kind::Whole, 0, 1, 312, 696, 281, 13, true),
    One("Lbchat", 594, 695, 25, 33, true),
    One("Tiplbl", 312, 676, 281, 18, false),
    Array("imgDiPai", Kind::Loaded, 0, 11, 0, 0, 90, 120, false),
    Array("Speak", Kind::Whole, 0, 3, 94, 513, 131, 102, false),
    One("Words", 100, 470, 200, 20, false),
    Array("VImgCoin", Kind::Loaded, 0, 10, 0, 0, 40, 40, false),
    One("imghorn", 415, 305, 163, 163, false),
    One("imgBuGuo", 415, 305, 163, 163, false),
    One("ucBuGuo", 400, 290, 192, 192, false),
    One("ImgShuffle", 400, 440, 185, 35, false),
    One("LblShuffle", 400, 446, 185, 25, false),
    One("WebBrowser2", 400, 475, 185, 70, false),
    // The peer video feature stays switched off: its elements are never shown.
    One("P2PSocket1", 0, 0, 32, 32, false),
    One("vcap1", 10, 560, 137, 108, false),
    Array("vshow1", Kind::Whole, 1, 3, 0, 0, 137, 108, false),
    Array("ImgKuang", Kind::Whole, 1, 3, 0, 0, 137, 108, false),
    Array("PicLocal", Kind::Whole, 0, 3, 0, 0, 72, 16, false),
    Array("ImCmd", Kind::Whole, 0, 15, 0, 0, 16, 14, false),
    Array("ImgShow", Kind::Whole, 1, 3, 0, 0, 16, 14, false),
};

void Apply(platform::Element& e, const Design& d, bool visible) {
  e.visible = visible;
  e.enabled = true;
  e.left = d.left;
  e.top = d.top;
  e.width = d.width;
  e.height = d.height;
}

}  // namespace

void CreateMainForm() {
  for (const Design& d : kDesign) {
    if (d.kind == Kind::Single) {
      Apply(model::El(d.name), d, d.visible);
      continue;
    }
    for (int i = d.first; i <= d.last; ++i)
      Apply(model::El(d.name, i), d, d.visible && (d.kind == Kind::Whole || i == 0));
  }
  for (int k = 0; k <= 2; ++k) model::El("Operation", k).enabled = false;
}

}  // namespace tlj::view
