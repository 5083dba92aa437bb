#include "core/settings/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/text/ansi.h"
#include "sim/temp_dir.h"

namespace tlj::settings {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
 protected:
  IniFileTest() { ini.INIFileName = file.string(); }

  std::string Bytes() const {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void SetBytes(const std::string& bytes) const { std::ofstream(file, std::ios::binary) << bytes; }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()));
  }

  sim::TempDir dir;
  fs::path file = dir.path() / "test.ini";
  classIniFile ini;
};

TEST_F(IniFileTest, LongValuesReadBackCutTo1023Characters) {
  for (const std::size_t length : {1023u, 1024u, 3000u}) {
    ini.WriteIniKey("s", "k", std::string(length, 'x'));
    EXPECT_EQ(ini.GetIniKey("s", "k"), std::string(1023, 'x')) << length;
  }
}

TEST_F(IniFileTest, CutNeverSplitsADoubleByteCharacter) {
  std::string chinese;
  for (int i = 0; i < 600; ++i) chinese += "好";  // two bytes each in the file
  ini.WriteIniKey("s", "k", chinese);
  const std::string read = ini.GetIniKey("s", "k");
  EXPECT_EQ(read, chinese.substr(0, 511 * std::string("好").size()));
}

TEST_F(IniFileTest, BlanksAroundTheValueAreDroppedButBlanksAtTheCutStay) {
  struct Case {
    std::string written, read;
  };
  const Case cases[] = {
      {"  abc", "abc"}, {"abc  ", "abc"},
      {"\tabc", "abc"}, {"a  b", "a  b"},
      {"   ", ""},      {std::string(1020, 'x') + "   yyy", std::string(1020, 'x') + "   "},
  };
  for (const Case& c : cases) {
    ini.WriteIniKey("s", "k", c.written);
    EXPECT_EQ(ini.GetIniKey("s", "k"), c.read) << "[" << c.written.substr(0, 10) << "]";
  }
}

TEST_F(IniFileTest, ReadingWhatIsMissingGivesEmptyAndCreatesNothing) {
  EXPECT_EQ(ini.GetIniKey("vidiosetting", "vidiovalue"), "");
  EXPECT_FALSE(fs::exists(file));

  const std::string content = "[a]\r\nk=1\r\n";
  SetBytes(content);
  EXPECT_EQ(ini.GetIniKey("b", "k"), "");
  EXPECT_EQ(ini.GetIniKey("a", "other"), "");
  EXPECT_EQ(Bytes(), content);
}

TEST_F(IniFileTest, DeletingWhatIsMissingChangesNothing) {
  ini.DelIniSec("a");
  ini.DelIniKey("a", "k");
  EXPECT_FALSE(fs::exists(file));

  const std::string content = "; kept\r\n[a]\r\nk=v\r\n\r\n[b]\r\nx=1";  // no final line end
  SetBytes(content);
  ini.DelIniSec("zz");
  ini.DelIniKey("a", "zz");
  ini.DelIniKey("zz", "k");
  EXPECT_EQ(Bytes(), content);
}

TEST_F(IniFileTest, WritingIntoAMissingFileCreatesItWithTheOneKey) {
  ini.WriteIniKey("vidiosetting", "vidiovalue", "1");
  EXPECT_EQ(Bytes(), "[vidiosetting]\r\nvidiovalue=1\r\n");
  EXPECT_EQ(FilesInFolder(), 1u);  // nothing left over from the write
}

