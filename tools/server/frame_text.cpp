#include "tools/server/frame_text.h"

#include <cstdio>
#include <string_view>

#include "core/text/ansi.h"
#include "tools/server/cards.h"
#include "tools/server/chat_frames.h"
#include "tools/server/game_frames.h"

namespace tlj::server {
namespace {

std::string TypeText(const Frame& frame) {
  return "type=" + std::to_string(frame[net::kTypeAt]);
}

std::string StatusText(const Frame& frame) {
  return " status=" + std::to_string(frame[net::kStatusAt]);
}

// Printable ASCII as it is; any other byte, and the backslash, as \xNN.
std::string Printable(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '\\') {
      text.push_back(c);
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      text += escaped;
    }
  }
  return text;
}

// Nothing of the password shows, not even its length.
std::string Credentials(const Frame& frame) {
  return " account=" + Printable(ReadField(frame, kAccountAt, kAccountSize)) + " password=***";
}

std::string Number(const Frame& frame, std::size_t first) {
  return std::to_string(ReadLe64(frame, first));
}

// Seats counted from 1, as in the rest of the log: "1", "2,4", or "-" for none.
std::string Seats(std::uint8_t bits) {
  std::string text;
  for (int seat = 0; seat < 4; ++seat) {
    if ((bits & SeatBit(seat)) != 0) text += (text.empty() ? "" : ",") + std::to_string(seat + 1);
  }
  return text.empty() ? "-" : text;
}

std::string SeatField(const Frame& frame) {
  return " seat=" + Seats(frame[net::kSeatAt]);
}

std::string CardField(const Frame& frame, std::size_t first) {
  const std::uint32_t code = ReadBe32(frame, first);
  return CardText(
      Card{static_cast<int>((code >> 8) & 0xFF), static_cast<std::uint8_t>(code & 0x0F)});
}

std::string Account(const Frame& frame, std::size_t first) {
  return Printable(ReadField(frame, first, kAccountSize));
}

std::string Ansi(const Frame& frame, std::size_t first, std::size_t size) {
  return text::AnsiToUtf8(ReadField(frame, first, size));
}

std::string NewHand(const Frame& frame) {
  std::string coins;
  for (std::size_t i = 0; i < 4; ++i) {
    coins += (i == 0 ? "" : ",") + Number(frame, at::kHandCoins + 8 * i);
  }
  return " new-hand ante=" + Number(frame, at::kAnte) + " coins=" + coins +
         " hand=" + std::to_string(net::ReadLe32(frame, net::kHandIdAt));
}

std::string Turn(const Frame& frame) {
  return " turn" + SeatField(frame) + " cards=" + CardField(frame, at::kGate0) + "," +
         CardField(frame, at::kGate1) + " min=" + Number(frame, at::kMinBet) +
         " max=" + Number(frame, at::kMaxBet) + " round=" + std::to_string(frame[at::kRound]) +
         " phase=" + std::to_string(frame[at::kPhase]);
}

std::string GameOver(const Frame& frame) {
  std::string text = " game-over";
  for (std::size_t i = 0; i < 4; ++i) {
    const std::size_t b = at::kBlocks + at::kBlockSize * i;
    text += " [seat=" + Seats(frame[b]) + " result=" + std::to_string(frame[b + 26]) +
            " returned=" + Number(frame, b + 1) + " total=" + Number(frame, b + 9) +
            " final=" + std::to_string(net::ReadLe32(frame, b + 17)) +
            " level=" + std::to_string(frame[b + 25]) + "]";
  }
  return text;
}

std::string EndOfHand(const Frame& frame) {
  if (frame[net::kStatusAt] == 3) {
    return " coins-low out=" + Seats(frame[net::kSeatAt]) +
           " change-room=" + Seats(frame[at::kChangeRoom]);
  }
  return " end-of-hand" + StatusText(frame);
}

