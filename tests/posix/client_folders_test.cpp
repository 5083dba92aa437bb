// Where the client keeps its local files and finds its sounds: beside the program in a build,
// in the user's data folder when installed or when the program folder is read-only.

#include "posix/client_folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

#include "core/platform/services.h"
#include "core/view/sound.h"
#include "sim/temp_dir.h"
#include "tools/common/whole_file.h"

namespace tlj::posix {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

unsigned Mode(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// The layouts the folder of a program can sit in, under one temporary root.
class FoldersTest : public ::testing::Test {
 protected:
  FoldersTest() : saved_(platform::Sys()) {}
  ~FoldersTest() override { platform::Sys() = saved_; }

  // A build: the programs and the phrase file in bin/, the sounds in common/ beside it.
  fs::path Build() {
    WriteFile(Root() / "build/bin/chat.txt", "built phrases");
    fs::create_directories(Root() / "build/common/music");
    return Root() / "build/bin";
  }
  // An installation under usr/: the programs in bin/, the data in share/tlj/.
  fs::path Installed() {
    fs::create_directories(Root() / "usr/bin");
    WriteFile(Root() / "usr/share/tlj/chat.txt", "shipped phrases");
    fs::create_directories(Root() / "usr/share/tlj/common/music");
    return Root() / "usr/bin";
  }
  FolderSituation Situation(const fs::path& program) const {
    return {.app_dir = "",
            .program = program,
            .program_writable = true,
            .xdg_data_home = (Root() / "xdg").string(),
            .home = (Root() / "home").string()};
  }
  ClientFolders Prepare(const FolderSituation& situation) {
    errors.str("");
    return PrepareClientFolders(situation, errors);
  }
  const fs::path& Root() const { return root_.path(); }

  std::ostringstream errors;

 private:
  sim::TempDir root_;
  platform::Services saved_;
};

enum class Layout { kBuild, kInstalled, kBinWithoutShare, kShareAndCommon, kShareNotBesideBin };

struct LayoutCase {
  const char* name;
  Layout layout;
  bool writable;
  const char* app_dir;        // TLJ_APP_DIR, under the root; "" when unset
  const char* xdg_data_home;  // "" unset; "-": a relative value; else a folder under the root
  const char* local;          // the folder of the local files, from the root
  const char* sound_path;     // the event sounds' folder the client builds, from the root
  friend void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }
};

class FolderLayoutTest : public FoldersTest, public ::testing::WithParamInterface<LayoutCase> {
 protected:
  fs::path Program(Layout layout) {
    switch (layout) {
      case Layout::kBuild:
        return Build();
      case Layout::kInstalled:
        return Installed();
      case Layout::kBinWithoutShare:
        fs::create_directories(Root() / "opt/bin");
        return Root() / "opt/bin";
      case Layout::kShareAndCommon:
        fs::create_directories(Root() / "mixed/bin");
        fs::create_directories(Root() / "mixed/share/tlj");
        fs::create_directories(Root() / "mixed/common");
        return Root() / "mixed/bin";
      case Layout::kShareNotBesideBin:
        fs::create_directories(Root() / "lib/libexec");
        fs::create_directories(Root() / "lib/share/tlj");
        return Root() / "lib/libexec";
    }
    return {};
  }
};

TEST_P(FolderLayoutTest, LocalFilesAndSoundsGoWhereTheLayoutSays) {
  const LayoutCase& c = GetParam();
  FolderSituation situation = Situation(Program(c.layout));
  situation.program_writable = c.writable;
  if (*c.app_dir != '\0') situation.app_dir = (Root() / c.app_dir).string();
  if (std::string(c.xdg_data_home) == "-") {
    situation.xdg_data_home = "relative/data";
  } else if (*c.xdg_data_home != '\0') {
    situation.xdg_data_home = (Root() / c.xdg_data_home).string();
  } else {
    situation.xdg_data_home.clear();
  }

  const ClientFolders folders = Prepare(situation);
  EXPECT_EQ(folders.local, Root() / c.local);
  EXPECT_EQ(errors.str(), "");
  // The user's data folder is made only where it is used.
  EXPECT_EQ(fs::exists(Root() / "xdg"), std::string(c.local).starts_with("xdg/"));
  EXPECT_EQ(fs::exists(Root() / "home"), std::string(c.local).starts_with("home/"));

  platform::Sys().app_dir = folders.local;
  platform::Sys().sound_root = folders.sounds;
  view::BuildSoundTable();
  EXPECT_EQ(view::g_sSoundPath, (Root() / c.sound_path).string() + "/");
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FolderLayoutTest,
    ::testing::Values(
        // A build keeps everything beside the program, as it always has.
        LayoutCase{"Build", Layout::kBuild, true, "", "xdg", "build/bin",
                   "build/bin/../common/tlj"},
        LayoutCase{"AppDirNamed", Layout::kInstalled, true, "mine", "xdg", "mine",
                   "mine/../common/tlj"},
        // Installed: root may write to the program folder, and the layout still says installed.
        LayoutCase{"InstalledWritable", Layout::kInstalled, true, "", "xdg", "xdg/tlj",
                   "usr/share/tlj/common/tlj"},
        LayoutCase{"InstalledReadOnly", Layout::kInstalled, false, "", "xdg", "xdg/tlj",
                   "usr/share/tlj/common/tlj"},
        LayoutCase{"InstalledWithoutXdg", Layout::kInstalled, true, "", "", "home/.local/share/tlj",
                   "usr/share/tlj/common/tlj"},
        LayoutCase{"RelativeXdgIgnored", Layout::kInstalled, true, "", "-", "home/.local/share/tlj",
                   "usr/share/tlj/common/tlj"},
        // A build the user may not write to: the files move, the sounds stay where they are.
        LayoutCase{"ReadOnlyBuild", Layout::kBuild, false, "", "xdg", "xdg/tlj",
                   "build/bin/../common/tlj"},
        LayoutCase{"BinWithoutShare", Layout::kBinWithoutShare, true, "", "xdg", "opt/bin",
                   "opt/bin/../common/tlj"},
        LayoutCase{"ShareAndCommonBesideBin", Layout::kShareAndCommon, true, "", "xdg", "mixed/bin",
                   "mixed/bin/../common/tlj"},
        LayoutCase{"ShareNotBesideBin", Layout::kShareNotBesideBin, true, "", "xdg", "lib/libexec",
                   "lib/libexec/../common/tlj"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(FoldersTest, TheShippedDefaultsAreCopiedOnceAndNeverOverTheUsersOwn) {
  const FolderSituation situation = Situation(Installed());
  const fs::path data = Root() / "xdg/tlj";

  ASSERT_EQ(Prepare(situation).local, data);
  EXPECT_EQ(tools::ReadWholeFile(data / "chat.txt"), "shipped phrases");
  EXPECT_FALSE(fs::exists(data / "vidiosetting.ini")) << "none shipped, none made";

  WriteFile(data / "chat.txt", "the user's phrases");
  WriteFile(Root() / "usr/share/tlj/chat.txt", "newer shipped phrases");
  WriteFile(Root() / "usr/share/tlj/vidiosetting.ini", "[shipped]");
  ASSERT_EQ(Prepare(situation).local, data);
  EXPECT_EQ(tools::ReadWholeFile(data / "chat.txt"), "the user's phrases");
  EXPECT_EQ(tools::ReadWholeFile(data / "vidiosetting.ini"), "[shipped]");
  EXPECT_EQ(errors.str(), "");
}

TEST_F(FoldersTest, AReadOnlyBuildCopiesThePhrasesFromBesideTheProgram) {
  FolderSituation situation = Situation(Build());
  situation.program_writable = false;
  EXPECT_EQ(Prepare(situation).local, Root() / "xdg/tlj");
  EXPECT_EQ(tools::ReadWholeFile(Root() / "xdg/tlj/chat.txt"), "built phrases");
}

TEST_F(FoldersTest, TheFoldersItMakesAreTheUsersAlone) {
  FolderSituation situation = Situation(Installed());
  fs::create_directories(Root() / "xdg");
  fs::permissions(Root() / "xdg", fs::perms(0755));
  situation.xdg_data_home = (Root() / "xdg/data/deeper").string();
  ASSERT_EQ(Prepare(situation).local, Root() / "xdg/data/deeper/tlj");
  EXPECT_EQ(Mode(Root() / "xdg"), 0755u) << "a folder that was there stays as it was";
  for (const char* made : {"xdg/data", "xdg/data/deeper", "xdg/data/deeper/tlj"})
    EXPECT_EQ(Mode(Root() / made), 0700u) << made;
}

struct ProblemCase {
  const char* name;
  Layout layout;              // kBuild (read-only) or kInstalled
  const char* xdg_data_home;  // "" unset; "file": a regular file stands in the way
  const char* home;           // "" unset
  const char* message;        // the start of the one line on standard error
  const char* local;          // where the client reads its files instead, from the root
  friend void PrintTo(const ProblemCase& c, std::ostream* out) { *out << c.name; }
};

class FolderProblemTest : public FoldersTest, public ::testing::WithParamInterface<ProblemCase> {};

// The client goes on: it reads what was shipped, and its sounds are where they were.
TEST_P(FolderProblemTest, IsReportedOnceAndTheClientReadsWhatWasShipped) {
  const ProblemCase& c = GetParam();
  FolderSituation situation = Situation(c.layout == Layout::kBuild ? Build() : Installed());
  situation.program_writable = c.layout != Layout::kBuild;
  WriteFile(Root() / "file", "not a folder");
  situation.xdg_data_home = *c.xdg_data_home == '\0' ? "" : (Root() / c.xdg_data_home).string();
  situation.home = *c.home == '\0' ? "" : (Root() / c.home).string();

  const ClientFolders folders = Prepare(situation);
  EXPECT_EQ(folders.local, Root() / c.local);
  const std::string said = errors.str();
  EXPECT_TRUE(said.starts_with(std::string("tlj: ") + c.message)) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_TRUE(said.ends_with("the local files are read from " + (Root() / c.local).string() + "\n"))
      << said;
  EXPECT_TRUE(fs::exists(folders.sounds / "music")) << folders.sounds;
}

INSTANTIATE_TEST_SUITE_P(
    Problems, FolderProblemTest,
    ::testing::Values(ProblemCase{"NoHome", Layout::kInstalled, "", "",
                                  "neither XDG_DATA_HOME nor HOME names a folder", "usr/share/tlj"},
                      ProblemCase{"DataFolderUnderAFile", Layout::kInstalled, "file", "",
                                  "cannot create " /* ROOT/file/tlj: Not a directory */,
                                  "usr/share/tlj"},
                      ProblemCase{"HomeIsAFile", Layout::kInstalled, "", "file", "cannot create ",
                                  "usr/share/tlj"},
                      ProblemCase{"ReadOnlyBuildWithoutHome", Layout::kBuild, "", "",
                                  "neither XDG_DATA_HOME nor HOME names a folder", "build/bin"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(InstalledDataFolderTest, IsFoundWithOrWithoutATrailingSlash) {
  sim::TempDir root;
  fs::create_directories(root.path() / "usr/bin");
  fs::create_directories(root.path() / "usr/share/tlj");
  EXPECT_EQ(InstalledDataFolder(root.path() / "usr/bin"), root.path() / "usr/share/tlj");
  EXPECT_EQ(InstalledDataFolder((root.path() / "usr/bin").string() + "/"),
            root.path() / "usr/share/tlj");
  EXPECT_EQ(InstalledDataFolder(root.path() / "usr"), fs::path());
}

}  // namespace
}  // namespace tlj::posix
