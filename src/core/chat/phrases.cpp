#include "core/chat/phrases.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

#include "core/chat/chat_state.h"
#include "core/chat/send.h"
#include "core/model/elements.h"
#include "core/net/client_frames.h"
#include "core/net/frame_fields.h"
#include "core/net/pump.h"
#include "core/platform/services.h"
#include "core/settings/ini_file.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/sound.h"
#include "core/view/table_windows.h"

namespace tlj::chat {
namespace {

namespace at = net::chat;

using view::kPhraseButtons;
constexpr std::array<const char*, 2> kLists = {"List1", "List2"};

constexpr int kFullVolume = 3000;
constexpr int kMostNumberedLines = 255;

void ReadList(const settings::classIniFile& file, const char* section, const char* list) {
  const settings::IniSection phrases = file.GetIniSec(section);
  auto& lines = model::ElOf("huifu", list).lines;
  lines.clear();
  const int count = PhraseCount(phrases.Get("num"));
  for (int k = 1; k <= count; ++k) lines.push_back(phrases.Get(std::to_string(k)));
}

// Opens the window over the table where it stands in the table's picture, or switches its
// list, or closes it when the chosen list is the one showing.
void OpenPhrases(int chosen) {
  model::Win("Talk").visible = false;
  auto& window = model::Win("huifu");
  auto& shown = model::ElOf("huifu", kLists[static_cast<std::size_t>(chosen)]);
  auto& other = model::ElOf("huifu", kLists[static_cast<std::size_t>(1 - chosen)]);
  if (window.visible && shown.visible) {
    window.visible = false;
    return;
  }
  if (!window.visible) {
    window.visible = true;
    window.topmost = true;
    view::CentreOverMainForm("huifu");
    const auto& table = model::Win();
    const auto& picture = model::El("Pic1");
    if (view::IsReducedLayout()) {
      window.top = picture.top + table.top + 0.6 * table.height;
      window.left = picture.left + table.left + 0.22 * table.width;
    } else {
      window.top = picture.top + table.top + 0.66 * picture.height;
      window.left = picture.left + table.left + 0.3 * picture.width;
    }
  }
  shown.visible = true;
  other.visible = false;
}

// The selected phrase of a list, or nothing when the list is empty or no line is chosen.
const std::string* SelectedPhrase(const platform::Element& list) {
  if (list.lines.empty() || list.selected < 0 ||
      list.selected >= static_cast<int>(list.lines.size()))
    return nullptr;
  return &list.lines[static_cast<std::size_t>(list.selected)];
}

// Sends the selected line of a list as a chat line carrying the list and line number; what
// was typed in the chat box is dropped.
bool SendPhrase(net::Frame& frame, std::uint8_t list_number, const char* list) {
  const auto& phrases = model::ElOf("huifu", list);
  const std::string* phrase = SelectedPhrase(phrases);
  if (phrase == nullptr) return false;
  // The frame has one byte for the line: a phrase further down goes as a plain line.
  if (phrases.selected < kMostNumberedLines) {
    frame[at::kPhraseListAt] = list_number;
    frame[at::kPhraseLineAt] = static_cast<std::uint8_t>(phrases.selected + 1);
  }
  auto& box = model::El("Chat");
  net::g_sChatText = ComposeLine(frame, *phrase, PrivateLine(box.caption));
  box.caption.clear();
  box.caret = 0;
  g_sWhisperPrefix.clear();
  net::QueueFrame(frame);
  return true;
}

bool SafeNamePart(std::string_view part) {
  for (const char c : part)
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

}  // namespace

int PhraseCount(std::string_view value) {
  // A decimal number at the start, after blanks and a plus sign; what follows it is not read.
  while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
  if (!value.empty() && value.front() == '+') value.remove_prefix(1);
  double number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (error != std::errc() || end == value.data() || !std::isfinite(number) || number <= 0)
    return 0;
  const double rounded = std::nearbyint(number);  // to the even neighbour on a half
  return rounded >= kMostPhrases ? kMostPhrases : static_cast<int>(rounded);
}

std::string VoiceClipName(const model::PlayerProfile& player, char letter, int number) {
  if (!SafeNamePart(player.voiceSet) || !SafeNamePart(player.voiceKind) ||
      !std::isalnum(static_cast<unsigned char>(letter)))
    return {};
  return "v" + player.voiceSet + player.voiceKind + std::to_string(player.sex) + "0" + letter +
         std::to_string(number) + ".wav";
}

void PlayVoiceClip(const model::PlayerProfile& player, char letter, int number) {
  view::StopSound();
  const std::string clip = VoiceClipName(player, letter, number);
  if (clip.empty()) return;
  view::PlaySoundFile(view::g_sVoicePath + clip, false);
  view::SetSoundVolume(kFullVolume);
}

void huifu_Form_Load() {
  settings::classIniFile file;
  file.INIFileName = (platform::Sys().app_dir / kPhraseFile).string();
  ReadList(file, "chat1", "List1");
  ReadList(file, "chat2", "List2");
}

void imgword1_Click() {
  OpenPhrases(0);
}

void imgword2_Click() {
  OpenPhrases(1);
}

void imgword_MouseMove(int list) {
  const auto k = static_cast<std::size_t>(list - 1);
  if (k >= kPhraseButtons.size() || g_bWordHover[k]) return;
  g_bWordHover[k] = true;
  view::LoadGifResource(kPhraseButtons[k].hover, "GIF", model::El(kPhraseButtons[k].name));
}

void imgLocation_MouseMove() {
  for (std::size_t k = 0; k < kPhraseButtons.size(); ++k) {
    if (!g_bWordHover[k]) continue;
    g_bWordHover[k] = false;
    view::LoadGifResource(kPhraseButtons[k].normal, "GIF", model::El(kPhraseButtons[k].name));
  }
}

void List1_DblClick() {
  net::Frame frame = net::BuildChatFrame(model::custom[0].seat);
  if (SendPhrase(frame, at::kQuickPhrases, "List1")) model::Win("huifu").visible = false;
}

void List2_DblClick() {
  net::Frame frame = net::BuildChatFrame(model::custom[0].seat);
  frame[at::kClipLetterAt] = at::kVoiceClipLetter;
  frame[at::kClipNumberAt] = 0;
  if (!SendPhrase(frame, at::kVoicePhrases, "List2")) return;
  PlayVoiceClip(model::profile[0], static_cast<char>(at::kVoiceClipLetter), 0);
  model::Win("huifu").visible = false;
}

}  // namespace tlj::chat
