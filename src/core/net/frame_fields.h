#pragma once
// Where each command's fields sit in the 272-byte frame, by command: the offsets the client's
// handlers read and write, and the tests' frame builders use. Byte 3 (type), byte 6 (seat code),
// byte 15 (status), the token and the hand id are the same for every command (frame.h).

#include <cstddef>
#include <cstdint>

namespace tlj::net {

// From the server.

namespace login_reply {                          // type 18
inline constexpr std::uint8_t kAccepted = 1;     // status
inline constexpr std::uint8_t kStartFailed = 2;  // status; any other: refused
inline constexpr std::size_t kTurnSecondsAt = 11;
inline constexpr std::size_t kAdPageAt = 16;  // single-byte text
inline constexpr std::size_t kAdPageSize = 100;
}  // namespace login_reply

namespace new_hand {                         // type 1; the hand id at kHandIdAt
inline constexpr std::size_t kCoinsAt = 16;  // four 8-byte amounts, one for each seat code below
inline constexpr std::size_t kSeatsAt = 48;  // four seat codes
inline constexpr std::size_t kAnteAt = 52;
}  // namespace new_hand

namespace turn_start {                          // type 2; byte 6 the active seat
inline constexpr std::size_t kGateCardsAt = 8;  // two 4-byte card codes
inline constexpr std::size_t kMinBetAt = 16;
inline constexpr std::size_t kMaxBetAt = 24;
inline constexpr std::size_t kRoundAt = 32;
inline constexpr std::size_t kPhaseAt = 33;
inline constexpr std::uint8_t kHotPotPhase = 1;
inline constexpr std::uint8_t kFreeBuyInPhase = 2;
}  // namespace turn_start

namespace bet {  // type 3 from the server: a player's stake and the third card
inline constexpr std::size_t kThirdCardAt = 12;
inline constexpr std::size_t kStakeAt = 16;
inline constexpr std::size_t kPotAt = 24;
}  // namespace bet

namespace bet_result {  // type 4
inline constexpr std::size_t kOutcomeAt = 16;
inline constexpr std::uint8_t kWon = 1;
inline constexpr std::uint8_t kLost = 2;
inline constexpr std::size_t kStakeAt = 20;
inline constexpr std::size_t kCoinsAt = 28;
inline constexpr std::size_t kPaidAt = 36;
inline constexpr std::size_t kPotAt = 44;
}  // namespace bet_result

namespace pot_refill {  // type 5; byte 6 the paying seats
inline constexpr std::size_t kAmountAt = 16;
inline constexpr std::size_t kPotAt = 24;
inline constexpr std::size_t kCoinsAt = 32;  // four 8-byte amounts, one for each seat code below
inline constexpr std::size_t kSeatsAt = 64;
}  // namespace pot_refill

namespace pot_update {                       // type 6
inline constexpr std::size_t kValidAt = 11;  // 1: the pot below is to be shown
inline constexpr std::size_t kPotAt = 24;
}  // namespace pot_update

namespace game_over {                            // type 9
inline constexpr std::size_t kRoomBarsAt = 8;    // 4 bytes big-endian
inline constexpr std::size_t kCoinTableAt = 15;  // 1: coins, otherwise bars
inline constexpr std::size_t kBlocksAt = 16;     // four result blocks
inline constexpr std::size_t kBlockSize = 30;
// Within a block.
inline constexpr std::size_t kSeat = 0;
inline constexpr std::size_t kReturned = 1;
inline constexpr std::size_t kTotal = 9;
inline constexpr std::size_t kFinal = 17;
inline constexpr std::size_t kLevelMarker = 21;  // also the fifth byte of the final amount
inline constexpr std::size_t kLevel = 25;
inline constexpr std::size_t kResult = 26;
inline constexpr std::uint8_t kWon = 1;
inline constexpr std::uint8_t kLost = 2;
inline constexpr std::size_t kResultTextAt = 196;  // mixed text
inline constexpr std::size_t kResultTextSize = 20;
}  // namespace game_over

namespace end_of_hand {  // type 16 from the server, by its status
inline constexpr std::uint8_t kHandEnded = 0;
inline constexpr std::uint8_t kNothing = 1;
inline constexpr std::uint8_t kHidePanel = 2;           // 3 and above: players without coins leave
inline constexpr std::size_t kShuffleAfterGameAt = 11;  // status 0
inline constexpr std::size_t kShowShuffleNowAt = 13;    // status 0
inline constexpr std::size_t kOtherRoomSeatsAt = 11;    // status 3 and above
}  // namespace end_of_hand

namespace player_arrives {  // type 20: the player's public record, byte 6 the user's seat
inline constexpr std::size_t kNickAt = 16;  // mixed text
inline constexpr std::size_t kNickSize = 32;
inline constexpr std::size_t kFaceAt = 48;  // single-byte text
inline constexpr std::size_t kFaceSize = 16;
inline constexpr std::size_t kSexAt = 64;
inline constexpr std::size_t kAreaAt = 72;  // double-byte text
inline constexpr std::size_t kAreaSize = 8;
inline constexpr std::size_t kPointsAt = 80;
inline constexpr std::size_t kCreditAt = 88;
inline constexpr std::size_t kCoinsAt = 96;
inline constexpr std::size_t kExtra1At = 104;
inline constexpr std::size_t kTitleAt = 112;  // double-byte text
inline constexpr std::size_t kTitleSize = 16;
inline constexpr std::size_t kExtra2At = 128;
inline constexpr std::size_t kExtra3At = 136;
inline constexpr std::size_t kExtra4At = 144;
inline constexpr std::size_t kCountersAt = 152;  // four 4-byte counters: logins .. losses
inline constexpr std::size_t kCounterCount = 4;
inline constexpr std::size_t kLoginsAt = 152;
inline constexpr std::size_t kDropsAt = 156;
inline constexpr std::size_t kWinsAt = 160;
inline constexpr std::size_t kLossesAt = 164;
inline constexpr std::size_t kAccountAt = 168;  // single-byte text
inline constexpr std::size_t kAccountSize = 16;
inline constexpr std::size_t kTagAt = 184;  // double-byte text
inline constexpr std::size_t kTagSize = 24;
inline constexpr std::size_t kReadyAt = 208;
inline constexpr std::size_t kVoiceSetAt = 210;  // single-byte text
inline constexpr std::size_t kVoiceSetSize = 8;
inline constexpr std::size_t kVoiceKindAt = 218;  // single-byte text
inline constexpr std::size_t kVoiceKindSize = 8;
inline constexpr std::size_t kSeatAt = 226;  // the arriving player's seat code
}  // namespace player_arrives

namespace player_left {                         // type 21
inline constexpr std::size_t kAntiCheatAt = 8;  // 1: the name's first byte is one higher
inline constexpr std::size_t kShortWaitAt = 11;
inline constexpr std::size_t kNameAt = 16;  // single-byte text: the account
inline constexpr std::size_t kNameSize = 16;
}  // namespace player_left

namespace removed {                           // type 22
inline constexpr std::size_t kNoticeAt = 16;  // mixed text
inline constexpr std::size_t kNoticeSize = 200;
}  // namespace removed

namespace player_ready {                    // type 23
inline constexpr std::uint8_t kReady = 1;   // status
inline constexpr std::size_t kNameAt = 16;  // single-byte text: the account
inline constexpr std::size_t kNameSize = 16;
}  // namespace player_ready

namespace reconnect_reply {                   // type 29
inline constexpr std::uint8_t kAccepted = 1;  // status
}  // namespace reconnect_reply

// From the client.

namespace login {                              // type 18, and type 28 rewritten from it
inline constexpr std::size_t kAccountAt = 16;  // single-byte text
inline constexpr std::size_t kPasswordAt = 32;
}  // namespace login

namespace user_bet {                          // type 3: the answer to the user's turn
inline constexpr std::size_t kAmountAt = 16;  // 8 bytes big-endian
inline constexpr std::size_t kHotPotAt = 32;  // 1: a hot-pot buy
}  // namespace user_bet

namespace ready_or_leave {  // type 16 from the client, by its status
inline constexpr std::uint8_t kLeave = 0;
inline constexpr std::uint8_t kReady = 1;
}  // namespace ready_or_leave

namespace chat {                                  // type 19
inline constexpr std::size_t kPhraseListAt = 9;   // 1 quick phrase, 2 voice phrase, 0 typed
inline constexpr std::size_t kPhraseLineAt = 10;  // the phrase's line, from 1
inline constexpr std::size_t kTargetAt = 11;      // the private target's seat code, 0 public
inline constexpr std::size_t kClipLetterAt = 13;  // a voice phrase's clip letter
inline constexpr std::size_t kClipNumberAt = 15;  // and number
inline constexpr std::size_t kTextAt = 16;        // mixed text
inline constexpr std::size_t kTextEnd = 216;      // a received text stops before this byte
inline constexpr std::size_t kMaxChars = 100;
inline constexpr std::uint8_t kQuickPhrases = 1;
inline constexpr std::uint8_t kVoicePhrases = 2;
inline constexpr std::uint8_t kVoiceClipLetter = 97;  // 'a'
}  // namespace chat

}  // namespace tlj::net
