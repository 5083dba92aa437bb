#include "core/settings/ini_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/text/ansi.h"

namespace tlj::settings {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxValue = 1023;  // the reader's buffer of 1024 keeps one for the NUL

// The file as lines of ANSI text without their line ends. New lines get the file's own line
// end; a new file gets CR LF, as the files beside the program have always had.
struct IniText {
  std::vector<std::string> lines;
  std::string eol = "\r\n";
};

struct Section {
  std::size_t header;  // index of the "[name]" line
  std::size_t end;     // index of the next header, or the line count
};

std::optional<std::string> ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

IniText Split(const std::string& bytes) {
  IniText text;
  const std::size_t first_lf = bytes.find('\n');
  if (first_lf != std::string::npos && (first_lf == 0 || bytes[first_lf - 1] != '\r'))
    text.eol = "\n";
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t lf = bytes.find('\n', start);
    if (lf == std::string::npos) lf = bytes.size();
    std::string line = bytes.substr(start, lf - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    text.lines.push_back(std::move(line));
    start = lf + 1;
  }
  return text;
}

std::string Join(const IniText& text) {
  std::string bytes;
  for (const std::string& line : text.lines) bytes += line + text.eol;
  return bytes;
}

bool WriteFully(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Writes beside the file and renames over it, so the file is always either the old or the
// new whole text.
void WriteAtomically(const fs::path& file, const std::string& bytes) {
  fs::path temp = file;
  temp += ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return;
  bool ok = WriteFully(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (!ok || std::rename(temp.c_str(), file.c_str()) != 0) ::unlink(temp.c_str());
}

std::string_view Trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// Letter case is ignored only in single-byte characters: the trail byte of a double-byte
// character may look like an ASCII letter and must match exactly.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (static_cast<unsigned char>(a[i]) >= 0x81 && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (LowerAscii(a[i]) != LowerAscii(b[i])) {
      return false;
    }
  }
  return true;
}

std::optional<std::string_view> HeaderName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  return Trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
  const std::size_t eq = trimmed.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyLine{Trim(trimmed.substr(0, eq)), Trim(trimmed.substr(eq + 1))};
}

