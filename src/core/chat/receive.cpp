#include "core/chat/receive.h"

#include <string>

#include "core/chat/chat_state.h"
#include "core/chat/chat_text.h"
#include "core/chat/filter.h"
#include "core/chat/phrases.h"
#include "core/game/table_model.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/net/channels.h"
#include "core/net/frame_fields.h"
#include "core/platform/services.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/speech_bubbles.h"

namespace tlj::chat {
namespace {

namespace at = net::chat;

constexpr int kBlinkSteps = 8;
constexpr std::int16_t kBubbleOpacity = 210;
constexpr std::int16_t kBubbleFadeIn = 8;
constexpr std::int16_t kBubbleFadeOut = 4;
constexpr std::int16_t kBubbleShowTime = 1000;

const std::string& Nick(int pos) {
  return model::profile[static_cast<std::size_t>(pos)].nick;
}

// The user's own name in a line reads "你".
void NameTheUser(std::string& line) {
  line = ReplaceAll(line, Nick(0), "你");
}

void AddLine(const std::string& line) {
  auto& history = model::ElOf("Talk", "Text1");
  AddWrapped(history, line, kHistoryWidth);
  if (history.lines.size() > kHistoryCap) {
    const auto excess = static_cast<std::ptrdiff_t>(history.lines.size() - kHistoryCap);
    history.lines.erase(history.lines.begin(), history.lines.begin() + excess);
  }
  platform::ShowLastLine(history);
  ShowStripLine(FirstCharacters(line, kStripLength));
}

// The phrase of the receiver's own list by the number the frame gives.
std::string PhraseOf(const net::Frame& frame) {
  const std::uint8_t list = frame[at::kPhraseListAt];
  if (list != at::kQuickPhrases && list != at::kVoicePhrases) return {};
  const auto& lines = model::ElOf("huifu", list == at::kQuickPhrases ? "List1" : "List2").lines;
  const int line = frame[at::kPhraseLineAt] - 1;
  if (line < 0 || line >= static_cast<int>(lines.size())) return {};
  return lines[static_cast<std::size_t>(line)];
}

void ShowPhraseBubble(int pos, const std::string& phrase) {
  if (phrase.empty() || model::Win().minimized) return;
  view::MakeBubble(pos);
  platform::Sys().ui->SetFocus({std::string(model::kMainForm), "Chat", {}});
  view::showMe(view::BubbleName(pos), static_cast<std::int16_t>(pos), phrase, kBubbleOpacity,
               kBubbleFadeIn, kBubbleFadeOut, kBubbleShowTime);
}

// What a strip box shows: its one line, or nothing.
std::string StripLine(int box) {
  const auto& lines = model::El("Sysmsg", box).lines;
  return lines.empty() ? std::string() : lines.front();
}

void SetStripLine(int box, std::string_view text) {
  model::ClearSysmsg(box);
  model::AddSysmsg(box, text);
}

void StartBlink() {
  g_iChatBlink = kBlinkSteps;
  net::ArmChannel(net::kChatBlinkChannel);
}

void ShowButtonPicture(int entry) {
  view::LoadGifResource(view::ButtonImageIds[static_cast<std::size_t>(entry)], "GIF",
                        model::El("AnNiu", 1));
}

}  // namespace

void ShowChatLine(const net::Frame& frame) {
  const std::string text = DecodeChatText(frame);
  const std::uint8_t speaker = frame[net::kSeatAt];
  if ((speaker & 0x0F) == 0) {
    AddLine(text);
    return;
  }
  const int p = game::ScreenPos(speaker);
  if (model::custom[0].seat != 0) ShowPhraseBubble(p, PhraseOf(frame));
  if (frame[at::kPhraseListAt] == at::kVoicePhrases && p != 0) {
    PlayVoiceClip(model::profile[static_cast<std::size_t>(p)],
                  static_cast<char>(frame[at::kClipLetterAt]), frame[at::kClipNumberAt]);
  }
  std::string line = text;
  if (const std::uint8_t target = frame[at::kTargetAt]; target != 0) {
    const int t = game::ScreenPos(target);
    line = Nick(p) + "对" + Nick(t) + "说道： " + text;
    if (p == 0 || t == 0) NameTheUser(line);
  } else if (p == 0) {
    NameTheUser(line);
  }
  AddLine(FilterChat(line));
  if (p > 0) StartBlink();
}

void ShowStripLine(std::string_view text) {
  const std::string older = StripLine(0);
  const std::string newer = StripLine(1);
  if (newer.empty() && older.empty()) {
    SetStripLine(0, text);
  } else if (newer.empty()) {
    SetStripLine(1, text);
  } else {
    SetStripLine(0, newer);
    SetStripLine(1, text);
  }
}

void ChatBlinkStep() {
  if (!net::ChannelDue(net::kChatBlinkChannel)) return;
  if (g_iChatBlink < 1) {
    ShowButtonPicture(2);
    net::DisarmChannel(net::kChatBlinkChannel);
    return;
  }
  ShowButtonPicture(g_iChatBlink % 2 == 1 ? 2 : 3);
  --g_iChatBlink;
}

void ToggleHistory() {
  auto& history = model::Win("Talk");
  if (history.visible) {
    history.visible = false;
    return;
  }
  history.visible = true;
  history.topmost = true;
  const auto& table = model::Win();
  if (view::IsReducedLayout()) {
    history.top = 0.6 * table.height;
    history.left = 0.22 * table.width;
  } else {
    history.top = table.top + 0.66 * table.height;
    history.left = table.left + 0.3 * table.width;
  }
}

}  // namespace tlj::chat
