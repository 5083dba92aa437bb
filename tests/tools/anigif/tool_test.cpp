#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "sim/temp_dir.h"
#include "tests/view/anigif/pot_gif.h"

namespace tlj::view::anigif::testing {
namespace {

class ToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* bin = std::getenv("TLJ_BIN_DIR");
    ASSERT_NE(bin, nullptr) << "TLJ_BIN_DIR must name the programs' folder";
    program = std::string(bin) + "/tlj-anigif";
    gif = dir.path() / "pot.gif";
    const auto bytes = tlj::testing::BuildGif(PotGif());
    std::ofstream(gif, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }

  int Run(const std::string& arguments) {
    const int status = std::system((program + " " + arguments + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::set<std::string> Written() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "out"))
      names.insert(entry.path().filename().string());
    return names;
  }

  sim::TempDir dir;
  std::string program;
  std::filesystem::path gif;
};

// Width and height from a PNG's header chunk.
std::pair<int, int> PngSize(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<unsigned char> head(24);
  file.read(reinterpret_cast<char*>(head.data()), 24);
  const auto word = [&](int at) {
    return head[at] << 24 | head[at + 1] << 16 | head[at + 2] << 8 | head[at + 3];
  };
  EXPECT_EQ(head[1], 'P');
  return {word(16), word(20)};
}

TEST_F(ToolTest, WritesEachPaintedFrameNamedByFrameAndVirtualTime) {
  ASSERT_EQ(Run(gif.string() + " " + (dir.path() / "out").string() + " 2"), 0);
  EXPECT_EQ(Written(), (std::set<std::string>{
                           "frame01_0000000ms.png",
                           "frame02_0000500ms.png",
                           "frame03_0000700ms.png",
                           "frame01_0001700ms.png",
                           "frame02_0002200ms.png",
                           "frame03_0002400ms.png",
                       }));
  EXPECT_EQ(PngSize(dir.path() / "out" / "frame02_0000500ms.png"), (std::pair{192, 192}));
}

TEST_F(ToolTest, FailsOnAFileItCannotPlay) {
  const auto cut = dir.path() / "cut.gif";
  std::ofstream(cut) << "GIF89a";
  EXPECT_EQ(Run(cut.string() + " " + (dir.path() / "out").string()), 1);
  EXPECT_EQ(Run((dir.path() / "absent.gif").string() + " " + (dir.path() / "out").string()), 1);
  EXPECT_EQ(Run(gif.string()), 2) << "usage";
  EXPECT_EQ(Run(gif.string() + " " + (dir.path() / "out").string() + " 0"), 1);
}

}  // namespace
}  // namespace tlj::view::anigif::testing
