#include "core/chat/filter.h"

#include <array>

namespace tlj::chat {
namespace {

constexpr std::array<std::string_view, 11> kBannedWords{
    "法轮功", "他妈的", "她妈的", "它妈的", "婊子养的", "婊子",
    "淫",     "色情",   "黄色",   "shit",   "fuck",
};

// One pass, as a replace does: what the removal joins together is not looked at again.
std::string RemoveAll(std::string_view text, std::string_view word) {
  std::string kept;
  std::size_t from = 0;
  for (std::size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, from)) {
    kept.append(text.substr(from, at - from));
    from = at + word.size();
  }
  kept.append(text.substr(from));
  return kept;
}

}  // namespace

std::string FilterChat(std::string_view text) {
  std::string filtered(text);
  for (const std::string_view word : kBannedWords) filtered = RemoveAll(filtered, word);
  return filtered;
}

}  // namespace tlj::chat
