#pragma once
// How the server plays: the game's numbers, the bots' pace, and the hooks tests use to make a
// bot poor or make it leave.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/event_loop.h"
#include "tools/server/chat_phrases.h"
#include "tools/server/rules.h"

namespace tlj::server {

// Bot number `bot` (account "botN") leaves at its turn in the table's `hand`-th hand.
struct BotLeave {
  int bot = 0;
  int hand = 0;
};

struct GameConfig {
  std::uint32_t seed = 1;
  int hands = 4;  // hands per game
  Coins ante = 100;
  platform::TimeMs bot_delay_ms = 2000;  // before empty seats get bots
  platform::TimeMs bot_think_ms = 800;
  int turn_seconds = 15;  // sent in the login reply
  // The advertisement page an accepted login reply names; empty: none.
  std::string ad_page;
  // Added to the turn length before the server gives up for a silent player: the client shows
  // its animations before it handles the turn.
  platform::TimeMs turn_grace_ms = 10'000;
  Coins coins = 50'000;  // a person's starting coins
  int tables = 1;
  platform::TimeMs start_delay_ms = 1000;  // from all ready to the first hand
  platform::TimeMs between_hands_ms = 2000;
  // After every this many games at a table, the bots change seats (a person keeps his); 0:
  // never. The players hear of the new seating once all are ready, after shuffle_ms.
  int shuffle_every = 0;
  platform::TimeMs shuffle_ms = 3000;
  platform::TimeMs hold_ms = 60'000;  // a lost connection's seat waits this long after its hand
  int timeout_limit = 3;              // consecutive server time-outs before a removal
  // At each hand, each bot says a phrase with a chance of one in this many; 0: never. The line
  // comes a while after the deal, within the two times below.
  int bot_chat = 8;
  platform::TimeMs bot_chat_earliest_ms = 1000;
  platform::TimeMs bot_chat_latest_ms = 3000;
  ChatPhrases phrases;  // none: the bots say nothing
  // Lines one connection may say within a second; more are a flood and go nowhere.
  int chat_lines_per_second = 5;

  // Test hooks. bot_coins[N-1]: the starting coins of bot N (default: 20000..80000 at random).
  std::vector<Coins> bot_coins;
  std::optional<BotLeave> bot_leaves;

  platform::TimeMs TurnTimeoutMs() const {
    return turn_seconds * platform::TimeMs{1000} + turn_grace_ms;
  }
};

inline constexpr Coins kBotCoinsLow = 20'000;
inline constexpr Coins kBotCoinsHigh = 80'000;

}  // namespace tlj::server
