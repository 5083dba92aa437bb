// The sounds: the generator writes every file the client plays and nothing else, the same bytes
// on every run; the files the build wrote are wave files of the right format, length and level,
// the loop joins its end to its start, and the voices have a man's and a woman's pitch.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "sim/temp_dir.h"
#include "tests/tools/soundgen/wave_reader.h"
#include "tools/server/profile.h"
#include "tools/soundgen/sounds/catalogue.h"
#include "tools/soundgen/sounds/write_all.h"

namespace tlj::soundgen::sounds {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ReadWave;
using testing::WaveFile;

constexpr double kFullScale = 32767.0;

struct Expected {
  std::string path;  // under the common folder
  double min_seconds, max_seconds;
  friend void PrintTo(const Expected& c, std::ostream* out) { *out << c.path; }
};

// Every file the client names, with how long it may plausibly last; the loop first.
const std::string kLoop = "music/majiang.wav";
const std::vector<Expected> kFiles = {
    {kLoop, 4.0, 15.0},
    {"music/tishi.wav", 0.05, 0.4},
    {"music/dapai.wav", 0.05, 1.0},
    {"music/qupai.wav", 0.05, 1.0},
    {"music/xipai.wav", 0.2, 2.0},
    {"music/zhise.wav", 0.2, 2.0},
    {"tlj/coin_move.wav", 0.1, 1.5},
    {"tlj/giveup.wav", 0.1, 1.5},
    {"tlj/deliver_card.wav", 0.05, 0.6},
    {"tlj/kanpai.wav", 0.05, 0.8},
    {"tlj/victory.wav", 0.5, 3.0},
    {"tlj/vs_win.wav", 0.2, 2.0},
    {"tlj/vs_lost.wav", 0.2, 2.0},
    {"beiling/v000110a0.wav", 0.5, 2.0},
    {"beiling/v000100a0.wav", 0.5, 2.0},
};
const std::vector<Expected> kOneShots(kFiles.begin() + 1, kFiles.end());

// The common folder the build's run of tlj-soundgen wrote, beside the programs' folder.
fs::path BuiltCommonDir() {
  const char* bin = std::getenv("TLJ_BIN_DIR");
  return bin == nullptr ? fs::path() : fs::path(bin) / ".." / "common";
}

std::set<std::string> FilesUnder(const fs::path& dir) {
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir))
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), dir).generic_string());
  return files;
}

// The files the build wrote: what the client plays.
class BuiltSoundsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(std::getenv("TLJ_BIN_DIR") == nullptr)
        << "TLJ_BIN_DIR must name the programs' folder";
  }
  static WaveFile Read(const std::string& path) {
    return ReadWave(ReadBytes(BuiltCommonDir() / path));
  }
};

TEST(SoundsTest, WritesEveryFileTheClientNamesAndNothingElse) {
  const sim::TempDir output;
  const std::vector<fs::path> written = WriteAll(output.path());
  std::set<std::string> expected;
  for (const Expected& file : kFiles) expected.insert(file.path);
  std::set<std::string> reported;
  for (const fs::path& file : written)
    reported.insert(fs::relative(file, output.path()).generic_string());
  EXPECT_EQ(reported, expected);
  EXPECT_EQ(FilesUnder(output.path()), expected);
}

TEST_F(BuiltSoundsTest, AnotherRunWritesTheSameBytes) {
  const sim::TempDir again;
  WriteAll(again.path());
  ASSERT_EQ(FilesUnder(again.path()), FilesUnder(BuiltCommonDir()));
  for (const std::string& file : FilesUnder(again.path()))
    EXPECT_TRUE(ReadBytes(again.path() / file) == ReadBytes(BuiltCommonDir() / file))
        << file << " differs";
}

TEST_F(BuiltSoundsTest, TheyTakeLittleRoomTogether) {
  std::uintmax_t total = 0;
  for (const std::string& file : FilesUnder(BuiltCommonDir()))
    total += fs::file_size(BuiltCommonDir() / file);
  EXPECT_LT(total, 2'000'000u);
}

// Named after the file, so that a failure says which sound it is.
std::string FileName(const ::testing::TestParamInfo<Expected>& test) {
  return fs::path(test.param.path).stem().string();
}

class SoundFileTest : public BuiltSoundsTest, public ::testing::WithParamInterface<Expected> {};

TEST_P(SoundFileTest, IsPcm16BitMonoAtTheClientsRateWithAPlausibleLength) {
  const WaveFile wave = Read(GetParam().path);
  ASSERT_EQ(wave.error, "");
  EXPECT_EQ(wave.format, 1);
  EXPECT_EQ(wave.channels, 1);
  EXPECT_EQ(wave.rate, 22050u);
  EXPECT_EQ(wave.bits, 16);
  EXPECT_EQ(wave.block_align, 2);
  EXPECT_EQ(wave.byte_rate, 44100u);
  EXPECT_EQ(wave.data_size, 2 * wave.samples.size());
  EXPECT_EQ(wave.riff_size, 36 + wave.data_size);
  const double seconds = static_cast<double>(wave.samples.size()) / 22050.0;
  EXPECT_GE(seconds, GetParam().min_seconds);
  EXPECT_LE(seconds, GetParam().max_seconds);
}

TEST_P(SoundFileTest, IsClearlyAudibleAndNeverClips) {
  const WaveFile wave = Read(GetParam().path);
  int peak = 0;
  for (std::int16_t sample : wave.samples) peak = std::max(peak, std::abs(int{sample}));
  EXPECT_GE(peak, 0.3 * kFullScale);
  EXPECT_LE(peak, 0.95 * kFullScale);
}

