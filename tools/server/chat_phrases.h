#pragma once
// What the bots may say: the phrase window's file, an INI file in GBK whose sections [chat1]
// (quick phrases) and [chat2] (voice phrases) each hold "num=N" and the keys 1..N.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tlj::server {

struct Phrase {
  int line = 0;      // 1-based: the key in the file, which the receiver looks the phrase up by
  std::string text;  // UTF-8

  friend bool operator==(const Phrase&, const Phrase&) = default;
};

// Each list in the order of its lines.
struct ChatPhrases {
  std::vector<Phrase> quick;
  std::vector<Phrase> voice;

  bool Empty() const { return quick.empty() && voice.empty(); }
};

// A section holds at most this many lines; a larger num is cut down to it.
inline constexpr int kMaxPhraseLines = 1000;

// Sections and keys as the INI readers take them: names trimmed and compared without regard to
// the case of single-byte letters, the first of a repeated key counts, ';' starts a comment.
// Lines without a text are left out and the others keep their numbers.
ChatPhrases ParsePhrases(std::string_view gbk);
// Nothing when the file cannot be read.
std::optional<ChatPhrases> ReadPhrasesFile(const std::filesystem::path& file);

}  // namespace tlj::server
