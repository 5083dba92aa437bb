#include "core/game/record_file.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/game/score_sheet.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/platform/services.h"
#include "core/settings/ini_file.h"
#include "core/settings/local_files.h"

namespace tlj::game {
namespace {

constexpr int kLists = 8;

settings::classIniFile RecordFile() {
  settings::classIniFile ini;
  ini.INIFileName = (platform::Sys().app_dir / settings::kRecordFile).string();
  return ini;
}

std::string Section(int n) {
  return "juNum:" + std::to_string(n);
}

std::string Index(int i) {
  return "( " + std::to_string(i) + " )";
}

// A count as the file holds it: decimal digits only; a larger count than any list may hold is
// cut to the limit. Nothing for an empty, signed or otherwise unreadable value.
std::optional<std::size_t> ReadCount(const std::string& value) {
  if (value.empty()) return std::nullopt;
  std::size_t count = 0;
  for (const char digit : value) {
    if (digit < '0' || digit > '9') return std::nullopt;
    count = std::min(kMaxStoredLines, count * 10 + static_cast<std::size_t>(digit - '0'));
  }
  return count;
}

std::optional<int> ReadPicIndex(const std::string& value) {
  const std::optional<std::size_t> index = ReadCount(value);
  if (!index) return std::nullopt;
  return static_cast<int>(*index);
}

}  // namespace

bool HasPicIndex(const model::InfoEntry& info) {
  return !info.nick.empty();
}

void WriteGameRecord(int n) {
  settings::classIniFile ini = RecordFile();
  const std::string section = Section(n);
  std::vector<std::pair<std::string, std::string>> entries;
  for (int i = 0; i < 4; ++i) {
    const model::InfoEntry& info = model::g_tInfo[static_cast<std::size_t>(i)];
    entries.emplace_back("name" + Index(i), info.nick);
    entries.emplace_back("PicIndex" + Index(i),
                         HasPicIndex(info) ? std::to_string(info.PicIndex) : "");
  }
  for (int j = 0; j < kLists; ++j) {
    const auto& lines = model::ElOf("Score", "State", j).lines;
    const std::string count_key = "count" + Index(j);
    entries.emplace_back(count_key, std::to_string(lines.size()));
    for (std::size_t k = 0; k < lines.size(); ++k)
      entries.emplace_back(count_key + Index(static_cast<int>(k)), lines[k]);
  }
  // One write of the file: a key at a time would rewrite it some seventy times per game.
  ini.ReplaceIniSec(section, entries);
}

StoredSheet ReadGameRecord(int n) {
  // One read of the file: a hand-edited count may ask for thousands of lines.
  const settings::IniSection section = RecordFile().GetIniSec(Section(n));
  StoredSheet sheet;
  for (int i = 0; i < 4; ++i) {
    const auto at = static_cast<std::size_t>(i);
    sheet.names[at] = section.Get("name" + Index(i));
    sheet.pictures[at] = ReadPicIndex(section.Get("PicIndex" + Index(i)));
  }
  for (int j = 0; j < kLists; ++j) {
    const std::string count_key = "count" + Index(j);
    const std::optional<std::size_t> count = ReadCount(section.Get(count_key));
    if (!count) break;
    std::vector<std::string>& lines = sheet.lists.emplace_back();
    for (std::size_t k = 0; k < *count; ++k) {
      std::string line = section.Get(count_key + Index(static_cast<int>(k)));
      lines.push_back(line.empty() ? " " : std::move(line));
    }
  }
  return sheet;
}

}  // namespace tlj::game
