// The amount keypad (digits, 00, max, hot pot, min, reset) and the confirm and give-up keys.

#include <string>

#include "tools/artgen/art/groups.h"
#include "tools/artgen/art/themes.h"
#include "tools/artgen/art/widgets.h"

namespace tlj::artgen::art {
namespace {

constexpr KeyShape kKeyShape{5, 1, 0.45f};

void AddKey(Entries& entries, int id, int width, int height, const KeyTheme& theme, State state,
            const std::string& label, const draw::TextStyle& text) {
  entries.push_back({id, width, height, Format::kGif,
                     [=] { return Key(width, height, theme, kKeyShape, state, label, text); }});
}

}  // namespace

void AddKeypad(Entries& entries) {
  const draw::TextStyle digit{draw::Face::kSansBold, 19};
  const draw::TextStyle word{draw::Face::kSansBold, 13, 0.5f};
  for (int d = 0; d <= 9; ++d) {
    AddKey(entries, 220 + d, 40, 30, themes::kIvory, State::kNormal, std::to_string(d), digit);
    AddKey(entries, 230 + d, 40, 30, themes::kIvory, State::kHover, std::to_string(d), digit);
  }
  AddKey(entries, 200, 58, 31, themes::kIvory, State::kNormal, "00", digit);
  AddKey(entries, 205, 58, 31, themes::kIvory, State::kHover, "00", digit);
  const char* words[] = {"最大", "热锅", "最小", "重置"};
  for (int k = 0; k < 4; ++k) {
    AddKey(entries, 201 + k, 40, 30, themes::kAmber, State::kNormal, words[k], word);
    AddKey(entries, 206 + k, 40, 30, themes::kAmber, State::kHover, words[k], word);
  }
  AddKey(entries, 210, 40, 30, themes::kAmber, State::kGreyed, "热锅", word);

  const draw::TextStyle action{draw::Face::kSansBold, 15, 1};
  AddKey(entries, 590, 60, 30, themes::kJade, State::kNormal, "确定", action);
  AddKey(entries, 592, 60, 30, themes::kJade, State::kHover, "确定", action);
  AddKey(entries, 520, 60, 30, themes::kBrick, State::kNormal, "放弃", action);
  AddKey(entries, 522, 60, 30, themes::kBrick, State::kHover, "放弃", action);
}

}  // namespace tlj::artgen::art