INSTANTIATE_TEST_SUITE_P(Files, SoundFileTest, ::testing::ValuesIn(kFiles), FileName);

using OneShotTest = SoundFileTest;

TEST_P(OneShotTest, StartsAndEndsInSilenceSoThatItDoesNotClick) {
  const WaveFile wave = Read(GetParam().path);
  ASSERT_FALSE(wave.samples.empty());
  EXPECT_LE(std::abs(int{wave.samples.front()}), 0.01 * kFullScale);
  EXPECT_LE(std::abs(int{wave.samples.back()}), 0.01 * kFullScale);
}

INSTANTIATE_TEST_SUITE_P(Files, OneShotTest, ::testing::ValuesIn(kOneShots), FileName);

double Rms(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
  double energy = 0.0;
  for (std::size_t i = from; i < to; ++i) energy += static_cast<double>(samples[i]) * samples[i];
  return std::sqrt(energy / static_cast<double>(to - from));
}

TEST_F(BuiltSoundsTest, TheBackgroundLoopJoinsItsEndToItsStartWithoutAStep) {
  const std::vector<std::int16_t> loop = Read(kLoop).samples;
  ASSERT_GT(loop.size(), 22050u);
  double steps = 0.0;
  for (std::size_t i = 1; i < loop.size(); ++i) steps += std::abs(loop[i] - loop[i - 1]);
  const double mean_step = steps / static_cast<double>(loop.size() - 1);
  EXPECT_LE(std::abs(loop.front() - loop.back()), 3.0 * mean_step);
}

TEST_F(BuiltSoundsTest, TheBackgroundLoopKeepsItsLevelAcrossTheJoin) {
  // A loop that fades out and in again would join without a step, but with a gap.
  const std::vector<std::int16_t> loop = Read(kLoop).samples;
  const std::size_t edge = 22050 / 20;
  ASSERT_GT(loop.size(), 2 * edge);
  const double whole = Rms(loop, 0, loop.size());
  EXPECT_GE(Rms(loop, 0, edge), 0.3 * whole);
  EXPECT_GE(Rms(loop, loop.size() - edge, loop.size()), 0.3 * whole);
}

// The pitch of the voice from `start` on, by the first lag whose autocorrelation comes close
// to the best between 60 and 400 Hz, so that a period twice as long does not win.
double PitchAt(const std::vector<std::int16_t>& samples, std::size_t start) {
  constexpr std::size_t kWindow = 1024;
  const std::size_t min_lag = 22050 / 400, max_lag = 22050 / 60;
  std::vector<double> correlation(max_lag + 1, 0.0);
  for (std::size_t lag = min_lag; lag <= max_lag; ++lag) {
    double product = 0.0, energy_a = 0.0, energy_b = 0.0;
    for (std::size_t i = start; i < start + kWindow; ++i) {
      const double a = samples[i], b = samples[i + lag];
      product += a * b;
      energy_a += a * a;
      energy_b += b * b;
    }
    correlation[lag] = product / std::sqrt(energy_a * energy_b + 1.0);
  }
  const double best = *std::max_element(correlation.begin(), correlation.end());
  for (std::size_t lag = min_lag; lag <= max_lag; ++lag)
    if (correlation[lag] >= 0.9 * best) return 22050.0 / static_cast<double>(lag);
  return 0.0;
}

// The middle value of the pitches of the loud stretches of the clip.
double VoicePitch(const std::vector<std::int16_t>& samples) {
  std::vector<double> pitches;
  for (std::size_t start = 0; start + 1024 + 22050 / 60 < samples.size(); start += 1024) {
    if (Rms(samples, start, start + 1024) > 0.05 * kFullScale)
      pitches.push_back(PitchAt(samples, start));
  }
  if (pitches.empty()) return 0.0;
  std::nth_element(pitches.begin(), pitches.begin() + pitches.size() / 2, pitches.end());
  return pitches[pitches.size() / 2];
}

TEST_F(BuiltSoundsTest, TheMansVoiceIsLowerThanTheWomans) {
  const double male = VoicePitch(Read("beiling/v000110a0.wav").samples);
  const double female = VoicePitch(Read("beiling/v000100a0.wav").samples);
  EXPECT_GE(male, 80.0);
  EXPECT_LE(male, 160.0);
  EXPECT_GE(female, 170.0);
  EXPECT_LE(female, 300.0);
  EXPECT_LT(male * 1.4, female);
}

struct ClipCase {
  std::string voice_set, voice_kind;
  int sex;
  std::string name;
  friend void PrintTo(const ClipCase& c, std::ostream* out) { *out << c.name; }
};

class VoiceClipNameTest : public ::testing::TestWithParam<ClipCase> {};

TEST_P(VoiceClipNameTest, JoinsSetKindSexAndTheClipsLetterAndNumber) {
  EXPECT_EQ(VoiceClipName(GetParam().voice_set, GetParam().voice_kind, GetParam().sex),
            GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Names, VoiceClipNameTest,
                         ::testing::Values(ClipCase{"00", "01", 1, "v000110a0.wav"},
                                           ClipCase{"00", "01", 0, "v000100a0.wav"},
                                           ClipCase{"01", "02", 1, "v010210a0.wav"}));

TEST(VoiceSetTest, IsTheOneTheServerGivesEveryPlayer) {
  const server::Profile profile;
  EXPECT_EQ(kVoiceSet, profile.voice_set);
  EXPECT_EQ(kVoiceKind, profile.voice_kind);
}

}  // namespace
}  // namespace tlj::soundgen::sounds