// Reads and writes address the first section of the name, as the system's functions do.
std::optional<Section> FindSection(const IniText& text, std::string_view name) {
  for (std::size_t i = 0; i < text.lines.size(); ++i) {
    const auto header = HeaderName(text.lines[i]);
    if (!header || !SameName(*header, name)) continue;
    std::size_t end = i + 1;
    while (end < text.lines.size() && !HeaderName(text.lines[end])) ++end;
    return Section{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const IniText& text, const Section& section,
                                   std::string_view key) {
  for (std::size_t i = section.header + 1; i < section.end; ++i) {
    const auto line = ParseKeyLine(text.lines[i]);
    if (line && SameName(line->key, key)) return i;
  }
  return std::nullopt;
}

// A character with no code in the ANSI code page becomes '?', as the system's conversion does.
std::string ToAnsi(const std::string& utf8) {
  if (auto ansi = text::Utf8ToAnsi(utf8)) return *ansi;
  std::string ansi;
  for (const char32_t c : text::DecodeUtf8(utf8)) {
    const std::uint16_t code = text::AnsiCode(c);
    if (code > 0xFF) ansi += static_cast<char>(code >> 8);
    ansi += static_cast<char>(code & 0xFF);
  }
  return ansi;
}

// A line break inside a name or value would split the line and make keys of its own.
std::string OneLine(const std::string& utf8) {
  std::string ansi = ToAnsi(utf8);
  for (char& c : ansi) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return ansi;
}

// A section or key name as the file holds it.
std::string Name(const std::string& utf8) {
  return std::string(Trim(OneLine(utf8)));
}

// Removes every section of the name; false when there was none.
bool RemoveSections(IniText& text, const std::string& section_name) {
  bool changed = false;
  while (const auto found = FindSection(text, section_name)) {
    text.lines.erase(text.lines.begin() + static_cast<std::ptrdiff_t>(found->header),
                     text.lines.begin() + static_cast<std::ptrdiff_t>(found->end));
    changed = true;
  }
  return changed;
}

// At most kMaxValue bytes, never ending in half of a double-byte character.
std::string CutValue(std::string_view value) {
  std::string out;
  std::size_t i = 0;
  while (i < value.size()) {
    const std::size_t width = static_cast<unsigned char>(value[i]) >= 0x81 ? 2 : 1;
    if (out.size() + width > kMaxValue || i + width > value.size()) break;
    out.append(value.substr(i, width));
    i += width;
  }
  return out;
}

}  // namespace

std::string IniSection::Get(const std::string& key) const {
  const std::string key_name = Name(key);
  for (const std::string& text_line : lines_) {
    const auto line = ParseKeyLine(text_line);
    if (!line || !SameName(line->key, key_name)) continue;
    // The value comes without its surrounding blanks; a cut may leave blanks at its end.
    std::string value = CutValue(line->value);
    std::erase(value, '\0');
    return text::AnsiToUtf8(value);
  }
  return "";
}

IniSection classIniFile::GetIniSec(const std::string& section) const {
  IniSection read;
  if (INIFileName.empty()) return read;
  const auto bytes = ReadBytes(INIFileName);
  if (!bytes) return read;
  IniText text = Split(*bytes);
  const auto found = FindSection(text, Name(section));
  if (!found) return read;
  read.lines_.assign(
      std::make_move_iterator(text.lines.begin() + static_cast<std::ptrdiff_t>(found->header) + 1),
      std::make_move_iterator(text.lines.begin() + static_cast<std::ptrdiff_t>(found->end)));
  return read;
}

std::string classIniFile::GetIniKey(const std::string& section, const std::string& key) const {
  return GetIniSec(section).Get(key);
}

void classIniFile::WriteIniKey(const std::string& section, const std::string& key,
                               const std::string& value) {
  const std::string section_name = Name(section);
  const std::string key_name = Name(key);
  if (INIFileName.empty() || section_name.empty() || key_name.empty()) return;
  auto bytes = ReadBytes(INIFileName);
  std::error_code ec;
  if (!bytes && fs::exists(INIFileName, ec)) return;  // never replace a file we cannot read
  IniText text = Split(bytes.value_or(""));
  const std::string entry = key_name + "=" + OneLine(value);

  if (const auto found = FindSection(text, section_name)) {
    if (const auto line = FindKey(text, *found, key_name)) {
      text.lines[*line] = entry;
    } else {
      // After the section's last line that is not blank, before any blank separators.
      std::size_t at = found->end;
      while (at > found->header + 1 && Trim(text.lines[at - 1]).empty()) --at;
      text.lines.insert(text.lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
    }
  } else {
    text.lines.push_back("[" + section_name + "]");
    text.lines.push_back(entry);
  }
  WriteAtomically(INIFileName, Join(text));
}

void classIniFile::DelIniKey(const std::string& section, const std::string& key) {
  if (INIFileName.empty()) return;
  const auto bytes = ReadBytes(INIFileName);
  if (!bytes) return;
  IniText text = Split(*bytes);
  const auto found = FindSection(text, Name(section));
  if (!found) return;
  const std::string key_name = Name(key);
  bool changed = false;
  for (std::size_t i = found->end; i-- > found->header + 1;) {
    const auto line = ParseKeyLine(text.lines[i]);
    if (!line || !SameName(line->key, key_name)) continue;
    text.lines.erase(text.lines.begin() + static_cast<std::ptrdiff_t>(i));
    changed = true;
  }
  if (changed) WriteAtomically(INIFileName, Join(text));
}

// Every section of the name goes, so that no copy in a hand-edited file shows through later.
void classIniFile::DelIniSec(const std::string& section) {
  if (INIFileName.empty()) return;
  const auto bytes = ReadBytes(INIFileName);
  if (!bytes) return;
  IniText text = Split(*bytes);
  if (RemoveSections(text, Name(section))) WriteAtomically(INIFileName, Join(text));
}

void classIniFile::ReplaceIniSec(const std::string& section,
                                 const std::vector<std::pair<std::string, std::string>>& entries) {
  const std::string section_name = Name(section);
  if (INIFileName.empty() || section_name.empty()) return;
  auto bytes = ReadBytes(INIFileName);
  std::error_code ec;
  if (!bytes && fs::exists(INIFileName, ec)) return;  // never replace a file we cannot read
  IniText text = Split(bytes.value_or(""));
  RemoveSections(text, section_name);
  bool header = false;
  for (const auto& [key, value] : entries) {
    const std::string key_name = Name(key);
    if (key_name.empty()) continue;
    if (!header) text.lines.push_back("[" + section_name + "]");
    header = true;
    text.lines.push_back(key_name + "=" + OneLine(value));
  }
  WriteAtomically(INIFileName, Join(text));
}

bool Is_File_Exist(const std::filesystem::path& path, const std::string& name) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return fs::is_regular_file(path / name, ec);
  return fs::is_regular_file(path, ec) && path.filename() == name;
}

}  // namespace tlj::settings
