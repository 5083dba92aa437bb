// Random frames in random pieces from a seated player and from a stranger while games run:
// every frame is read and judged, nothing breaks, and the table's money still adds up for the
// player who plays by the rules.

#include <gtest/gtest.h>

#include <random>

#include "tests/tools/server/game_test_fixture.h"

namespace tlj::server::testing {
namespace {

// Mostly frames of the types a client sends, with plausible and implausible fields.
Frame RandomFrame(std::mt19937& random) {
  static constexpr std::uint8_t kTypes[] = {3, 3, 16, 16, 18, 19, 24, 28, 0, 29, 255};
  Frame frame{};
  const auto pick = [&](std::uint32_t n) { return static_cast<std::uint32_t>(random() % n); };
  if (pick(8) == 0) {
    for (auto& byte : frame) byte = static_cast<std::uint8_t>(random());
    return frame;
  }
  frame[3] = kTypes[pick(sizeof kTypes)];
  static constexpr std::uint8_t kSeats[] = {0, 1, 2, 4, 8, 3, 0xFF};
  frame[6] = kSeats[pick(sizeof kSeats)];
  frame[15] = static_cast<std::uint8_t>(pick(4));
  const std::uint64_t amount =
      pick(2) == 0 ? pick(1000) : (std::uint64_t{random()} << 32 | random());
  for (std::size_t k = 0; k < 8; ++k) frame[23 - k] = static_cast<std::uint8_t>(amount >> (8 * k));
  frame[32] = static_cast<std::uint8_t>(pick(3));
  if (frame[3] == 18 || frame[3] == 28) {
    // A few accounts, so that logins and reconnects sometimes fit.
    const std::string account = "fz" + std::to_string(pick(3));
    std::fill(frame.begin() + 16, frame.begin() + 48, 0);
    std::copy(account.begin(), account.end(), frame.begin() + 16);
  }
  for (std::size_t at = 260; at < 272; ++at) frame[at] = static_cast<std::uint8_t>(random());
  return frame;
}

class GameFuzzTest : public GameFixture {};

TEST_F(GameFuzzTest, RandomFramesInRandomPiecesAreJudgedAndNeverBreakTheTable) {
  StartServer();
  Person& fair = Join("abc", BetMin);
  Person& noisy = Join("def", GiveUp);
  Person& stranger = Connect("xyz");
  Advance(server->Config().bot_delay_ms);
  Ready(fair);
  Ready(noisy);

  std::mt19937 random(2024);
  int sent = 0;
  for (int round = 0; round < 3000; ++round) {
    Person& from = random() % 2 == 0 ? noisy : stranger;
    const Frame frame = RandomFrame(random);
    ++sent;
    std::span<const std::uint8_t> rest(frame);
    while (!rest.empty()) {
      const std::size_t piece = std::min<std::size_t>(rest.size(), 1 + random() % 300);
      server->Receive(from.connection, rest.first(piece));
      rest = rest.subspan(piece);
    }
    Advance(static_cast<platform::TimeMs>(random() % 3000));
  }
  Advance(3'600'000);

  const ServerStats& stats = server->Stats();
  EXPECT_GE(stats.frames, sent + 4) << "every frame read";
  EXPECT_GT(stats.ignored, 0);
  EXPECT_GT(stats.invalid, 0);
  EXPECT_GT(fair.Count(9), 0u) << "games still end";

  Referee referee(server->Config().ante);
  for (const Frame& frame : fair.frames) referee.See(frame);

  // The server still seats people.
  Person& late = Join("late");
  EXPECT_TRUE(late.frames.at(0)[15] == kLoginAccepted || late.frames.at(0)[15] == kLoginTableFull);
}

}  // namespace
}  // namespace tlj::server::testing
