// A build without Qt Multimedia has no sound library to test.
#ifdef TLJ_QT_MULTIMEDIA

#include "desktop/qt_sound/sound_format.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "sim/temp_dir.h"
#include "tests/desktop/wave_bytes.h"

namespace tlj::desktop {
namespace {

using testing::Chunk;
using testing::PcmFormat;
using testing::PcmWave;
using testing::Riff;

TEST(SoundFormatTest, AttenuationBecomesQtsLinearVolume) {
  struct Case {
    int hundredths_db;
    double linear;
  };
  const Case cases[] = {
      {0, 1.0},       {-600, 0.501187},    // 6 dB: about half
      {-2000, 0.1},   {-3000, 0.0316228},  // the quietest level the table sets
      {-6000, 0.001}, {-9999, 0.0000101}, {kSilentLevel, 0.0},
      {-20000, 0.0},  {INT_MIN, 0.0},     {1, 1.0},  // above full volume: no amplification
      {2000, 1.0},    {INT_MAX, 1.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(LinearVolume(c.hundredths_db), c.linear, 1e-6) << c.hundredths_db;
  }
}

TEST(SoundFormatTest, OnlyAWaveFileWithItsWholeFormatChunkIsTaken) {
  const std::string format = Chunk("fmt ", PcmFormat(22050));
  const std::string data = Chunk("data", std::string(8, '\0'));
  const std::string valid = PcmWave({0, 1000, -1000, 0}, 22050);
  struct Case {
    const char* name;
    std::optional<std::string> bytes;  // none: no file at all
    bool taken;
  };
  const std::vector<Case> cases = {
      {"16-bit PCM", valid, true},
      {"a chunk before the format", Riff("WAVE", Chunk("LIST", "INFO") + format + data), true},
      {"an odd-sized chunk and its pad byte before the format",
       Riff("WAVE", Chunk("note", "odd") + format + data), true},
      {"a longer format chunk", Riff("WAVE", Chunk("fmt ", PcmFormat(8000) + "xx") + data), true},
      {"missing file", std::nullopt, false},
      {"empty file", "", false},
      {"truncated in the RIFF header", valid.substr(0, 10), false},
      {"truncated in the format chunk", valid.substr(0, 30), false},
      {"not RIFF", "RIFX" + valid.substr(4), false},
      {"RIFF but not WAVE", Riff("AVI ", format + data), false},
      {"no format chunk", Riff("WAVE", data), false},
      {"a format chunk too short", Riff("WAVE", Chunk("fmt ", PcmFormat(8000).substr(0, 14))),
       false},
  };
  const sim::TempDir dir;
  for (const Case& c : cases) {
    const std::filesystem::path file = dir.path() / (std::string(c.name) + ".wav");
    if (c.bytes) testing::WriteBytes(file, *c.bytes);
    EXPECT_EQ(HasWaveFormat(file), c.taken) << c.name;
  }
}

TEST(SoundFormatTest, AFolderIsNoWaveFile) {
  const sim::TempDir dir;
  EXPECT_FALSE(HasWaveFormat(dir.path()));
}

}  // namespace
}  // namespace tlj::desktop

#endif  // TLJ_QT_MULTIMEDIA
