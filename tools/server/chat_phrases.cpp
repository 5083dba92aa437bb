#include "tools/server/chat_phrases.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

#include "core/text/ansi.h"

namespace tlj::server {
namespace {

using Section = std::map<std::string, std::string>;  // by lower-case key

std::string_view Trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// Only single-byte letters: the names looked up here are plain ASCII, which no name holding a
// double-byte character can equal, whatever its trail bytes look like.
std::string LowerAscii(std::string_view s) {
  std::string lower(s);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return lower;
}

std::map<std::string, Section> ReadSections(std::string_view text) {
  std::map<std::string, Section> sections;
  Section* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      const std::string name =
          LowerAscii(Trim(line.substr(1, close == line.npos ? line.npos : close - 1)));
      // A section named twice reads as its first appearance.
      current = sections.contains(name) ? nullptr : &sections[name];
      continue;
    }
    const std::size_t equals = line.find('=');
    if (current == nullptr || equals == std::string_view::npos) continue;
    current->try_emplace(LowerAscii(Trim(line.substr(0, equals))),
                         std::string(Trim(line.substr(equals + 1))));
  }
  return sections;
}

// The leading digits, as the INI readers take a number; no more than the cap.
int LineCount(const std::string& value) {
  int count = 0;
  for (const char c : value) {
    if (c < '0' || c > '9') break;
    count = std::min(count * 10 + (c - '0'), kMaxPhraseLines);
  }
  return count;
}

std::vector<Phrase> PhrasesOf(const std::map<std::string, Section>& sections,
                              const std::string& name) {
  std::vector<Phrase> phrases;
  const auto section = sections.find(name);
  if (section == sections.end()) return phrases;
  const auto num = section->second.find("num");
  const int count = num == section->second.end() ? 0 : LineCount(num->second);
  for (int line = 1; line <= count; ++line) {
    const auto value = section->second.find(std::to_string(line));
    if (value == section->second.end() || value->second.empty()) continue;
    phrases.push_back({line, text::AnsiToUtf8(value->second)});
  }
  return phrases;
}

}  // namespace

ChatPhrases ParsePhrases(std::string_view gbk) {
  const auto sections = ReadSections(gbk);
  return {PhrasesOf(sections, "chat1"), PhrasesOf(sections, "chat2")};
}

std::optional<ChatPhrases> ReadPhrasesFile(const std::filesystem::path& file) {
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return ParsePhrases(bytes);
}

}  // namespace tlj::server
