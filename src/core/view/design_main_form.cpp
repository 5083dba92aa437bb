#include <string_view>

#include "core/view/window_designs.h"

namespace tlj::view::design {
namespace {

using platform::ElementKind;

constexpr ElementKind Box = ElementKind::PictureBox;
constexpr ElementKind Pic = ElementKind::Picture;
constexpr ElementKind Lbl = ElementKind::Label;
constexpr ElementKind Lst = ElementKind::List;
constexpr ElementKind Txt = ElementKind::TextBox;
constexpr ElementKind Web = ElementKind::WebPanel;
constexpr ElementKind Ani = ElementKind::AnimatedPicture;
constexpr ElementKind Cmp = ElementKind::Component;

enum class Members {
  Single,
  Loaded,  // element 0 is in the design; the others are loaded at run time, hidden
  Whole,   // every element of the array is in the design
};

struct Design {
  std::string_view name;
  ElementKind kind;
  Members members;
  int first;
  int last;
  double left;
  double top;
  double width;
  double height;
  bool visible;
};

constexpr Design One(std::string_view name, ElementKind kind, double left, double top, double width,
                     double height, bool visible) {
  return {name, kind, Members::Single, 0, 0, left, top, width, height, visible};
}
constexpr Design Array(std::string_view name, ElementKind kind, Members members, int first,
                       int last, double left, double top, double width, double height,
                       bool visible) {
  return {name, kind, members, first, last, left, top, width, height, visible};
}

// The design of the table surface in unscaled pixels, in drawing order: each row stands in
// front of the rows before it (labels over their pictures, cards and coins over the panels).
constexpr Design kDesign[] = {
    One("Pic1", Box, 0, 0, 1024, 768, true),
    One("imgDinglan", Pic, 0, 0, 1024, 96, true),
    One("imgDilan", Pic, 0, 651, 1024, 117, true),
    One("imgLocation", Pic, 632, 654, 394, 39, true),
    One("Location", Lbl, 760, 668, 250, 20, true),
    One("imgword1", Pic, 640, 659, 57, 13, true),
    One("imgword2", Pic, 640, 675, 57, 13, true),
    One("imgMingxi", Pic, 106, 653, 48, 30, true),
    One("Bird", Pic, 936, 680, 82, 80, true),
    One("WebBrowser1", Web, 938, 682, 82, 80, false),
    Array("Tou", Pic, Members::Loaded, 0, 3, 10, 668, 85, 90, true),
    Array("Nid", Lbl, Members::Loaded, 0, 3, 181, 700, 150, 20, true),
    Array("Cash", Lbl, Members::Loaded, 0, 3, 181, 724, 150, 18, true),
    Array("Level", Lbl, Members::Loaded, 0, 3, 181, 744, 150, 18, true),
    Array("OK", Pic, Members::Loaded, 0, 3, 460, 630, 70, 29, false),
    One("imgLunShu", Pic, 8, 160, 105, 30, true),
    One("imgChuShiGuoDi", Pic, 8, 390, 105, 30, true),
    One("imgYuLiuGuoDi", Pic, 8, 425, 105, 30, true),
    One("imgcaichi", Pic, 8, 480, 105, 30, true),
    One("imgmax", Pic, 8, 515, 105, 30, true),
    One("imgReGuoZhu", Pic, 8, 550, 105, 30, true),
    One("imgMinZhu", Pic, 8, 585, 105, 30, true),
    One("imgyazhu", Pic, 8, 620, 105, 30, true),
    One("lblLunShu", Lbl, 48, 163, 60, 20, true),
    One("lblChuShiGuoDi", Lbl, 113, 394, 100, 20, true),
    One("lblYuLiuGuoDi", Lbl, 113, 429, 100, 20, true),
    One("lblCaiChi", Lbl, 113, 484, 100, 20, true),
    One("lblMax", Lbl, 113, 519, 100, 20, true),
    One("lblReGuoZhu", Lbl, 113, 554, 100, 20, true),
    One("lblMin", Lbl, 113, 589, 100, 20, true),
    One("lblYaZhu", Lbl, 113, 624, 100, 20, true),
    One("imgXuanZe", Pic, 850, 425, 105, 30, true),
    One("lblShowInputCoin", Lbl, 865, 430, 120, 20, true),
    One("Time_Img", Pic, 920, 778, 81, 38, false),
    One("Number", Lbl, 968, 783, 24, 24, false),
    Array("AnNiu", Pic, Members::Loaded, 0, 8, 573, 730, 60, 30, true),
    Array("ImgNum", Pic, Members::Loaded, 0, 14, 835, 580, 40, 30, true),
    Array("Operation", Pic, Members::Loaded, 0, 2, 790, 615, 65, 41, false),
    One("Chat", Txt, 312, 732, 250, 33, true),
    Array("Sysmsg", Lst, Members::Whole, 0, 1, 312, 696, 281, 13, true),
    One("Lbchat", Lbl, 594, 695, 25, 33, true),
    One("Tiplbl", Lbl, 312, 676, 281, 18, false),
    Array("imgDiPai", Pic, Members::Loaded, 0, 11, 0, 0, 90, 120, false),
    Array("Speak", Pic, Members::Whole, 0, 3, 94, 513, 131, 102, false),
    One("Words", Lbl, 100, 470, 200, 20, false),
    Array("VImgCoin", Pic, Members::Loaded, 0, 10, 0, 0, 40, 40, false),
    One("imghorn", Pic, 415, 305, 163, 163, false),
    One("imgBuGuo", Pic, 415, 305, 163, 163, false),
    One("ucBuGuo", Ani, 400, 290, 192, 192, false),
    One("ImgShuffle", Pic, 400, 440, 185, 35, false),
    One("LblShuffle", Lbl, 400, 446, 185, 25, false),
    One("WebBrowser2", Web, 400, 475, 185, 70, false),
    // The peer video feature stays switched off: its elements are never shown.
    One("P2PSocket1", Cmp, 0, 0, 32, 32, false),
    One("vcap1", Cmp, 10, 560, 137, 108, false),
    Array("vshow1", Cmp, Members::Whole, 1, 3, 0, 0, 137, 108, false),
    Array("ImgKuang", Pic, Members::Whole, 1, 3, 0, 0, 137, 108, false),
    Array("PicLocal", Box, Members::Whole, 0, 3, 0, 0, 72, 16, false),
    Array("ImCmd", Pic, Members::Whole, 0, 15, 0, 0, 16, 14, false),
    Array("ImgShow", Pic, Members::Whole, 1, 3, 0, 0, 16, 14, false),
};

// The window's own elements around the surface: the border artwork, the caption strip with
// the icon and the title buttons (element 0 shows, 1..3 hold the normal, hover and pressed
// pictures), and the hidden picture boxes.
void AddFrameElements(platform::ElementTree& ui, platform::Window& w) {
  Put(ui, w, "Skin", {}, Pic, 0, 0, 46, 220, false);
  Put(ui, w, "Pic2", {}, Box, 8, 20, 1024, 768, false);
  Put(ui, w, "pic3", {}, Box, 8, 20, 1024, 768, false);
  Put(ui, w, "pic4", {}, Box, 8, 20, 1024, 768, false);
  auto& drag = Put(ui, w, "LbMove", {}, Lbl, 0, 0, 1040, 20);
  drag.transparent = true;
  Put(ui, w, "imgIcon", {}, Pic, 3, 3, 16, 16);
  for (int k = 0; k <= 3; ++k) {
    Put(ui, w, "imgMin", k, Pic, 990, 2, 18, 16, k == 0);
    Put(ui, w, "ImgClose", k, Pic, 1013, 2, 18, 16, k == 0);
  }
}

// The surface's captions stand on its pictures and on the felt: no ground of their own, in
// light colours (0xBBGGRR) that read on the dark bars. The chat history toggle keeps its ground,
// so that it shows where to click.
void SetLabelLooks(platform::ElementTree& ui, platform::Window& w) {
  constexpr int kWhite = 0xFFFFFF;
  constexpr int kLightGold = 0xB3ECFF;
  for (const auto& e : w.elements)
    if (e->kind == ElementKind::Label && e->parent == "Pic1" && e->name != "Lbchat")
      e->transparent = true;
  for (int pos = 0; pos <= 3; ++pos) {
    ui.Find(w.name, "Nid", pos)->color = kWhite;
    ui.Find(w.name, "Cash", pos)->color = kLightGold;
    ui.Find(w.name, "Level", pos)->color = kLightGold;
  }
  for (const char* label : {"lblChuShiGuoDi", "lblYuLiuGuoDi", "lblCaiChi", "lblMax", "lblReGuoZhu",
                            "lblMin", "lblYaZhu"})
    ui.Find(w.name, label)->color = kLightGold;
}

// Element arrays of the surface loaded at run time only: the coins the animations lay on the
// table copy the hidden element 0.
void AddRunTimeTemplates(platform::ElementTree& ui, platform::Window& w) {
  auto& coin = ui.Add(w, "imgCoin", 0, Pic, "Pic1");
  coin.visible = false;
  coin.width = coin.height = 40;
}

}  // namespace

void MainForm(platform::ElementTree& ui, platform::Window& w) {
  Form(w, "", 1040, 796);
  w.owner.clear();
  w.frameless = true;
  for (const Design& d : kDesign) {
    const std::string_view parent = d.name == "Pic1" ? "" : "Pic1";
    const int last = d.members == Members::Single ? d.first : d.last;
    for (int i = d.first; i <= last; ++i) {
      const std::optional<int> index =
          d.members == Members::Single ? std::nullopt : std::optional<int>(i);
      auto& e = ui.Add(w, d.name, index, d.kind, parent);
      e.left = d.left;
      e.top = d.top;
      e.width = d.width;
      e.height = d.height;
      e.visible = d.visible && (d.members != Members::Loaded || i == 0);
    }
  }
  for (int k = 0; k <= 2; ++k) ui.Find(w.name, "Operation", k)->enabled = false;
  auto& chat = *ui.Find(w.name, "Chat");
  chat.maxLength = 100;
  SetLabelLooks(ui, w);
  AddRunTimeTemplates(ui, w);
  AddFrameElements(ui, w);
}

}  // namespace tlj::view::design
