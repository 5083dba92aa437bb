#pragma once
// What every table of one server shares: the rules in force, the sources of chance, the
// counters, people's records between visits and the numbering of hands and bots.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/server/game_config.h"
#include "tools/server/profile.h"
#include "tools/server/random.h"
#include "tools/server/rules.h"

namespace tlj::server {

struct ServerStats {
  int connections = 0;  // accepted so far
  int frames = 0;       // whole frames received
  int ignored = 0;      // of a type the server does not take, or out of their moment
  int invalid = 0;      // breaking the rules of their type
  std::vector<std::string> first_invalid;  // who sent the first few, and why
  int hands = 0;                           // dealt
  int games = 0;                           // played to the end
  int timeouts = 0;                        // turns the server gave up for a silent player
  Coins fees = 0;                          // table fees kept
  Coins coins_in = 0;                      // brought to a table by every player who sat down
  Coins coins_out = 0;                     // taken away by every player who left a table for good
};

// Where every coin that came to the tables is: what went in must equal what came out, the fees
// kept and what is at the tables now; anything else is a coin made or lost.
struct CoinAudit {
  Coins in = 0;
  Coins out = 0;
  Coins fees = 0;
  Coins at_tables = 0;  // players seated, those who left a running game, and the pots

  // Positive: coins lost; negative: coins made.
  Coins Imbalance() const { return in - out - fees - at_tables; }
  bool Balanced() const { return Imbalance() == 0; }
  // "coins: in N, out N, fees N, at the tables N: balanced" (or ": UNBALANCED by N").
  std::string Text() const;
};

struct House {
  explicit House(GameConfig game)
      : config(std::move(game)), random(config.seed), chat_random(config.seed ^ kChatSeedMix) {}

  // 1, 2, ..., starting over below 2^31.
  std::uint32_t NextHandId();
  // The next bot's number; numbers whose account a person has used are passed over.
  int NextBotNumber();
  Coins BotCoins(int number);

  // The bots' talk draws from a stream of its own, so that a seed deals the same cards and the
  // bots bet the same whether they talk or not.
  static constexpr std::uint32_t kChatSeedMix = 0x6368'6174u;

  GameConfig config;
  Random random;
  Random chat_random;
  ServerStats stats;
  std::map<std::string, Profile> members;  // people, by account
  std::uint32_t last_hand_id = 0;
  int last_bot = 0;
};

}  // namespace tlj::server
