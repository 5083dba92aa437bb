#include "core/chat/chat_text.h"

#include "core/net/frame_fields.h"
#include "core/text/ansi.h"

namespace tlj::chat {
namespace {

using net::chat::kTextEnd;
constexpr char32_t kUnmapped = U'?';

}  // namespace

std::string DecodeChatText(const net::Frame& frame) {
  std::u32string chars;
  for (std::size_t at = net::chat::kTextAt; at < kTextEnd && frame[at] != 0; ++at) {
    const std::uint8_t byte = frame[at];
    if (byte < 0x80) {
      chars += static_cast<char32_t>(byte);
      continue;
    }
    if (at + 1 >= kTextEnd || frame[at + 1] == 0) {
      chars += kUnmapped;
      break;
    }
    const char32_t pair = text::AnsiPairChar(byte, frame[++at]);
    chars += pair == platform::kReplacement ? kUnmapped : pair;
  }
  return text::EncodeUtf8(chars);
}

int DisplayWidth(char32_t c) {
  return text::AnsiCode(c) <= 0xFF ? 1 : 2;
}

void AddWrapped(platform::Element& list, std::string_view text, int width) {
  std::u32string chars = text::DecodeUtf8(text);
  if (const auto end = chars.find(U'\0'); end != std::u32string::npos) chars.resize(end);
  const std::size_t n = chars.size();
  // 0-based: `start` is the first character not yet placed.
  std::size_t start = 0;
  int columns = 0;
  bool first = true;
  for (std::size_t i = 0; i < n; ++i) {
    if (i + 1 == n || columns >= width) {
      columns = 0;
      if (first) {
        list.lines.push_back(text::EncodeUtf8(chars.substr(start, i + 1 - start)));
        start = i + 1;
        first = false;
      } else {
        const std::size_t end = i + 1 == n ? n : i;
        list.lines.push_back(" " + text::EncodeUtf8(chars.substr(start, end - start)));
        start = i;
      }
    }
    columns += DisplayWidth(chars[i]);
  }
  list.Changed();
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string replaced;
  std::size_t start = 0;
  for (std::size_t found = text.find(from); found != std::string_view::npos;
       found = text.find(from, start)) {
    replaced.append(text.substr(start, found - start)).append(to);
    start = found + from.size();
  }
  return replaced.append(text.substr(start));
}

std::string FirstCharacters(std::string_view text, std::size_t count) {
  std::u32string chars = text::DecodeUtf8(text);
  if (chars.size() > count) chars.resize(count);
  return text::EncodeUtf8(chars);
}

}  // namespace tlj::chat
