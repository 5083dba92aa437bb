#include "core/game/cards.h"
#include "core/model/table_state.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/sound.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

namespace tlj::testing {
namespace {

TEST(CardCodes, WireCodesSplitIntoDisplayCodes) {
  struct Case {
    std::uint32_t wire;
    int display;
  } cases[] = {
      {0x0000010E, 62},  // ace with suit bits 8, 4 and 2: the highest counts, spades
      {0x00000201, 15},  // two of diamonds
      {0x00000D04, 45},  // king of hearts
      {0x00000302, 19},  // three of clubs
  };
  for (const auto& c : cases) {
    const auto split = game::SplitCard(c.wire);
    EXPECT_EQ(game::DisplayCode(split.rank, split.suit), c.display) << std::hex << c.wire;
  }
}

using ShowCardTest = ConnectedFixture;

TEST_F(ShowCardTest, KnownCodesShowTheirPicture) {
  for (const int code : {16, 17, 18, 3, 63}) {
    game::ShowCard(4, code);
    EXPECT_EQ(h.El("imgDiPai", 4).picture, view::CardImageIds[code]) << code;
  }
  EXPECT_TRUE(h.boxes.shown.empty());
}

TEST_F(ShowCardTest, UnknownCodeIsReportedAndShowsTheLobby) {
  for (const int code : {70, 0, 2}) {
    h.boxes.shown.clear();
    h.El("imgDiPai", 11).picture.reset();
    game::ShowCard(11, code);
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].text, "接受牌错误，牌不存在 " + std::to_string(code) + "11");
    EXPECT_TRUE(h.tree.Win("MainForm").minimized);
    EXPECT_FALSE(h.El("imgDiPai", 11).picture);
  }
  EXPECT_FALSE(h.Ended());
  EXPECT_EQ(h.lobby.Received(sim::kLobbyTitle).back().wparam, platform::kScRestore);
}

TEST_F(ShowCardTest, DealingSlidesToTheSeatAndShowsFaceOrBack) {
  view::ResetTableView();
  model::g_iNextCard = 0;
  game::DealCard(2, 0, 45);
  model::g_iNextCard = 1;
  game::DealCard(2, 1, 45);
  const auto& anchor = view::CardAnchor[2];
  EXPECT_EQ(h.El("imgDiPai", 0).left, anchor.x);
  EXPECT_EQ(h.El("imgDiPai", 0).top, anchor.y);
  EXPECT_EQ(h.El("imgDiPai", 0).picture, 45);
  EXPECT_EQ(h.El("imgDiPai", 1).left, anchor.x + view::CardPitch);
  EXPECT_EQ(h.El("imgDiPai", 1).picture, game::kCardBack);
  EXPECT_GT(h.El("imgDiPai", 1).z, h.El("imgDiPai", 0).z);
}

}  // namespace
}  // namespace tlj::testing
