// classIniFile on a file of arbitrary contents: every read the client makes of its local files,
// then each kind of write, each checked by reading back what it wrote.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "core/settings/ini_file.h"
#include "sim/temp_dir.h"

namespace {

using tlj::settings::classIniFile;

struct Name {
  const char* section;
  const char* key;
};

// The sections and keys of the client's own files (the settings, the phrase file, the record
// file), in other letter cases, and in Chinese.
constexpr Name kNames[] = {
    {"vidiosetting", "vidiovalue"},
    {"VidioSetting", "VIDIOVALUE"},
    {"chat1", "num"},
    {"chat2", "1"},
    {"juNum:1", "name( 0 )"},
    {"juNum:1", "count( 0 )( 0 )"},
    {"聊天", "第一"},
};

void Require(bool holds, const char* what, const Name& name) {
  if (holds) return;
  std::fprintf(stderr, "ini file: %s [%s] %s\n", what, name.section, name.key);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const tlj::sim::TempDir dir;
  const auto path = dir.path() / "fuzz.ini";
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  classIniFile ini;
  ini.INIFileName = path.string();

  for (const Name& name : kNames) {
    ini.GetIniKey(name.section, name.key);
    ini.GetIniSec(name.section).Get(name.key);
  }
  const Name& first = kNames[0];
  ini.WriteIniKey(first.section, first.key, "好 1");
  Require(ini.GetIniKey(first.section, first.key) == "好 1", "written key not read back", first);
  const Name& second = kNames[2];
  ini.DelIniKey(second.section, second.key);
  Require(ini.GetIniKey(second.section, second.key).empty(), "deleted key still read", second);
  const Name& record = kNames[4];
  const std::vector<std::pair<std::string, std::string>> entries = {{record.key, "abc"},
                                                                    {"PicIndex( 0 )", "3"}};
  ini.ReplaceIniSec(record.section, entries);
  Require(ini.GetIniKey(record.section, record.key) == "abc", "replaced section not read", record);
  ini.DelIniSec(record.section);
  Require(ini.GetIniKey(record.section, record.key).empty(), "deleted section still read", record);
  return 0;
}
