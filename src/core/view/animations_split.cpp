#include <cmath>

#include "core/view/animations.h"

namespace tlj::view {

std::vector<int> SplitCoins(double amount) {
  // A large stake is always drawn as the same handful, so that its flight stays short.
  if (amount > 1000) amount = 855;
  const double whole = std::nearbyint(amount);
  // Nothing to show (zero, a negative amount, not a number) is shown as one coin of 100.
  if (!(whole > 0)) return {100};
  int rest = static_cast<int>(whole);
  std::vector<int> coins;
  for (const int denomination : {500, 100, 50, 20, 10, 5, 1}) {
    coins.insert(coins.end(), rest / denomination, denomination);
    rest %= denomination;
  }
  return coins;
}

}  // namespace tlj::view
