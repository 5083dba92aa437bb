#pragma once
// INI files with the semantics of the private-profile functions: sections and keys unique and
// compared without regard to case, values up to 1023 characters, writes that create the file
// and the section. Text in the file is in the ANSI code page; the class takes and gives UTF-8.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tlj::settings {

// A section read once, for many lookups by the rules of GetIniKey.
class IniSection {
 public:
  // The key's value; "" for a key the section does not have.
  std::string Get(const std::string& key) const;

 private:
  friend class classIniFile;
  std::vector<std::string> lines_;  // the section's lines as the file holds them
};

class classIniFile {
 public:
  std::string INIFileName;

  std::string GetIniKey(const std::string& section, const std::string& key) const;
  // The whole section, read from the file once; empty when there is none.
  IniSection GetIniSec(const std::string& section) const;
  void WriteIniKey(const std::string& section, const std::string& key, const std::string& value);
  void DelIniKey(const std::string& section, const std::string& key);
  void DelIniSec(const std::string& section);
  // DelIniSec followed by WriteIniKey of each entry (distinct keys), as one write of the file.
  void ReplaceIniSec(const std::string& section,
                     const std::vector<std::pair<std::string, std::string>>& entries);
};

// True when listing `path` gives exactly the file `name`: `path` is either the file itself or
// the folder that holds it.
bool Is_File_Exist(const std::filesystem::path& path, const std::string& name);

}  // namespace tlj::settings
