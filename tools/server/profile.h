#pragma once
// The public record of a player that the arrival command carries, and how people and bots
// get theirs.

#include <cstdint>
#include <string>

#include "tools/server/rules.h"

namespace tlj::server {

struct Profile {
  std::string account;  // single-byte text; the name the table knows the player by
  std::string nick;     // UTF-8
  std::string face;     // "m1".."m10", "w1".."w10"
  bool male = true;
  std::string area;  // UTF-8, Chinese only
  Coins coins = 0;
  Coins points = 0;
  Coins credit = 100;
  std::uint32_t logins = 0;
  std::uint32_t drops = 0;
  std::uint32_t wins = 0;
  std::uint32_t losses = 0;
  std::string tag;  // UTF-8, Chinese only
  std::string voice_set = "00";
  std::string voice_kind = "01";
};

// A person's first record: the account as the nickname, a face and a home town picked from the
// account name, and a past at other tables drawn from the account and `seed`.
Profile PersonProfile(const std::string& account, Coins coins, std::uint32_t seed);
// Bot number `number` (1, 2, ...): account "botN", a poet's name and home town, faces taking
// turns, and a past at other tables drawn from the account and `seed`.
Profile BotProfile(int number, Coins coins, std::uint32_t seed);
std::string BotAccount(int number);

}  // namespace tlj::server
