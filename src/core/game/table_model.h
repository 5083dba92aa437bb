#pragma once
// The table: who sits where, the players' public records, the pot and turn values and the flags
// that say where the table is in its life.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/net/frame.h"

namespace tlj::game {

struct SeatEntry {
  std::string name;       // account name; "" for an empty position
  std::uint8_t seat = 0;  // one-hot seat bit
};

struct PlayerProfile {
  std::string nick;
  std::string face;
  std::uint8_t sex = 0;
  std::string area;
  double points = 0;
  double credit = 0;
  double coins = 0;
  double extra1 = 0;
  std::string title;
  double extra2 = 0;
  double extra3 = 0;
  double extra4 = 0;
  std::int32_t logins = 0;
  std::int32_t drops = 0;
  std::int32_t wins = 0;
  std::int32_t losses = 0;
  std::string account;
  std::string tag;
  std::string voiceSet;
  std::string voiceKind;
  double seatWord = 0;
};

struct InfoEntry {  // g_tInfo: what the record file keeps of a player
  std::string nick;
  int PicIndex = 0;
};

// Indexed by screen position 0..3.
inline std::array<SeatEntry, 4> custom;
inline std::array<PlayerProfile, 4> profile;
inline std::array<InfoEntry, 4> g_tInfo;

// Money values, whole coins in doubles.
inline double g_dPot = 0;
inline std::array<double, 4> g_dNetWin{};
inline double g_dStake = 0;
inline double g_dMinBet = 0;
inline double g_dMaxBet = 0;
inline double g_dInputCoin = 0;

// Turn values.
inline std::array<std::int32_t, 3> g_lCard{};
inline std::array<std::int16_t, 3> g_iRank{};
inline std::array<std::int16_t, 3> g_iSuit{};
inline std::uint8_t g_iPhase = 0;
inline std::int16_t g_iNextCard = 0;
inline std::int16_t g_iLastActor = 0;
inline bool g_bCardTurned = false;
inline bool g_bThirdDealt = false;
inline std::int16_t g_iCountdown = 0;
inline std::int16_t g_iTurnSeconds = 15;
inline std::uint32_t HandId = 0;

// Table life.
inline std::int16_t g_iPlayerCount = 0;
inline std::int16_t g_iJoinCount = 0;
inline std::int16_t juNum = 0;
inline bool g_bHandPlayed = false;
inline bool g_bGameStarted = false;
inline bool g_bTimeLimit = false;
inline bool g_bSpectator = false;
inline bool g_bHidden = false;
inline std::array<bool, 9> g_bBtnLocked{};

// Sets every value above to its value when the window opens.
void ResetTableModel();

int SeatIndex(std::uint8_t bits);
int ScreenPos(std::uint8_t bits);

PlayerProfile ParseProfile(const net::Frame& frame);
// The avatar picture index 0..19 of a face code ("m1".."m10", "w1".."w10").
int AvatarIndex(std::string_view face);

// Plain decimal text of an amount, as a label shows it.
std::string AmountText(double value);
// Caption of Cash(pos): the amount followed by "金币".
void ShowCoins(int pos, double value);

// False for a received frame carrying a value outside the model's ranges (a card code or
// HandId with the top bit set, a profile counter of 2^31 or more): such a frame is dropped whole.
bool FrameInRange(const net::Frame& message);

// The per-game reset; `reset_rings` also empties RecvRing and SendRing.
void ResetGameState(bool reset_rings = false);

}  // namespace tlj::game