std::string Arrival(const Frame& frame) {
  return " arrival to=" + Seats(frame[net::kSeatAt]) + " seat=" + Seats(frame[at::kSeatWord]) +
         " account=" + Account(frame, at::kProfileAccount) + " nick=" + Ansi(frame, at::kNick, 32) +
         " coins=" + Number(frame, at::kCoins) + " ready=" + std::to_string(frame[at::kReady]);
}

// The same both ways: who speaks (as the frame says), to whom, which phrase, and the text.
std::string Chat(const Frame& frame) {
  const std::uint8_t speaker = frame[net::kSeatAt] & kSeatBits;
  const std::uint8_t target = frame[kChatTargetAt];
  std::string text = " chat from=" + (speaker == 0 ? std::string("server") : Seats(speaker)) +
                     " to=" + (target == 0 ? std::string("all") : Seats(target));
  const std::string line = std::to_string(frame[kChatLineAt]);
  switch (frame[kChatListAt]) {
    case 0:
      break;
    case kChatQuickList:
      text += " quick=" + line;
      break;
    case kChatVoiceList:
      text += " voice=" + line;
      break;
    default:
      text += " list=" + std::to_string(frame[kChatListAt]) + " line=" + line;
  }
  return text + " text=" + ChatText(frame);
}

}  // namespace

std::string DescribeReceived(const Frame& frame) {
  const std::string type = TypeText(frame);
  switch (frame[net::kTypeAt]) {
    case kTypeBet:
      return type + " bet amount=" + std::to_string(ReadBe64(frame, kBetAmountAt)) +
             (frame[kHotPotAt] == 1 ? " hot-pot" : "");
    case kTypeReadyOrLeave:
      if (frame[net::kStatusAt] == kStatusLeave) return type + " leave";
      if (frame[net::kStatusAt] == kStatusReady) return type + " ready";
      return type + StatusText(frame);
    case kTypeLogin:
      return type + " login" + Credentials(frame);
    case kTypeChat:
      return type + Chat(frame);
    case kTypeKeepAlive:
      return type + " keep-alive";
    case kTypeReconnect:
      return type + " reconnect" + Credentials(frame) +
             " hand=" + std::to_string(net::ReadLe32(frame, net::kHandIdAt));
    default:
      return type;
  }
}

std::string DescribeSent(const Frame& frame) {
  const std::string type = TypeText(frame);
  switch (frame[net::kTypeAt]) {
    case kTypeNewHand:
      return type + NewHand(frame);
    case kTypeTurnStart:
      return type + Turn(frame);
    case kTypeBet:
      return type + " bet" + SeatField(frame) + " third=" + CardField(frame, at::kThird) +
             " stake=" + Number(frame, at::kStake) + " pot=" + Number(frame, at::kPotAfterStake);
    case kTypeBetResult:
      return type + " result" + SeatField(frame) + (frame[at::kOutcome] == 1 ? " won" : " lost") +
             " stake=" + Number(frame, at::kResultStake) +
             " coins=" + Number(frame, at::kResultCoins) +
             " paid=" + Number(frame, at::kPotPayment) + " pot=" + Number(frame, at::kResultPot);
    case kTypePotRefill:
      return type + " refill" + SeatField(frame) + " amount=" + Number(frame, at::kRefillAmount) +
             " pot=" + Number(frame, at::kRefillPot);
    case kTypePotUpdate:
      return type + " pot=" + Number(frame, at::kPot);
    case kTypeGameOver:
      return type + GameOver(frame);
    case kTypeEndOfHand:
      return type + EndOfHand(frame);
    case kTypeLogin:
      return type + " login-reply" + StatusText(frame);
    case kTypePlayerArrives:
      return type + Arrival(frame);
    case kTypePlayerLeft:
      return type + " left account=" + Account(frame, at::kName);
    case kTypeRemoved:
      return type + " removed text=" + Ansi(frame, at::kNoticeText, at::kNoticeTextSize);
    case kTypePlayerReady:
      return type + " ready account=" + Account(frame, at::kName);
    case kTypeReconnectReply:
      return type + " reconnect-reply" + StatusText(frame);
    case kTypeChat:
      return type + Chat(frame);
    default:
      return type;
  }
}

}  // namespace tlj::server
