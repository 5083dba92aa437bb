#include "tools/server/game_frames.h"

#include <algorithm>
#include <limits>

namespace tlj::server {
namespace {

Frame OfType(std::uint8_t type, std::uint8_t seat_code = 0) {
  Frame frame{};
  frame[net::kTypeAt] = type;
  frame[net::kSeatAt] = seat_code;
  return frame;
}

std::uint64_t Amount(Coins coins) {
  return static_cast<std::uint64_t>(std::max<Coins>(coins, 0));
}

// Counters travel as 4 bytes the client reads as below 2^31.
std::uint32_t Counter(std::uint32_t value) {
  return std::min<std::uint32_t>(value, std::numeric_limits<std::int32_t>::max());
}

// The client reads the final from four bytes (the level marker takes the fifth).
std::uint32_t FinalAmount(Coins final_amount) {
  return static_cast<std::uint32_t>(
      std::clamp<Coins>(final_amount, 0, std::numeric_limits<std::uint32_t>::max()));
}

}  // namespace

Frame NewHandFrame(const std::array<Coins, 4>& coins, Coins ante, std::uint32_t hand_id) {
  Frame frame = OfType(kTypeNewHand);
  for (int i = 0; i < 4; ++i) {
    const auto seat = static_cast<std::size_t>(i);
    WriteLe64(frame, at::kHandCoins + 8 * seat, Amount(coins[seat]));
    frame[at::kHandSeats + seat] = SeatBit(i);
  }
  WriteLe64(frame, at::kAnte, Amount(ante));
  WriteLe32(frame, net::kHandIdAt, hand_id);
  return frame;
}

Frame TurnFrame(int seat, const TurnOffer& offer, int round) {
  Frame frame = OfType(kTypeTurnStart, SeatBit(seat));
  WriteBe32(frame, at::kGate0, WireCode(offer.gate0));
  WriteBe32(frame, at::kGate1, WireCode(offer.gate1));
  WriteLe64(frame, at::kMinBet, Amount(offer.min_bet));
  WriteLe64(frame, at::kMaxBet, Amount(offer.max_bet));
  frame[at::kRound] = static_cast<std::uint8_t>(std::clamp(round, 0, 255));
  frame[at::kPhase] = static_cast<std::uint8_t>(offer.phase);
  return frame;
}

Frame BetFrame(int seat, Card third, Coins stake, Coins pot) {
  Frame frame = OfType(kTypeBet, SeatBit(seat));
  WriteBe32(frame, at::kThird, WireCode(third));
  WriteLe64(frame, at::kStake, Amount(stake));
  WriteLe64(frame, at::kPotAfterStake, Amount(pot));
  return frame;
}

Frame ResultFrame(int seat, bool won, Coins stake, Coins coins, Coins paid, Coins pot) {
  Frame frame = OfType(kTypeBetResult, SeatBit(seat));
  frame[at::kOutcome] = won ? 1 : 2;
  WriteLe64(frame, at::kResultStake, Amount(stake));
  WriteLe64(frame, at::kResultCoins, Amount(coins));
  WriteLe64(frame, at::kPotPayment, Amount(paid));
  WriteLe64(frame, at::kResultPot, Amount(pot));
  return frame;
}

Frame RefillFrame(std::uint8_t payers, Coins amount, Coins pot, const std::array<Coins, 4>& coins) {
  Frame frame = OfType(kTypePotRefill, payers);
  WriteLe64(frame, at::kRefillAmount, Amount(amount));
  WriteLe64(frame, at::kRefillPot, Amount(pot));
  for (int i = 0; i < 4; ++i) {
    const auto seat = static_cast<std::size_t>(i);
    WriteLe64(frame, at::kRefillCoins + 8 * seat, Amount(coins[seat]));
    frame[at::kRefillSeats + seat] = SeatBit(i);
  }
  return frame;
}

Frame PotFrame(Coins pot) {
  Frame frame = OfType(kTypePotUpdate);
  frame[at::kPotValid] = 1;
  WriteLe64(frame, at::kPot, Amount(pot));
  return frame;
}

Frame EndOfHandFrame(bool shuffle_after_game) {
  Frame frame = OfType(kTypeEndOfHand);
  frame[at::kShuffleAfterGame] = shuffle_after_game ? 1 : 0;
  return frame;
}

Frame CoinsLowFrame(std::uint8_t out, std::uint8_t change_room) {
  Frame frame = OfType(kTypeEndOfHand, out);
  frame[net::kStatusAt] = 3;
  frame[at::kChangeRoom] = change_room;
  return frame;
}

Frame GameOverFrame(const std::array<GameOverBlock, 4>& blocks, const std::string& text) {
  Frame frame = OfType(kTypeGameOver);
  WriteBe32(frame, at::kRoomBars, 0);
  frame[net::kStatusAt] = 1;  // the table plays for coins
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const GameOverBlock& block = blocks[i];
    const std::size_t b = at::kBlocks + at::kBlockSize * i;
    frame[b] = SeatBit(block.seat);
    WriteLe64(frame, b + 1, Amount(block.settlement.returned));
    WriteLe64(frame, b + 9, Amount(block.settlement.total));
    WriteLe32(frame, b + 17, FinalAmount(block.settlement.final_amount));
    frame[b + 21] = 1;  // the level below is meant
    frame[b + 25] = static_cast<std::uint8_t>(std::clamp(block.level, 1, kMaxLevel));
    frame[b + 26] = static_cast<std::uint8_t>(block.settlement.result);
  }
  WriteAnsiText(frame, at::kResultText, at::kResultTextSize, text);
  return frame;
}

