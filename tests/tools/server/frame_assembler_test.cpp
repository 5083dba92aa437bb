// Cutting a byte stream into frames, however the stream arrives split.

#include "tools/server/frame_assembler.h"

#include <gtest/gtest.h>

#include <numeric>
#include <ostream>
#include <vector>

namespace tlj::server {
namespace {

// Three frames' worth of bytes and a bit: every byte tells where in the stream it was.
std::vector<std::uint8_t> Stream() {
  std::vector<std::uint8_t> bytes(3 * net::kFrameSize + 100);
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
  return bytes;
}

struct Split {
  const char* name;
  std::vector<std::size_t> chunks;  // sizes; what is left arrives as the last chunk
  friend void PrintTo(const Split& split, std::ostream* out) { *out << split.name; }
};

class FrameAssemblerTest : public ::testing::TestWithParam<Split> {};

TEST_P(FrameAssemblerTest, FramesFollowFromCountingBytes) {
  const auto stream = Stream();
  FrameAssembler assembler;
  std::vector<Frame> frames;
  std::size_t at = 0;
  auto chunks = GetParam().chunks;
  chunks.push_back(stream.size() - std::accumulate(chunks.begin(), chunks.end(), std::size_t{0}));
  for (const std::size_t size : chunks) {
    for (const Frame& f : assembler.Add(std::span(stream).subspan(at, size))) frames.push_back(f);
    at += size;
  }

  ASSERT_EQ(frames.size(), 3u);
  for (std::size_t k = 0; k < frames.size(); ++k) {
    EXPECT_TRUE(std::equal(frames[k].begin(), frames[k].end(),
                           stream.begin() + static_cast<long>(k * net::kFrameSize)))
        << "frame " << k;
  }
  EXPECT_EQ(assembler.Pending(), 100u);
}

std::vector<std::size_t> OneByteAtATime() {
  return std::vector<std::size_t>(3 * net::kFrameSize + 99, 1);
}

INSTANTIATE_TEST_SUITE_P(Splits, FrameAssemblerTest,
                         ::testing::Values(Split{"AllAtOnce", {}},
                                           Split{"OneByteAtATime", OneByteAtATime()},
                                           Split{"EndsOnFrameBoundaries", {272, 272, 272}},
                                           Split{"OneShortThenOneOver", {271, 2, 543}},
                                           Split{"EmptyChunksBetween", {0, 300, 0, 0, 400}},
                                           Split{"TwoAndAHalfThenRest", {680}}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tlj::server
