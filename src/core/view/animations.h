#pragma once
// Coins and cards moving on the table. Every animation runs to completion inside its call;
// its pauses block (nothing else is handled meanwhile) unless a parameter says otherwise.

#include <cstdint>
#include <vector>

namespace tlj::view {

// The coin elements imgCoin(1..CoinsOnTable) of MainForm; imgCoin(0) is the hidden template.
inline std::int16_t CoinsOnTable = 0;
// 0, or the size of the last stake that pushed CoinsOnTable past 100.
inline std::int16_t CoinOverflow = 0;

struct CoinTarget {
  int x = 0;
  int y = 0;
};
// The target of each coin by its index, set when the coin is created. It holds an entry for
// every coin on the table and no more, so no coin index can fall outside it.
inline std::vector<CoinTarget> CoinTargets;

// Creates the hidden template imgCoin(0) and puts the coin state as it is when the window opens.
// Needs LayoutScale and the coin picture tables.
void CreateCoinTemplate();
// Deletes every coin on the table (the template stays).
void DeleteAllCoins();

// The coins that show an amount, largest first.
std::vector<int> SplitCoins(double amount);

// Coins for `amount` fly from the player at screen position `pos` (0..3) into the pot.
void StakeFlight(int pos, double amount);
// Every coin on the table flies to the player at `pos`.
void SweepPot(int pos);
// The ten coins VImgCoin(1..10) fly from the pot to the player at `pos`, then hold for a second.
void WinFlight(int pos);
// Replaces the coins on the table by a still pile worth `amount` in the pot.
void LayPot(double amount);

// Moves imgDiPai(card) to its place in six steps 50 ms apart, letting other events through
// meanwhile when `pump` is set.
void CardSlide(int card, int fromLeft, int fromTop, int toLeft, int toTop, bool pump);

}  // namespace tlj::view
