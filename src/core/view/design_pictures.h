#pragma once
// The pictures that belong to the window designs: backgrounds, bars, fixed decorations, the
// border artwork and the caption buttons. They never change at run time. The resource store
// keeps them under the type "DESIGN", numbered as below; each window's go to it as it loads.

#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "core/platform/element_tree.h"

namespace tlj::view {

struct DesignPicture {
  int number;                // its entry under "DESIGN"
  std::string_view window;   // the design it belongs to
  std::string_view element;  // empty: the window's own background
  std::optional<int> index;
  int width;  // the picture's own size, pixels
  int height;
  std::string_view shows;  // what the artwork shows, for the people who draw it
  // A hidden element that only holds the picture for another: decoded when first taken, so a
  // table background nobody chose costs no memory.
  bool held = false;
};

inline constexpr std::array kDesignPictures = {
    DesignPicture{1, "MainForm", "Skin", {}, 46, 220, "the border pieces, cut by PaintFrame"},
    DesignPicture{2, "MainForm", "imgIcon", {}, 16, 16, "the window icon"},
    DesignPicture{3, "MainForm", "imgMin", 1, 18, 16, "minimise button, normal"},
    DesignPicture{4, "MainForm", "imgMin", 2, 18, 16, "minimise button, hover"},
    DesignPicture{5, "MainForm", "imgMin", 3, 18, 16, "minimise button, pressed"},
    DesignPicture{6, "MainForm", "ImgClose", 1, 18, 16, "close button, normal"},
    DesignPicture{7, "MainForm", "ImgClose", 2, 18, 16, "close button, hover"},
    DesignPicture{8, "MainForm", "ImgClose", 3, 18, 16, "close button, pressed"},
    DesignPicture{9, "MainForm", "imgDinglan", {}, 1024, 96, "the top bar behind the players"},
    DesignPicture{10, "MainForm", "imgDilan", {}, 1024, 117, "the bottom bar behind the user"},
    DesignPicture{11, "MainForm", "imgcaichi", {}, 105, 30, "pot icon, caption 彩池"},
    DesignPicture{12, "MainForm", "imgYuLiuGuoDi", {}, 105, 30, "icon, caption 预留锅底"},
    DesignPicture{13, "MainForm", "imgChuShiGuoDi", {}, 105, 30, "icon, caption 初始锅底"},
    DesignPicture{14, "MainForm", "imgmax", {}, 105, 30, "icon, caption 最大注"},
    DesignPicture{15, "MainForm", "imgReGuoZhu", {}, 105, 30, "icon, caption 热锅注"},
    DesignPicture{16, "MainForm", "imgMinZhu", {}, 105, 30, "icon, caption 最小注"},
    DesignPicture{17, "MainForm", "imgyazhu", {}, 105, 30, "icon, caption 已押注"},
    DesignPicture{18, "MainForm", "imgLunShu", {}, 105, 30, "icon, caption 轮数"},
    DesignPicture{19, "MainForm", "imgXuanZe", {}, 105, 30, "field behind the amount typed"},
    DesignPicture{20, "MainForm", "imgLocation", {}, 394, 39, "strip behind the room name"},
    DesignPicture{21, "MainForm", "Time_Img", {}, 81, 38, "turn timer, a clock face left"},
    DesignPicture{22, "MainForm", "imgMingxi", {}, 48, 30, "details button, caption 明细"},
    DesignPicture{23, "MainForm", "Bird", {}, 82, 80, "frame behind the advertisement"},
    DesignPicture{24, "MainForm", "imghorn", {}, 163, 163, "a horn: the last round"},
    DesignPicture{25, "MainForm", "imgBuGuo", {}, 163, 163, "mend-the-pot sign, 补锅"},
    DesignPicture{26, "MainForm", "ImgShuffle", {}, 185, 35, "banner behind the seat notice"},
    DesignPicture{27, "MainForm", "Pic1", {}, 1024, 768, "the table surface, green felt"},
    DesignPicture{28, "Score", "", {}, 639, 480, "score sheet ground, title 战绩板"},
    DesignPicture{29, "Score", "Image1", 0, 25, 25, "close button at the right"},
    DesignPicture{30, "Score", "Image1", 1, 25, 25, "close button at the left"},
    DesignPicture{31, "Hero", "", {}, 655, 454, "ranking ground, title 英雄榜"},
    DesignPicture{32, "Hero", "Image1", 0, 25, 17, "minimise-looking close button"},
    DesignPicture{33, "Hero", "Image1", 1, 25, 17, "close button"},
    DesignPicture{34, "Information", "", {}, 220, 331, "player card ground, nine rows"},
    DesignPicture{35, "frmMingXi", "", {}, 276, 198, "details ground, title 明细"},
    DesignPicture{36, "ChuPai", "", {}, 300, 49, "notice strip ground"},
    DesignPicture{37, "ChuPai", "Label1", {}, 24, 24, "the notice's close button"},
    DesignPicture{38, "frmExit", "", {}, 300, 150, "leave dialog ground"},
    DesignPicture{39, "frmOtherExit", "", {}, 360, 170, "notice dialog ground"},
    DesignPicture{40, "VosSet", "", {}, 221, 331, "settings ground, title 音效设置"},
    DesignPicture{41, "VosSet", "Image1", 0, 96, 36, "row name 背景音乐"},
    DesignPicture{42, "VosSet", "Image1", 1, 96, 36, "row name 终局静音"},
    DesignPicture{43, "VosSet", "Image1", 2, 96, 36, "row name 游戏音效"},
    DesignPicture{44, "VosSet", "Image1", 3, 96, 36, "row name 桌面背景"},
    DesignPicture{45, "MainForm", "pic3", {}, 1024, 768, "table ground one: the green felt", true},
    DesignPicture{46, "MainForm", "pic4", {}, 1024, 768, "table ground two: blue felt", true},
    DesignPicture{47, "Talk", "", {}, 318, 180, "chat history ground, title 聊天"},
    DesignPicture{48, "huifu", "", {}, 319, 180, "phrase list ground, title 短语"},
    DesignPicture{49, "frmSpeakBox", "imgSpeakBox", 0, 180, 100, "the user's speech bubble", true},
    DesignPicture{50, "frmSpeakBox", "imgSpeakBox", 1, 180, 100, "left seat's speech bubble", true},
    DesignPicture{51, "frmSpeakBox", "imgSpeakBox", 2, 180, 100, "speech bubble, seat across",
                  true},
    DesignPicture{52, "frmSpeakBox", "imgSpeakBox", 3, 180, 100, "right seat's speech bubble",
                  true},
};

// Gives the window's elements their design pictures from the resource store, as the window
// loads; without a store, or where an entry is missing or does not decode, the element stays
// without a picture.
void GiveDesignPictures(platform::Window& window);

// The window's own ground, decoded for whoever draws it: a window loaded for its lists and
// never shown costs nothing for it. Null when its design has none.
std::shared_ptr<const platform::Image> DesignGround(const platform::Window& window);

// The picture a holder element holds: its own, or for a holder of the design, its design
// picture decoded now. Null when there is none.
std::shared_ptr<const platform::Image> HeldPicture(const platform::Element& holder);

}  // namespace tlj::view
