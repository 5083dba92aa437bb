// The sound settings window: its ground, with a light card behind each row's name and
// switch, and the plaques that name the rows.

#include <string>
#include <utility>

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_grounds.h"
#include "tools/artgen/art/design_groups.h"
#include "tools/artgen/art/design_plaques.h"
#include "tools/artgen/art/widgets.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;

// The rows start at y 48, 52 apart; the OK and cancel buttons stand below a rule at y 264.
draw::Canvas SettingsGround(int width, int height) {
  draw::Canvas ground(width, height);
  DrawGround(ground, 3);
  DrawTitleStrip(ground, 34, "音效设置");
  for (int row = 0; row < 4; ++row) DrawCard(ground, 12, 42 + 52 * row, width - 24, 48);
  DrawRule(ground, 14, 255, width - 28);
  return ground;
}

draw::Canvas RowName(int width, int height, const std::string& name) {
  draw::Canvas plaque(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  DrawPlaque(plaque, 0.5f, 0.5f, w - 1, h - 1, 6);
  DrawLabel(plaque, name, {draw::Face::kSansBold, 16, 1}, w / 2, h / 2, design::kGoldLight,
            Hex(0x1C0703, 0.8f));
  return plaque;
}

}  // namespace

void AddSoundSettings(Entries& entries) {
  AddDesign(entries, 40, Format::kGif, SettingsGround);
  const std::pair<int, const char*> names[] = {
      {41, "背景音乐"}, {42, "终局静音"}, {43, "游戏音效"}, {44, "桌面背景"}};
  for (const auto& [number, name] : names) {
    const std::string text = name;
    AddDesign(entries, number, Format::kGif, [=](int w, int h) { return RowName(w, h, text); });
  }
}

}  // namespace tlj::artgen::art
