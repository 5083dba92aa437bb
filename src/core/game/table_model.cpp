#include "core/game/table_model.h"

#include "core/model/amount_text.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/net/frame_fields.h"
#include "core/net/link_state.h"
#include "core/net/rings.h"

namespace tlj::game {
namespace {

using net::ReadAmount;
using net::ReadAnsiText;
using net::ReadByteText;
using net::ReadDoubleByteText;

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
  namespace at = net::player_arrives;
  model::PlayerProfile p;
  p.nick = ReadAnsiText(frame, at::kNickAt, at::kNickSize);
  p.face = ReadByteText(frame, at::kFaceAt, at::kFaceSize);
  if (p.face.empty()) p.face = "m1";
  p.sex = net::ReadByte(frame, at::kSexAt);
  p.area = ReadDoubleByteText(frame, at::kAreaAt, at::kAreaSize);
  p.points = ReadAmount(frame, at::kPointsAt);
  p.credit = ReadAmount(frame, at::kCreditAt);
  p.coins = ReadAmount(frame, at::kCoinsAt);
  p.extra1 = ReadAmount(frame, at::kExtra1At);
  p.title = ReadDoubleByteText(frame, at::kTitleAt, at::kTitleSize);
  p.extra2 = ReadAmount(frame, at::kExtra2At);
  p.extra3 = ReadAmount(frame, at::kExtra3At);
  p.extra4 = ReadAmount(frame, at::kExtra4At);
  p.logins = ReadCounter(frame, at::kLoginsAt);
  p.drops = ReadCounter(frame, at::kDropsAt);
  p.wins = ReadCounter(frame, at::kWinsAt);
  p.losses = ReadCounter(frame, at::kLossesAt);
  p.account = ReadByteText(frame, at::kAccountAt, at::kAccountSize);
  p.tag = ReadDoubleByteText(frame, at::kTagAt, at::kTagSize);
  p.voiceSet = ReadByteText(frame, at::kVoiceSetAt, at::kVoiceSetSize);
  p.voiceKind = ReadByteText(frame, at::kVoiceKindAt, at::kVoiceKindSize);
  p.seatWord = ReadAmount(frame, at::kSeatAt);
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
      return CardCodeInRange(message, net::turn_start::kGateCardsAt) &&
             CardCodeInRange(message, net::turn_start::kGateCardsAt + 4);
    case net::kTypeBet:
      return CardCodeInRange(message, net::bet::kThirdCardAt);
    case net::kTypePlayerArrives:
      for (std::size_t i = 0; i < net::player_arrives::kCounterCount; ++i) {
        if (TopBitSet(message, net::player_arrives::kCountersAt + 4 * i + 3)) return false;
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
