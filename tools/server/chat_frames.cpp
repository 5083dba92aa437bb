#include "tools/server/chat_frames.h"

#include <algorithm>
#include <cstdio>

#include "core/text/ansi.h"

namespace tlj::server {
namespace {

constexpr std::size_t kTextEnd = kChatTextAt + kChatTextSize;

bool LeadByte(std::uint8_t byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

// Where the text ends: at its first zero byte, and before a lead byte whose pair is cut off,
// so that no receiver reads half a character.
std::size_t TextEnd(const Frame& frame) {
  std::size_t at = kChatTextAt;
  while (at < kTextEnd && frame[at] != 0) {
    if (!LeadByte(frame[at])) {
      ++at;
    } else if (at + 1 < kTextEnd && frame[at + 1] != 0) {
      at += 2;
    } else {
      break;
    }
  }
  return at;
}

}  // namespace

Frame PhraseFrame(int seat, std::uint8_t list, int line, std::string_view text) {
  Frame frame{};
  frame[net::kTypeAt] = kTypeChat;
  frame[net::kSeatAt] = SeatBit(seat);
  frame[kChatListAt] = list;
  frame[kChatLineAt] = static_cast<std::uint8_t>(std::clamp(line, 0, kLastChatLine));
  if (list == kChatVoiceList) {
    frame[kChatVoiceAt] = kChatVoiceMark;
    frame[kChatClipAt] = 0;  // the phrase's first clip
  }
  WriteAnsiText(frame, kChatTextAt, kChatTextSize, text);
  return frame;
}

Frame RelayedChat(const Frame& frame, int seat) {
  Frame relayed{};
  std::copy_n(frame.begin(), kChatTextAt, relayed.begin());
  relayed[net::kSeatAt] = SeatBit(seat);
  const auto text = frame.begin() + static_cast<std::ptrdiff_t>(kChatTextAt);
  std::copy(text, frame.begin() + static_cast<std::ptrdiff_t>(TextEnd(frame)),
            relayed.begin() + static_cast<std::ptrdiff_t>(kChatTextAt));
  return relayed;
}

bool HasChatText(const Frame& frame) {
  return TextEnd(frame) > kChatTextAt;
}

std::string ChatText(const Frame& frame) {
  std::string text;
  for (const char c : text::AnsiToUtf8(ReadField(frame, kChatTextAt, kChatTextSize))) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || c == '\\') {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      text += escaped;
    } else {
      text.push_back(c);
    }
  }
  return text;
}

}  // namespace tlj::server
