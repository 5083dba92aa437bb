// The wave writer: the header the client's sound device reads, and the samples rounded and
// clamped to 16 bits.

#include "tools/soundgen/wave/wave_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "sim/temp_dir.h"
#include "tests/tools/soundgen/wave_reader.h"

namespace tlj::soundgen::wave {
namespace {

using testing::ReadBytes;
using testing::ReadWave;
using testing::WaveFile;

TEST(WaveFileTest, TheHeaderSaysPcm16BitMonoAtTheSynthesisersRate) {
  const std::vector<std::uint8_t> bytes = EncodeWave(synth::Signal(1000, 0.25));
  ASSERT_EQ(bytes.size(), kHeaderSize + 2000);
  const WaveFile wave = ReadWave(bytes);
  ASSERT_EQ(wave.error, "");
  EXPECT_EQ(wave.riff_size, bytes.size() - 8);
  EXPECT_EQ(wave.fmt_size, 16u);
  EXPECT_EQ(wave.format, 1);
  EXPECT_EQ(wave.channels, 1);
  EXPECT_EQ(wave.rate, 22050u);
  EXPECT_EQ(wave.byte_rate, 44100u);
  EXPECT_EQ(wave.block_align, 2);
  EXPECT_EQ(wave.bits, 16);
  EXPECT_EQ(wave.data_size, 2000u);
  EXPECT_EQ(wave.samples.size(), 1000u);
}

TEST(WaveFileTest, NoSamplesIsAnEmptyDataChunk) {
  const WaveFile wave = ReadWave(EncodeWave({}));
  ASSERT_EQ(wave.error, "");
  EXPECT_EQ(wave.riff_size, 36u);
  EXPECT_EQ(wave.data_size, 0u);
}

struct SampleCase {
  double in;
  std::int16_t out;
  friend void PrintTo(const SampleCase& c, std::ostream* out) { *out << c.in << " as " << c.out; }
};

class WaveSampleTest : public ::testing::TestWithParam<SampleCase> {};

TEST_P(WaveSampleTest, IsRoundedToSixteenBitsWithinFullScale) {
  const WaveFile wave = ReadWave(EncodeWave({GetParam().in}));
  ASSERT_EQ(wave.samples.size(), 1u);
  EXPECT_EQ(wave.samples[0], GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Levels, WaveSampleTest,
                         ::testing::Values(SampleCase{0.0, 0}, SampleCase{1.0, 32767},
                                           SampleCase{-1.0, -32767}, SampleCase{0.5, 16384},
                                           SampleCase{-0.5, -16384}, SampleCase{1e-6, 0},
                                           SampleCase{-1e-4, -3},
                                           // Beyond full scale: clamped, not wrapped round.
                                           SampleCase{1.7, 32767}, SampleCase{-3.0, -32767}));

TEST(WaveFileTest, WritesTheEncodedBytesAndNoPartialFile) {
  const sim::TempDir dir;
  const synth::Signal samples = {0.0, 0.5, -0.5, 0.25};
  WriteWaveFile(dir.path() / "a.wav", samples);
  EXPECT_EQ(ReadBytes(dir.path() / "a.wav"), EncodeWave(samples));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "a.wav.part"));
}

}  // namespace
}  // namespace tlj::soundgen::wave
