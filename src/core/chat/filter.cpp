#include "core/chat/filter.h"

#include <array>

#include "core/chat/chat_text.h"

namespace tlj::chat {
namespace {

constexpr std::array<std::string_view, 11> kBannedWords{
    "法轮功", "他妈的", "她妈的", "它妈的", "婊子养的", "婊子",
    "淫",     "色情",   "黄色",   "shit",   "fuck",
};

}  // namespace

std::string FilterChat(std::string_view text) {
  std::string filtered(text);
  for (const std::string_view word : kBannedWords) filtered = ReplaceAll(filtered, word, "");
  return filtered;
}

}  // namespace tlj::chat
