#pragma once
// The table: who sits where, the players' public records, the pot and turn values, the flags
// that say where the table is in its life, the seat-change notice and the running totals. The
// command handlers write it; the actions and the views read it.

#include <array>
#include <cstdint>
#include <string>

#include "core/model/button_indexes.h"

namespace tlj::model {

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
// Each position's running total over the games shown in the ranking window.
inline std::array<double, 4> g_dTotalScore{};

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
inline std::array<bool, kTableButtons> g_bBtnLocked{};

// The seat-change notice.
inline bool g_bShufflePending = false;  // show the notice when the next game is due
inline bool g_bShuffleShown = false;    // the notice is on screen
inline bool g_bShuffleNext = false;     // the server announced a seat change
inline std::array<std::string, 4> g_sShuffleText;
inline std::int16_t g_iShuffleStep = 0;

// The advertisement pages the server named in the login reply.
inline std::string AdPage;
inline std::string AdPanelPage;    // AdPage + ".gamead", shown with the seat-change notice
inline bool AdLoadFailed = false;  // the advertisement page did not load: its panel stays away

// The tag of Score.Tou(pos): the decimal avatar index of the player last seated there.
inline std::array<std::string, 4> ScoreTouTag;

// Sets every value above to its value when the window opens.
void SetTableStartValues();

// The values the view reset starts every hand with.
void SetHandStartValues();

// The idle reset's part: nobody sits at the table and no game has been counted.
void SetIdleTableValues();

}  // namespace tlj::model
