#include "core/chat/send.h"

#include "core/chat/chat_state.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/client_frames.h"
#include "core/net/frame_fields.h"
#include "core/net/pump.h"
#include "core/platform/services.h"
#include "core/text/ansi.h"

namespace tlj::chat {
namespace {

constexpr int kEnter = 13;
constexpr int kBackspace = 8;
constexpr std::size_t kHistoryLimit = 100;
constexpr const char* kTooFast = "（发送消息太快！）";

platform::Timer TimerChat;

void TimerChat_Timer() {
  TimerChat.SetEnabled(false);
  g_bChatReady = true;
}

platform::Element& ChatBox() {
  return model::El("Chat");
}

std::size_t Characters(std::string_view text) {
  return text::DecodeUtf8(text).size();
}

// The text without its first `count` characters.
std::string DropFront(std::string_view text, std::size_t count) {
  const std::u32string chars = text::DecodeUtf8(text);
  return count >= chars.size() ? std::string() : text::EncodeUtf8(chars.substr(count));
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void SetChatText(std::string text) {
  auto& box = ChatBox();
  box.caret = static_cast<int>(Characters(text));
  box.caption = std::move(text);
}

void FocusChat() {
  platform::Sys().ui->SetFocus({std::string(model::kMainForm), "Chat", {}});
}

void Enter() {
  if (!g_bChatReady) {
    if (!ChatBox().caption.empty()) {
      auto& history = model::ElOf("Talk", "Text1");
      history.lines.emplace_back(kTooFast);
      SetChatText({});
      platform::ShowLastLine(history);
    }
    return;
  }
  g_bChatReady = false;
  TimerChat.SetInterval(kChatIntervalMs);
  TimerChat.SetEnabled(true);
  SendChat(false);
}

void Backspace() {
  if (g_sWhisperPrefix.empty()) return;
  const auto& box = ChatBox();
  RememberedText = box.caption;
  // A Backspace at the very start deletes nothing, so no change would follow to clear it.
  if (box.caret > 0 && static_cast<std::size_t>(box.caret) <= Characters(g_sWhisperPrefix))
    BackspacePending = true;
}

}  // namespace

void CreateChatTimer() {
  TimerChat = platform::Timer(*platform::Sys().loop, TimerChat_Timer);
  TimerChat.SetInterval(kChatIntervalMs);
}

void DestroyChatTimer() {
  TimerChat = platform::Timer();
}

void Chat_KeyPress(platform::ElementEvent& event) {
  auto& history = model::ElOf("Talk", "Text1");
  if (history.lines.size() > kHistoryLimit) {
    history.lines.clear();
    history.topLine = 0;
    history.selected = -1;
    history.Changed();
  }
  if (event.key == kEnter && !model::g_bSpectator) Enter();
  if (event.key == kBackspace) Backspace();
}

void Chat_Change() {
  if (!BackspacePending) return;
  BackspacePending = false;
  SetChatText(DropFront(RememberedText, Characters(g_sWhisperPrefix)));
  g_sWhisperPrefix.clear();
  TypedBeforeTarget.clear();
  g_iWhisperSeat = 0;
}

bool PrivateLine(std::string_view typed) {
  return !g_sWhisperPrefix.empty() && typed.find(g_sWhisperPrefix) != std::string_view::npos;
}

std::string ComposeLine(net::Frame& frame, std::string_view words, bool private_line) {
  const std::string& own = model::profile[0].nick;
  if (!private_line) return own + "说道： " + std::string(words);
  frame[net::chat::kTargetAt] = g_iWhisperSeat;
  if (g_iWhisperSeat != 0) return std::string(words);
  return own + DropFront(g_sWhisperPrefix, 1) + std::string(words);
}

void SendChat(bool from_button) {
  net::Frame frame = net::BuildChatFrame(model::custom[0].seat);
  const std::string typed = ChatBox().caption;
  if (from_button) SetChatText({});
  if (typed.empty() || TrimBlanks(typed) == g_sWhisperPrefix) return;
  const bool private_line = PrivateLine(typed);
  const std::string words = private_line ? DropFront(typed, Characters(g_sWhisperPrefix)) : typed;
  net::g_sChatText = ComposeLine(frame, words, private_line);
  g_sWhisperPrefix.clear();
  SetChatText({});
  net::QueueFrame(frame);
}

void Tou_Click(int index) {
  if (!model::g_bGameActive || index < 1 || index > 3) return;
  const auto& target = model::profile[static_cast<std::size_t>(index)];
  if (target.nick.empty()) return;
  std::string prefix = "你对" + target.nick + "说 ：";
  TypedBeforeTarget = ChatBox().caption;
  g_iWhisperSeat = model::custom[static_cast<std::size_t>(index)].seat;
  if (!TypedBeforeTarget.empty() && TypedBeforeTarget.find(g_sWhisperPrefix) != std::string::npos)
    TypedBeforeTarget = DropFront(TypedBeforeTarget, Characters(g_sWhisperPrefix));
  g_sWhisperPrefix = std::move(prefix);
  SetChatText(g_sWhisperPrefix + TypedBeforeTarget);
  FocusChat();
}

}  // namespace tlj::chat
