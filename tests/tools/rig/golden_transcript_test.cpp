// One whole game with a fixed deal, compared line by line with the transcript kept beside this
// test: what the server saw happen at the table and what the user did. Any change in the
// client's handling, the policy or the server's play shows up as a difference to look at.
// TLJ_UPDATE_GOLDEN=1 writes the transcript anew after a change that is meant.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/common/whole_file.h"
#include "tools/rig/table_rig.h"

namespace tlj::rig {
namespace {

const std::filesystem::path kGolden =
    std::filesystem::path(TLJ_TESTS_DIR) / "tools" / "rig" / "golden_game_seed7.txt";

TEST(GoldenTranscriptTest, OneGameWithAFixedDealPlaysAsBefore) {
  server::GameConfig config;
  config.seed = 7;
  config.bot_delay_ms = 500;
  config.bot_think_ms = 300;
  TableRig rig(config);
  rig.Start();
  ASSERT_TRUE(rig.PlayUntilGame(1));

  std::string transcript = rig.transcript.str() + "-- the user\n";
  for (const std::string& action : rig.user_actions) transcript += action + "\n";
  transcript += "-- the client's score sheet\n";
  for (int pos = 0; pos < 4; ++pos) {
    transcript += rig.client.tree.El("Score", "ID", pos).caption + ":";
    for (const std::string& line : rig.client.tree.El("Score", "State", pos + 4).lines)
      transcript += " " + line;
    transcript += "\n";
  }

  if (std::getenv("TLJ_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(kGolden, std::ios::binary) << transcript;
    GTEST_SKIP() << "wrote " << kGolden;
  }
  EXPECT_EQ(transcript, tools::ReadWholeFile(kGolden))
      << "the game played differently; if that is meant, run with TLJ_UPDATE_GOLDEN=1";
}

}  // namespace
}  // namespace tlj::rig
