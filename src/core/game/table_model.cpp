#include "core/game/table_model.h"

#include "core/model/amount_text.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/net/link_state.h"
#include "core/net/rings.h"

namespace tlj::game {
namespace {

using net::ReadAmount;
using net::ReadAnsiText;
using net::ReadByteText;
using net::ReadDoubleByteText;

// The profile's four 32-bit counters, logins .. losses.
constexpr std::size_t kCountersAt = 152;
constexpr std::size_t kCounterCount = 4;

bool TopBitSet(const net::Frame& frame, std::size_t at) {
  return net::ReadByte(frame, at) >= 0x80;
}

// A card code is read big-endian: its first byte is the most significant.
bool CardCodeInRange(const net::Frame& frame, std::size_t first) {
  return !TopBitSet(frame, first);
}

std::int32_t ReadCounter(const net::Frame& frame, std::size_t first) {
  return static_cast<std::int32_t>(net::ReadLe32(frame, first));
}

}  // namespace

int SeatIndex(std::uint8_t bits) {
  for (int i = 3; i > 0; --i) {
    if (bits & (1 << i)) return i;
  }
  return 0;
}

int ScreenPos(std::uint8_t bits) {
  return (SeatIndex(bits) - SeatIndex(model::custom[0].seat) + 4) & 3;
}

model::PlayerProfile ParseProfile(const net::Frame& frame) {
  model::PlayerProfile p;
  p.nick = ReadAnsiText(frame, 16, 32);
  p.face = ReadByteText(frame, 48, 16);
  if (p.face.empty()) p.face = "m1";
  p.sex = net::ReadByte(frame, 64);
  p.area = ReadDoubleByteText(frame, 72, 8);
  p.points = ReadAmount(frame, 80);
  p.credit = ReadAmount(frame, 88);
  p.coins = ReadAmount(frame, 96);
  p.extra1 = ReadAmount(frame, 104);
  p.title = ReadDoubleByteText(frame, 112, 16);
  p.extra2 = ReadAmount(frame, 128);
  p.extra3 = ReadAmount(frame, 136);
  p.extra4 = ReadAmount(frame, 144);
  p.logins = ReadCounter(frame, 152);
  p.drops = ReadCounter(frame, 156);
  p.wins = ReadCounter(frame, 160);
  p.losses = ReadCounter(frame, 164);
  p.account = ReadByteText(frame, 168, 16);
  p.tag = ReadDoubleByteText(frame, 184, 24);
  p.voiceSet = ReadByteText(frame, 210, 8);
  p.voiceKind = ReadByteText(frame, 218, 8);
  p.seatWord = ReadAmount(frame, 226);
  return p;
}

// A face of another length than 2 or 3, and a number that is not 1..10 (a digit missing, "m0"),
// give the set's first picture, so the index always stays inside 0..19.
int AvatarIndex(std::string_view face) {
  const int set = !face.empty() && face[0] == 'w' ? 10 : 0;
  if (face.size() != 2 && face.size() != 3) return set;
  int number = 0;
  for (const char digit : face.substr(1)) {
    if (digit < '0' || digit > '9') return set;
    number = number * 10 + (digit - '0');
  }
  const int index = number - 1;
  return (index < 0 || index >= 10 ? 0 : index) + set;
}

void ShowCoins(int pos, double value) {
  model::El("Cash", pos).caption = model::AmountText(value) + "金币";
}

bool FrameInRange(const net::Frame& message) {
  switch (net::ReadByte(message, net::kTypeAt)) {
    case net::kTypeNewHand:
      return !TopBitSet(message, net::kHandIdAt + 3);
    case net::kTypeTurnStart:
      return CardCodeInRange(message, 8) && CardCodeInRange(message, 12);
    case net::kTypeBet:
      return CardCodeInRange(message, 12);
    case net::kTypePlayerArrives:
      for (std::size_t i = 0; i < kCounterCount; ++i) {
        if (TopBitSet(message, kCountersAt + 4 * i + 3)) return false;
      }
      return true;
    default:
      return true;
  }
}

void ResetGameState(bool reset_rings) {
  model::g_iJoinCount = 0;
  net::HandInProgress = false;
  if (reset_rings) net::ResetRingsKeepingReceived();
}

}  // namespace tlj::game
