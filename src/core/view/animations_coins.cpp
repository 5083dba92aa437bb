#include "core/view/animations_coins.h"

#include "core/model/elements.h"
#include "core/platform/services.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/random.h"

namespace tlj::view {
namespace coins {
namespace {

constexpr int kFrames = 20;

// By screen position: 0 the local player at the bottom, 1..3 across the top from left to right.
constexpr SeatPath kPaths[] = {
    {499, 488, true, -1, 499, 628, 478, -35, 34, -25, 25, -10, -5},
    {192, 344, false, +1, 52, 344, 202, -25, 25, -25, 25, -5, 5},
    {499, 208, true, +1, 499, 68, 218, -35, 34, -25, 25, -5, 5},
    {784, 344, false, -1, 924, 344, 774, -25, 25, -25, 25, -5, 5},
};

int CoinPicture(int denomination, int frame) {
  switch (denomination) {
    case 1:
      return CoinImageId1;
    case 5:
      return CoinFrames5[frame];
    case 10:
      return CoinFrames10[frame];
    case 20:
      return CoinFrames20[frame];
    case 50:
      return CoinFrames50[frame];
    case 100:
      return CoinFrames100[frame];
    case 500:
      return CoinImageId500;
    default:
      return 0;
  }
}

}  // namespace

bool IsScreenPosition(int pos) {
  return pos >= 0 && pos < 4;
}

const SeatPath& PathOf(int pos) {
  return kPaths[pos];
}

void DrawCoin(platform::Element& coin, int denomination, int frame) {
  LoadGifResource(CoinPicture(denomination, frame), "GIF", coin);
}

void DrawRandomFrame(platform::Element& coin, int denomination) {
  DrawCoin(coin, denomination, RandomInt(0, kFrames - 1));
}

int CoinSize() {
  return IsReducedLayout() ? 31 : 40;
}

platform::Element& Coin(int index) {
  return model::El("imgCoin", index);
}

platform::Element& NewCoin(CoinTarget target) {
  ++CoinsOnTable;
  CoinTargets.resize(CoinsOnTable + 1);
  CoinTargets[CoinsOnTable] = target;
  // A copy of the hidden coin 0: its size and picture.
  platform::Element& coin =
      platform::Sys().ui->LoadElement(model::kMainForm, "imgCoin", CoinsOnTable);
  coin.visible = true;
  model::BringToFront(coin);
  return coin;
}

void DeleteCoinsFrom(int first) {
  for (int index = CoinsOnTable; index >= first; --index)
    platform::Sys().ui->Remove(model::kMainForm, "imgCoin", index);
  if (CoinsOnTable >= first) CoinsOnTable = static_cast<std::int16_t>(first - 1);
  CoinTargets.resize(CoinsOnTable + 1);
}

}  // namespace coins

void CreateCoinTemplate() {
  auto& model = coins::Coin(0);
  model.visible = false;
  model.width = model.height = coins::CoinSize();
  model.stretch = false;
  coins::DrawCoin(model, 100, 0);
  CoinsOnTable = 0;
  CoinOverflow = 0;
  CoinTargets.assign(1, {});
}

void DeleteAllCoins() {
  coins::DeleteCoinsFrom(1);
  CoinOverflow = 0;
}

}  // namespace tlj::view
