#include "tests/support/frames.h"

#include "sim/client_harness.h"
#include "tests/support/frame_bytes.h"

namespace tlj::testing {

using sim::MakeFrame;

namespace {

constexpr std::uint8_t kIgnoredType = 99;

std::uint8_t SeatCode(std::size_t i) {
  return static_cast<std::uint8_t>(1u << i);
}

}  // namespace

net::Frame LoginReplyFrame(const LoginReply& reply) {
  namespace field = net::login_reply;
  net::Frame f = MakeFrame(net::kTypeLogin, 0, reply.status);
  f[field::kTurnSecondsAt] = reply.turn_seconds;
  PutBytes(f, field::kAdPageAt, reply.ad_page);
  return f;
}

net::Frame NewHandFrame(std::uint64_t ante, std::uint64_t coins) {
  namespace field = net::new_hand;
  net::Frame f = MakeFrame(net::kTypeNewHand);
  for (std::size_t i = 0; i < 4; ++i) {
    PutLe64(f, field::kCoinsAt + 8 * i, coins + i);
    f[field::kSeatsAt + i] = SeatCode(i);
  }
  PutLe64(f, field::kAnteAt, ante);
  return f;
}

net::Frame TurnFrame(const Turn& turn) {
  namespace field = net::turn_start;
  net::Frame f = MakeFrame(net::kTypeTurnStart, turn.seat);
  PutCard(f, field::kGateCardsAt, turn.rank0, 4);
  PutCard(f, field::kGateCardsAt + 4, turn.rank1, 8);
  PutLe64(f, field::kMinBetAt, turn.min);
  PutLe64(f, field::kMaxBetAt, turn.max);
  f[field::kRoundAt] = turn.round;
  f[field::kPhaseAt] = turn.phase;
  return f;
}

net::Frame BetFrame(std::uint8_t seat, std::uint64_t stake, std::uint64_t pot, int rank,
                    int suit_bit) {
  namespace field = net::bet;
  net::Frame f = MakeFrame(net::kTypeBet, seat);
  PutCard(f, field::kThirdCardAt, rank, suit_bit);
  PutLe64(f, field::kStakeAt, stake);
  PutLe64(f, field::kPotAt, pot);
  return f;
}

net::Frame BetResultFrame(const BetResult& result) {
  namespace field = net::bet_result;
  net::Frame f = MakeFrame(net::kTypeBetResult, result.seat);
  f[field::kOutcomeAt] = result.outcome;
  PutLe64(f, field::kStakeAt, result.stake);
  PutLe64(f, field::kCoinsAt, result.coins);
  PutLe64(f, field::kPaidAt, result.paid);
  PutLe64(f, field::kPotAt, result.pot);
  return f;
}

net::Frame PotRefillFrame(std::uint8_t paying, std::uint64_t amount, std::uint64_t pot,
                          std::uint64_t coins) {
  namespace field = net::pot_refill;
  net::Frame f = MakeFrame(net::kTypePotRefill, paying);
  PutLe64(f, field::kAmountAt, amount);
  PutLe64(f, field::kPotAt, pot);
  for (std::size_t i = 0; i < 4; ++i) {
    PutLe64(f, field::kCoinsAt + 8 * i, coins + i);
    f[field::kSeatsAt + i] = SeatCode(i);
  }
  return f;
}

net::Frame PotUpdateFrame(std::uint8_t valid, std::uint64_t pot) {
  net::Frame f = MakeFrame(net::kTypePotUpdate);
  f[net::pot_update::kValidAt] = valid;
  PutLe64(f, net::pot_update::kPotAt, pot);
  return f;
}

net::Frame GameOverFrame(const GameResult& game) {
  namespace field = net::game_over;
  net::Frame f = MakeFrame(net::kTypeGameOver, 0, game.coin_table);
  PutBe32(f, field::kRoomBarsAt, game.room_bars);
  for (std::size_t i = 0; i < game.blocks.size(); ++i) {
    const Block& b = game.blocks[i];
    const std::size_t at = field::kBlocksAt + field::kBlockSize * i;
    f[at + field::kSeat] = b.seat;
    PutLe64(f, at + field::kReturned, b.returned);
    PutLe64(f, at + field::kTotal, b.total);
    PutLe64(f, at + field::kFinal, b.final);
    f[at + field::kLevelMarker] = b.marker;
    f[at + field::kLevel] = b.level;
    f[at + field::kResult] = b.result;
  }
  PutBytes(f, field::kResultTextAt, game.result_bytes);
  return f;
}

net::Frame EndOfHandFrame(const EndOfHand& end) {
  namespace field = net::end_of_hand;
  net::Frame f = MakeFrame(net::kTypeEndOfHand, end.seats, end.status);
  if (end.status > field::kHidePanel) {
    f[field::kOtherRoomSeatsAt] = end.other_room_seats;
  } else {
    f[field::kShuffleAfterGameAt] = end.shuffle_after_game;
  }
  f[field::kShowShuffleNowAt] = end.show_shuffle_now;
  return f;
}

Player User() {
  return {.account = "abc", .seat = 1, .nick = "我"};
}

Player Other(int pos, bool ready) {
  const std::string n = std::to_string(pos);
  return {.account = "p" + n,
          .seat = SeatCode(static_cast<std::size_t>(pos)),
          .nick = "nick" + n,
          .face = "w" + n,
          .ready = ready};
}

net::Frame PlayerArrivesFrame(const Player& player, std::uint8_t own_seat) {
  namespace field = net::player_arrives;
  net::Frame f = MakeFrame(net::kTypePlayerArrives, own_seat);
  PutText(f, field::kNickAt, player.nick);
  PutBytes(f, field::kFaceAt, player.face);
  PutLe64(f, field::kCoinsAt, player.coins);
  PutText(f, field::kTitleAt, player.title);
  PutLe32(f, field::kWinsAt, player.wins);
  PutLe32(f, field::kLossesAt, player.losses);
  PutBytes(f, field::kAccountAt, player.account);
  PutText(f, field::kTagAt, player.tag);
  f[field::kReadyAt] = player.ready ? 1 : 0;
  f[field::kSeatAt] = player.seat;
  return f;
}

net::Frame PlayerLeftFrame(std::string_view account, std::uint8_t anti_cheat,
                           std::uint8_t short_wait) {
  namespace field = net::player_left;
  net::Frame f = MakeFrame(net::kTypePlayerLeft);
  f[field::kAntiCheatAt] = anti_cheat;
  f[field::kShortWaitAt] = short_wait;
  PutBytes(f, field::kNameAt, account);
  return f;
}

net::Frame RemovedFrame(std::string_view notice) {
  net::Frame f = MakeFrame(net::kTypeRemoved);
  PutText(f, net::removed::kNoticeAt, notice);
  return f;
}

net::Frame PlayerReadyFrame(std::string_view account, std::uint8_t status) {
  net::Frame f = MakeFrame(net::kTypePlayerReady, 0, status);
  PutBytes(f, net::player_ready::kNameAt, account);
  return f;
}

net::Frame ReconnectReplyFrame(std::uint8_t status) {
  return MakeFrame(net::kTypeReconnectReply, 0, status);
}

net::Frame IgnoredFrame(std::uint8_t token0, std::uint8_t token1) {
  net::Frame f = MakeFrame(kIgnoredType);
  PutToken(f, token0, token1);
  return f;
}

net::Frame ChatFrame(const ChatLine& chat) {
  namespace field = net::chat;
  net::Frame f = MakeFrame(net::kTypeChat, chat.seat);
  f[field::kTargetAt] = chat.target;
  f[field::kPhraseListAt] = chat.list;
  f[field::kPhraseLineAt] = chat.line;
  f[field::kClipLetterAt] = chat.clip_letter;
  f[field::kClipNumberAt] = chat.clip_number;
  PutText(f, field::kTextAt, chat.text);
  return f;
}

}  // namespace tlj::testing