Frame ArrivalFrame(int receiver_seat, int seat, const Profile& profile, bool ready) {
  Frame frame = OfType(kTypePlayerArrives, SeatBit(receiver_seat));
  WriteAnsiText(frame, at::kNick, 32, profile.nick);
  WriteByteText(frame, at::kFace, 16, profile.face);
  frame[at::kSex] = profile.male ? 1 : 0;
  WriteAnsiText(frame, at::kArea, 8, profile.area);
  WriteLe64(frame, at::kPoints, Amount(profile.points));
  WriteLe64(frame, at::kCredit, Amount(profile.credit));
  WriteLe64(frame, at::kCoins, Amount(profile.coins));
  WriteAnsiText(frame, at::kTitle, 16, LevelTitle(LevelOf(profile.coins)));
  const std::array<std::uint32_t, 4> counters = {profile.logins, profile.drops, profile.wins,
                                                 profile.losses};
  for (std::size_t k = 0; k < counters.size(); ++k) {
    WriteLe32(frame, at::kCounters + 4 * k, Counter(counters[k]));
  }
  WriteByteText(frame, at::kProfileAccount, kAccountSize, profile.account);
  WriteAnsiText(frame, at::kTag, 24, profile.tag);
  frame[at::kReady] = ready ? 1 : 0;
  WriteByteText(frame, at::kVoiceSet, 8, profile.voice_set);
  WriteByteText(frame, at::kVoiceKind, 8, profile.voice_kind);
  WriteLe64(frame, at::kSeatWord, SeatBit(seat));
  return frame;
}

Frame LeftFrame(const std::string& account) {
  Frame frame = OfType(kTypePlayerLeft);
  WriteByteText(frame, at::kName, kAccountSize, account);
  return frame;
}

Frame RemovedFrame(const std::string& text) {
  Frame frame = OfType(kTypeRemoved);
  WriteAnsiText(frame, at::kNoticeText, at::kNoticeTextSize, text);
  return frame;
}

Frame ReadyFrame(const std::string& account) {
  Frame frame = OfType(kTypePlayerReady);
  frame[net::kStatusAt] = 1;
  WriteByteText(frame, at::kName, kAccountSize, account);
  return frame;
}

}  // namespace tlj::server
