#pragma once
// The frames of a game as the server sends them. Amounts are 8-byte little-endian, card codes
// 4-byte big-endian, seats one-hot bits; `seat` arguments are seat numbers 0..3.

#include <array>
#include <cstdint>
#include <string>

#include "tools/server/cards.h"
#include "tools/server/profile.h"
#include "tools/server/rules.h"
#include "tools/server/wire.h"

namespace tlj::server {

// Type 1: every player's coins after the ante, in seat order.
Frame NewHandFrame(const std::array<Coins, 4>& coins, Coins ante, std::uint32_t hand_id);
// Type 2. `round` is the number of the hand in the game.
Frame TurnFrame(int seat, const TurnOffer& offer, int round);
// Type 3. `pot` is the pot before the stake moves.
Frame BetFrame(int seat, Card third, Coins stake, Coins pot);
// Type 4.
Frame ResultFrame(int seat, bool won, Coins stake, Coins coins, Coins paid, Coins pot);
// Type 5: `payers` are seat bits; everybody's coins afterwards, in seat order.
Frame RefillFrame(std::uint8_t payers, Coins amount, Coins pot, const std::array<Coins, 4>& coins);
// Type 6.
Frame PotFrame(Coins pot);
// Type 16, status 0; with `shuffle_after_game` the seats change before the next game.
Frame EndOfHandFrame(bool shuffle_after_game);
// Type 16, status 3: `out` and `change_room` are seat bits.
Frame CoinsLowFrame(std::uint8_t out, std::uint8_t change_room);

struct GameOverBlock {
  int seat = 0;
  Settlement settlement;
  int level = 1;
};
// Type 9: one block per seat, in seat order.
Frame GameOverFrame(const std::array<GameOverBlock, 4>& blocks, const std::string& text);

// Type 20: the player at `seat` as `receiver_seat` hears of it.
Frame ArrivalFrame(int receiver_seat, int seat, const Profile& profile, bool ready);
// Type 21.
Frame LeftFrame(const std::string& account);
// Type 22.
Frame RemovedFrame(const std::string& text);
// Type 23.
Frame ReadyFrame(const std::string& account);

// Where the fields lie, for the readers of these frames.
namespace at {
inline constexpr std::size_t kHandCoins = 16;  // + 8i
inline constexpr std::size_t kHandSeats = 48;  // + i
inline constexpr std::size_t kAnte = 52;
inline constexpr std::size_t kGate0 = 8;
inline constexpr std::size_t kGate1 = 12;
inline constexpr std::size_t kMinBet = 16;
inline constexpr std::size_t kMaxBet = 24;
inline constexpr std::size_t kRound = 32;
inline constexpr std::size_t kPhase = 33;
inline constexpr std::size_t kThird = 12;
inline constexpr std::size_t kStake = 16;
inline constexpr std::size_t kPotAfterStake = 24;
inline constexpr std::size_t kOutcome = 16;
inline constexpr std::size_t kResultStake = 20;
inline constexpr std::size_t kResultCoins = 28;
inline constexpr std::size_t kPotPayment = 36;
inline constexpr std::size_t kResultPot = 44;
inline constexpr std::size_t kRefillAmount = 16;
inline constexpr std::size_t kRefillPot = 24;
inline constexpr std::size_t kRefillCoins = 32;  // + 8i
inline constexpr std::size_t kRefillSeats = 64;  // + i
inline constexpr std::size_t kPotValid = 11;
inline constexpr std::size_t kPot = 24;
inline constexpr std::size_t kChangeRoom = 11;
inline constexpr std::size_t kShuffleAfterGame = 11;
inline constexpr std::size_t kRoomBars = 8;
inline constexpr std::size_t kBlocks = 16;  // + 30i
inline constexpr std::size_t kBlockSize = 30;
inline constexpr std::size_t kResultText = 196;
inline constexpr std::size_t kResultTextSize = 20;
inline constexpr std::size_t kNick = 16;
inline constexpr std::size_t kFace = 48;
inline constexpr std::size_t kSex = 64;
inline constexpr std::size_t kArea = 72;
inline constexpr std::size_t kPoints = 80;
inline constexpr std::size_t kCredit = 88;
inline constexpr std::size_t kCoins = 96;
inline constexpr std::size_t kTitle = 112;
inline constexpr std::size_t kCounters = 152;  // logins, drops, wins, losses
inline constexpr std::size_t kProfileAccount = 168;
inline constexpr std::size_t kTag = 184;
inline constexpr std::size_t kReady = 208;
inline constexpr std::size_t kVoiceSet = 210;
inline constexpr std::size_t kVoiceKind = 218;
inline constexpr std::size_t kSeatWord = 226;
inline constexpr std::size_t kName = 16;  // types 21 and 23
inline constexpr std::size_t kNoticeText = 16;
inline constexpr std::size_t kNoticeTextSize = 200;
}  // namespace at

}  // namespace tlj::server
