#pragma once
// The server's commands as the client receives them, their fields placed at the client's own
// offsets (core/net/frame_fields.h); every byte a builder is not told about is zero.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/net/frame.h"
#include "core/net/frame_fields.h"

namespace tlj::testing {

struct LoginReply {
  std::uint8_t status = net::login_reply::kAccepted;
  std::uint8_t turn_seconds = 0;
  std::string ad_page{};  // at most kAdPageSize bytes
};
net::Frame LoginReplyFrame(const LoginReply& reply = {});

// A new hand with its ante; seat code 1 << i holds `coins + i`.
net::Frame NewHandFrame(std::uint64_t ante, std::uint64_t coins = 1000);

struct Turn {
  std::uint8_t seat = 1;  // the active seat code
  int rank0 = 5;          // the gate cards: ranks of suit bits 4 and 8
  int rank1 = 9;
  std::uint64_t min = 100;
  std::uint64_t max = 20000;
  std::uint8_t round = 1;
  std::uint8_t phase = 0;
};
net::Frame TurnFrame(const Turn& turn);

// A player's stake (0: a give-up) and the third card, with the pot after it.
net::Frame BetFrame(std::uint8_t seat, std::uint64_t stake, std::uint64_t pot, int rank = 7,
                    int suit_bit = 2);

struct BetResult {
  std::uint8_t seat = 1;
  std::uint8_t outcome = net::bet_result::kWon;
  std::uint64_t stake = 0;
  std::uint64_t coins = 0;  // the player's coins after the result
  std::uint64_t paid = 0;
  std::uint64_t pot = 0;
};
net::Frame BetResultFrame(const BetResult& result);

// The seats in `paying` (seat codes) put `amount` each into the pot; seat code 1 << i then holds
// `coins + i`.
net::Frame PotRefillFrame(std::uint8_t paying, std::uint64_t amount, std::uint64_t pot,
                          std::uint64_t coins);

net::Frame PotUpdateFrame(std::uint8_t valid, std::uint64_t pot);

// One player's result block of the game-over command.
struct Block {
  std::uint8_t seat = 0;
  std::uint64_t returned = 0;
  std::uint64_t total = 0;
  std::uint64_t final = 0;
  std::uint8_t marker = 0;  // written after the final amount, over its fifth byte
  std::uint8_t level = 0;
  std::uint8_t result = 0;
};

struct GameResult {
  std::array<Block, 4> blocks{{{.seat = 1}, {.seat = 2}, {.seat = 4}, {.seat = 8}}};
  std::string result_bytes{};  // the result text as sent, GBK
  std::uint8_t coin_table = 1;
  std::uint32_t room_bars = 7;
};
net::Frame GameOverFrame(const GameResult& game);

// Byte 11 means one thing up to status kHidePanel and another above it: the builder writes the
// field the status gives it.
struct EndOfHand {
  std::uint8_t status = net::end_of_hand::kHandEnded;
  std::uint8_t seats = 0;  // above kHidePanel: the players without coins
  std::uint8_t shuffle_after_game = 0;
  std::uint8_t show_shuffle_now = 0;
  std::uint8_t other_room_seats = 0;
};
net::Frame EndOfHandFrame(const EndOfHand& end);

struct Player {
  std::string account;
  std::uint8_t seat = 1;  // seat code
  std::string nick;
  std::uint64_t coins = 1000;
  std::string face = "m1";
  bool ready = false;
  std::string tag = "新手";
  std::string title = "第一级";
  std::uint32_t wins = 0;
  std::uint32_t losses = 0;
};
// The user "abc" at seat code 1 (screen position 0).
Player User();
// Another player at screen position `pos` (1 to 3): account "p<pos>", nick "nick<pos>".
Player Other(int pos, bool ready = false);
// The arrival of `player`, as received by the user sitting at `own_seat`.
net::Frame PlayerArrivesFrame(const Player& player, std::uint8_t own_seat = 1);

net::Frame PlayerLeftFrame(std::string_view account, std::uint8_t anti_cheat = 0,
                           std::uint8_t short_wait = 0);
net::Frame RemovedFrame(std::string_view notice = {});
net::Frame PlayerReadyFrame(std::string_view account,
                            std::uint8_t status = net::player_ready::kReady);
net::Frame ReconnectReplyFrame(std::uint8_t status = net::reconnect_reply::kAccepted);

// A chat line as the server passes it on.
struct ChatLine {
  std::uint8_t seat = 2;  // the speaker's seat code; 0 for a line of the server's own
  std::string text;       // UTF-8, written as GBK
  std::uint8_t target = 0;
  std::uint8_t list = 0;  // a phrase: its list (1 quick, 2 voice) and line from 1
  std::uint8_t line = 0;
  std::uint8_t clip_letter = 0;
  std::uint8_t clip_number = 0;
};
net::Frame ChatFrame(const ChatLine& chat);

// A frame of a type the client does not handle, which leaves only its token behind.
net::Frame IgnoredFrame(std::uint8_t token0, std::uint8_t token1);

}  // namespace tlj::testing
