#include <string>

#include "core/view/window_designs.h"

namespace tlj::view::design {
namespace {

using platform::ElementKind;

// A close button: a picture that hides its window.
void CloseButton(platform::ElementTree& ui, platform::Window& w, int index, double left, double top,
                 double width, double height) {
  Put(ui, w, "Image1", index, ElementKind::Picture, left, top, width, height).pointer =
      platform::Pointer::Hand;
}

platform::Element& List(platform::ElementTree& ui, platform::Window& w, std::string_view name,
                        std::optional<int> index, double left, double top, double width,
                        double height) {
  auto& list = Put(ui, w, name, index, ElementKind::List, left, top, width, height);
  list.font = "宋体";
  return list;
}

void Score(platform::ElementTree& ui, platform::Window& w) {
  Form(w, "战绩板", 639, 480);
  w.frameless = true;  // it draws its title, closes by its pictures and drags by its surface
  for (int pos = 0; pos <= 3; ++pos) {
    const double column = 160.0 * pos;
    Put(ui, w, "Tou", pos, ElementKind::Picture, 8 + column, 32, 45, 41).stretch = true;
    Caption(ui, w, "ID", pos, "玩家" + std::to_string(pos), 56 + column, 40, 97, 17);
  }
  for (int pos = 0; pos <= 3; ++pos) List(ui, w, "State", pos, 8 + 160.0 * pos, 88, 145, 326);
  for (int pos = 0; pos <= 3; ++pos) {
    const double left = pos == 3 ? 490 : 8 + 160.0 * pos;
    List(ui, w, "State", pos + 4, left, 424, 145, 50);
  }
  CloseButton(ui, w, 0, 592, 8, 25, 25);
  CloseButton(ui, w, 1, 19, 8, 25, 25);
}

void Hero(platform::ElementTree& ui, platform::Window& w) {
  Form(w, "英雄榜", 655, 454);
  constexpr double kColumn[] = {136, 264, 392, 528};
  constexpr double kGradeWidth[] = {121, 121, 129, 121};
  constexpr double kTotalLeft[] = {144, 272, 400, 536};
  Caption(ui, w, "Label1", {}, "局 数", 48, 32, 60, 17);
  List(ui, w, "Num", {}, 8, 72, 121, 310);
  for (int pos = 0; pos <= 3; ++pos) {
    Put(ui, w, "Tou", pos, ElementKind::Picture, kColumn[pos], 24, 41, 41).stretch = true;
    Caption(ui, w, "ID", pos, "玩家" + std::to_string(pos), kColumn[pos] + 40, 32, 80, 17);
    List(ui, w, "Grade", pos, kColumn[pos], 72, kGradeWidth[pos], 310);
  }
  Caption(ui, w, "Label2", {}, "输赢总分：", 32, 408, 100, 17);
  for (int pos = 0; pos <= 3; ++pos)
    Caption(ui, w, "sunScore", pos, "", kTotalLeft[pos], 408, 100, 17);
  CloseButton(ui, w, 0, 600, 8, 25, 17);
  CloseButton(ui, w, 1, 624, 8, 25, 17);
}

void Information(platform::ElementTree& ui, platform::Window& w) {
  Form(w, "Form1", 220, 331);
  w.frameless = true;  // a pop-up while the mouse rests on an avatar
  constexpr const char* kCaptions[] = {"玩家昵称", "性    别", "所 在 地", "积    分", "信 用 度",
                                       "登录次数", "掉线次数", "胜场次数", "败场次数"};
  for (int k = 0; k <= 8; ++k) {
    const double top = 40 + 32.0 * k;
    auto& label =
        Caption(ui, w, "Label" + std::to_string(k + 1), {}, kCaptions[k], 23, top, 96, 17);
    label.font = "隶书";
    label.fontSize = 12;
    Caption(ui, w, "Inf", k, "", 128, top, 85, 17).fontSize = 12;
  }
}

void Details(platform::ElementTree& ui, platform::Window& w) {
  Form(w, "", 276, 198);
  w.frameless = true;  // a pop-up while the mouse rests on the details icon
  constexpr double kTops[] = {64, 96, 128, 160};
  for (int i = 0; i <= 3; ++i) {
    Caption(ui, w, "labName", i, "", 24, kTops[i], 89, 17);
    Caption(ui, w, "labCoin", i, "", 160, kTops[i], 97, 17);
  }
}

void PlayHint(platform::ElementTree& ui, platform::Window& w) {
  Form(w, "出牌非法", 300, 49);
  Caption(ui, w, "Label2", {}, "", 10, 16, 250, 17).alignment = platform::Alignment::Center;
  auto& close = Put(ui, w, "Label1", {}, ElementKind::Picture, 268, 12, 24, 24);
  close.pointer = platform::Pointer::Hand;
}

}  // namespace

void AddSmallWindows(platform::ElementTree& ui) {
  ui.AddWindow("Score", Score);
  ui.AddWindow("Hero", Hero);
  ui.AddWindow("Information", Information);
  ui.AddWindow("frmMingXi", Details);
  ui.AddWindow("ChuPai", PlayHint);
}

}  // namespace tlj::view::design
