#include <gtest/gtest.h>

#include <fstream>

#include "sim/temp_dir.h"
#include "tests/view/anigif/control_fixture.h"

namespace tlj::view::anigif::testing {
namespace {

class FileLoadTest : public ControlTest {
 protected:
  std::filesystem::path Write(const char* name, const std::vector<std::uint8_t>& bytes) {
    const auto path = dir.path() / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  sim::TempDir dir;
};

TEST_F(FileLoadTest, AnExistingFileLoadsWhole) {
  const auto path = Write("pot.gif", BuildGif(Frames({10, 10, 10})));
  EXPECT_TRUE(control.LoadAnimatedGIF_File(path));
  EXPECT_EQ(control.FrameCount(), 3);
}

TEST_F(FileLoadTest, AMissingFileLoadsNothingAndLeavesTheAnimation) {
  ASSERT_TRUE(Load(Frames({10, 10})));
  EXPECT_FALSE(control.LoadAnimatedGIF_File(dir.path() / "absent.gif"));
  EXPECT_EQ(control.LastError().text, "File not found");
  EXPECT_EQ(control.FrameCount(), 2);
  EXPECT_FALSE(control.LoadAnimatedGIF_File(dir.path())) << "a folder is no file";
}

TEST_F(FileLoadTest, ADamagedFileLeavesTheControlEmpty) {
  const auto path = Write("cut.gif", {'G', 'I', 'F', '8', '9', 'a', 1});
  ASSERT_TRUE(Load(Frames({10, 10})));
  EXPECT_FALSE(control.LoadAnimatedGIF_File(path));
  EXPECT_EQ(control.FrameCount(), 0);
}

}  // namespace
}  // namespace tlj::view::anigif::testing
