// The table's command buttons (send .. leave, in both layouts) and the dialog buttons.

#include <array>
#include <string>

#include "tools/artgen/art/groups.h"
#include "tools/artgen/art/mattes.h"
#include "tools/artgen/art/themes.h"
#include "tools/artgen/art/widgets.h"

namespace tlj::artgen::art {
namespace {

constexpr std::array<const char*, 10> kCommandWords = {"发送", "聊天", "开始", "继续", "设置",
                                                       "隐藏", "战绩", "历史", "规则", "退出"};

// The command buttons stand on the bottom bar, the dialog buttons on the parchment of the
// dialogs and the settings window; their edges and hover glows are blended over that.
const encode::QuantizeOptions kOnBar{.matte = mattes::kBottomBar};
const encode::QuantizeOptions kOnParchment{.matte = mattes::kParchment};

void AddPair(Entries& entries, int normal_id, int width, int height, const KeyTheme& theme,
             const KeyShape& shape, const std::string& word, float text_size,
             const encode::QuantizeOptions& ground) {
  const draw::TextStyle text{draw::Face::kSansBold, text_size, 1};
  for (const State state : {State::kNormal, State::kHover}) {
    const int id = normal_id + (state == State::kHover ? 1 : 0);
    entries.push_back({id, width, height, Format::kGif,
                       [=] { return Key(width, height, theme, shape, state, word, text); },
                       ground});
  }
}

}  // namespace

void AddCommandButtons(Entries& entries) {
  const KeyShape shape{6, 1, 0.35f};
  for (int k = 0; k < 10; ++k) {
    // The send button stands beside the chat line and is narrower.
    if (k == 0) {
      AddPair(entries, 150, 48, 30, themes::kCopper, shape, kCommandWords[0], 14, kOnBar);
      continue;
    }
    AddPair(entries, 150 + 2 * k, 55, 31, themes::kCopper, shape, kCommandWords[k], 15, kOnBar);
    AddPair(entries, 281 + 2 * k, 43, 24, themes::kCopper, {5, 1, 0.35f}, kCommandWords[k], 12,
            kOnBar);
  }
}

void AddDialogButtons(Entries& entries) {
  const KeyShape wide{7, 1, 0.35f};
  AddPair(entries, 170, 70, 29, themes::kJade, wide, "确定", 15, kOnParchment);
  AddPair(entries, 172, 70, 29, themes::kBrick, wide, "取消", 15, kOnParchment);
  // The settings window's switches and ground choices come in one state each; they stand on
  // the light cards of its rows.
  const KeyShape small{6, 1, 0.35f};
  const draw::TextStyle text{draw::Face::kSansBold, 14, 1};
  const struct {
    int id;
    const KeyTheme* theme;
    const char* word;
  } singles[] = {{174, &themes::kBrick, "关闭"},
                 {175, &themes::kJade, "开启"},
                 {176, &themes::kBlueGround, "蓝底"},
                 {177, &themes::kGreenGround, "绿底"}};
  const encode::QuantizeOptions on_card{.matte = mattes::kParchmentLight};
  for (const auto& single : singles)
    entries.push_back(
        {single.id, 64, 26, Format::kGif,
         [=] { return Key(64, 26, *single.theme, small, State::kNormal, single.word, text); },
         on_card});
}

}  // namespace tlj::artgen::art
