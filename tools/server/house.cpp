#include "tools/server/house.h"

#include <algorithm>

#include "tools/server/wire.h"

namespace tlj::server {

std::string CoinAudit::Text() const {
  return "coins: in " + std::to_string(in) + ", out " + std::to_string(out) + ", fees " +
         std::to_string(fees) + ", at the tables " + std::to_string(at_tables) +
         (Balanced() ? ": balanced" : ": UNBALANCED by " + std::to_string(Imbalance()));
}

std::uint32_t House::NextHandId() {
  last_hand_id = last_hand_id + 1 >= kHandIdLimit ? 1 : last_hand_id + 1;
  return last_hand_id;
}

int House::NextBotNumber() {
  do {
    ++last_bot;
  } while (members.contains(BotAccount(last_bot)));
  return last_bot;
}

Coins House::BotCoins(int number) {
  const auto index = static_cast<std::size_t>(number - 1);
  if (index < config.bot_coins.size()) return std::max<Coins>(config.bot_coins[index], 0);
  return random.Between(kBotCoinsLow, kBotCoinsHigh);
}

}  // namespace tlj::server