TEST_F(IniFileTest, WritingIntoAMissingFolderFailsQuietly) {
  ini.INIFileName = (dir.path() / "missing" / "test.ini").string();
  ini.WriteIniKey("s", "k", "v");
  EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(IniFileTest, SectionsAndKeysMatchWithoutRegardToCase) {
  ini.WriteIniKey("Chat1", "NUM", "3");
  ini.WriteIniKey("CHAT1", "num", "4");
  EXPECT_EQ(ini.GetIniKey("chat1", "Num"), "4");
  EXPECT_EQ(Bytes(), "[Chat1]\r\nnum=4\r\n");
}

TEST_F(IniFileTest, DoubleByteNamesDifferingInATrailByteAreDifferentNames) {
  // GBK 81 41 and 81 61: trail bytes that look like 'A' and 'a'.
  const std::string upper = text::AnsiToUtf8("\x81\x41");
  const std::string lower = text::AnsiToUtf8("\x81\x61");
  ini.WriteIniKey("s", upper, "1");
  ini.WriteIniKey("s", lower, "2");
  EXPECT_EQ(ini.GetIniKey("s", upper), "1");
  EXPECT_EQ(ini.GetIniKey("s", lower), "2");
}

TEST_F(IniFileTest, ChineseTextIsKeptInGbk) {
  ini.WriteIniKey("聊天", "昵称", "你好");
  EXPECT_EQ(Bytes(), "[\xC1\xC4\xCC\xEC]\r\n\xEA\xC7\xB3\xC6=\xC4\xE3\xBA\xC3\r\n");
  EXPECT_EQ(ini.GetIniKey("聊天", "昵称"), "你好");
}

TEST_F(IniFileTest, LineBreakInAValueCannotMakeAKey) {
  ini.WriteIniKey("s", "k", "x\r\nevil=1");
  EXPECT_EQ(ini.GetIniKey("s", "evil"), "");
  EXPECT_EQ(ini.GetIniKey("s", "k"), "x  evil=1");
}

TEST_F(IniFileTest, ReadsHandWrittenFiles) {
  SetBytes(
      "; quick phrases\n"
      "\n"
      "[ chat1 ]\n"
      "num = 2\n"
      "just text\n"
      "1=\xC4\xE3\xBA\xC3\n"
      ";2=commented out\n"
      "2 =  bye \n"
      "\n"
      "[chat2]\r\n"
      "num=0");
  struct Case {
    const char* section;
    const char* key;
    std::string value;
  };
  const Case cases[] = {
      {"chat1", "num", "2"},      {"chat1", "1", "你好"},       {"chat1", "2", "bye"},
      {"chat1", "just text", ""}, {"chat1", ";2", ""},          {"chat2", "num", "0"},
      {"chat2", "1", ""},         {"quick phrases", "num", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ini.GetIniKey(c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST_F(IniFileTest, WritesChangeOnlyTheirOwnLineAndKeepTheLineEnds) {
  SetBytes("; top\r\n[a]\r\nk=1\r\n\r\n[b]\r\nx=2\r\n");
  ini.WriteIniKey("a", "n", "5");
  EXPECT_EQ(Bytes(), "; top\r\n[a]\r\nk=1\r\nn=5\r\n\r\n[b]\r\nx=2\r\n");
  ini.WriteIniKey("b", "x", "3");
  EXPECT_EQ(Bytes(), "; top\r\n[a]\r\nk=1\r\nn=5\r\n\r\n[b]\r\nx=3\r\n");

  SetBytes("[a]\nk=1\n");
  ini.WriteIniKey("c", "k", "2");
  EXPECT_EQ(Bytes(), "[a]\nk=1\n[c]\nk=2\n");
}

TEST_F(IniFileTest, DeletesRemoveAKeyOrAWholeSection) {
  SetBytes("[a]\r\nk=1\r\nm=2\r\n[b]\r\nx=3\r\n");
  ini.DelIniKey("A", "K");
  EXPECT_EQ(Bytes(), "[a]\r\nm=2\r\n[b]\r\nx=3\r\n");
  ini.DelIniSec("a");
  EXPECT_EQ(Bytes(), "[b]\r\nx=3\r\n");
  EXPECT_EQ(ini.GetIniKey("a", "m"), "");
}

TEST_F(IniFileTest, ReplacingASectionDropsEveryCopyAndKeepsTheOthers) {
  SetBytes("[g]\r\nold=1\r\n[b]\r\nx=3\r\n[G]\r\nold=2\r\n");
  ini.ReplaceIniSec("g", {{"k", "v"}, {"", "ignored"}, {"line", "a\nb"}});
  EXPECT_EQ(Bytes(), "[b]\r\nx=3\r\n[g]\r\nk=v\r\nline=a b\r\n");
  EXPECT_EQ(ini.GetIniKey("g", "old"), "");
  EXPECT_EQ(ini.GetIniKey("b", "x"), "3");
}

TEST(IsFileExistTest, FindsExactlyTheNamedFile) {
  sim::TempDir dir;
  std::ofstream(dir.path() / "vidiosetting.ini") << "[vidiosetting]\r\n";
  fs::create_directory(dir.path() / "sub");
  struct Case {
    fs::path path;
    const char* name;
    bool exists;
  };
  const Case cases[] = {
      {dir.path() / "vidiosetting.ini", "vidiosetting.ini", true},
      {dir.path(), "vidiosetting.ini", true},
      {dir.path(), "VIDIOSETTING.INI", false},
      {dir.path() / "vidiosetting.ini", "info.xh", false},
      {dir.path(), "info.xh", false},
      {dir.path() / "info.xh", "info.xh", false},
      {dir.path(), "sub", false},
      {dir.path() / "sub", "sub", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Is_File_Exist(c.path, c.name), c.exists) << c.path << " " << c.name;
}

}  // namespace
}  // namespace tlj::settings
