#include "core/net/client_frames.h"

#include <algorithm>

#include "core/net/frame_fields.h"
#include "core/text/ansi.h"

namespace tlj::net {
namespace {

// Login texts and chat text stay inside the payload, clear of the token and the hand id.
constexpr std::size_t kPayloadEnd = kTokenAt;

Frame FrameFrom(std::uint8_t type, std::uint8_t seat_code) {
  Frame frame{};
  frame[kTypeAt] = type;
  frame[kSeatAt] = seat_code;
  return frame;
}

Frame EndOfHandFrame(std::uint8_t seat_code, std::uint8_t status) {
  Frame frame = FrameFrom(kTypeEndOfHand, seat_code);
  frame[kStatusAt] = status;
  return frame;
}

// Writes the text one byte per character from `first`; false when a character has no
// single-byte code or the text would run past the payload.
bool WriteSingleByteText(Frame& frame, std::size_t first, std::string_view utf8) {
  std::size_t at = first;
  for (const char32_t c : text::DecodeUtf8(utf8)) {
    const auto code = text::FindAnsiCode(c);
    if (!code || *code > 0xFF || at >= kPayloadEnd) return false;
    frame[at++] = static_cast<std::uint8_t>(*code);
  }
  return true;
}

// The login request as built, which a reconnect request overwrites in LoginFrame.
Frame LoginRequest{};

}  // namespace

bool BuildLoginFrame(std::string_view account, std::string_view password) {
  Frame frame{};
  frame[kTypeAt] = kTypeLogin;
  // The password goes in after the account: it overwrites an account longer than 16 characters.
  if (!WriteSingleByteText(frame, login::kAccountAt, account) ||
      !WriteSingleByteText(frame, login::kPasswordAt, password)) {
    return false;
  }
  LoginFrame = frame;
  LoginRequest = frame;
  return true;
}

void MakeLoginRequest() {
  LoginFrame = LoginRequest;
}

void MakeReconnectRequest(std::uint32_t hand_id) {
  LoginFrame[kTypeAt] = kTypeReconnect;
  LoginFrame[kTokenAt] = ServerToken[0];
  LoginFrame[kTokenAt + 1] = ServerToken[1];
  for (std::size_t k = 0; k < 4; ++k)
    LoginFrame[kHandIdAt + k] = static_cast<std::uint8_t>((hand_id >> (8 * k)) & 0xFF);
}

Frame BuildKeepAlive(std::uint8_t seat_code) {
  Frame frame = FrameFrom(kTypeKeepAlive, seat_code);
  frame[kTokenAt] = ServerToken[0];
  frame[kTokenAt + 1] = ServerToken[1];
  return frame;
}

Frame BuildReadyFrame(std::uint8_t seat_code) {
  return EndOfHandFrame(seat_code, ready_or_leave::kReady);
}

Frame BuildLeaveFrame(std::uint8_t seat_code) {
  return EndOfHandFrame(seat_code, ready_or_leave::kLeave);
}

Frame BuildBetFrame(std::uint8_t seat_code, double amount, bool hot_pot) {
  Frame frame = BuildGiveUpFrame(seat_code);
  WriteAmountBe(frame, user_bet::kAmountAt, amount);
  if (hot_pot) frame[user_bet::kHotPotAt] = 1;
  return frame;
}

Frame BuildGiveUpFrame(std::uint8_t seat_code) {
  return FrameFrom(kTypeBet, seat_code);
}

Frame BuildChatFrame(std::uint8_t seat_code) {
  return FrameFrom(kTypeChat, seat_code);
}

bool EncodeChatText(Frame& frame) {
  if (g_sChatText.empty()) return false;
  std::u32string chars = text::DecodeUtf8(g_sChatText);
  if (chars.size() > chat::kMaxChars) chars.resize(chat::kMaxChars);
  std::size_t at = chat::kTextAt;
  for (const char32_t c : chars) {
    const std::uint16_t code = text::AnsiCode(c);
    if (code > 0xFF) frame[at++] = static_cast<std::uint8_t>(code >> 8);
    frame[at++] = static_cast<std::uint8_t>(code & 0xFF);
  }
  std::fill(frame.begin() + static_cast<std::ptrdiff_t>(at), frame.end(), std::uint8_t{0});
  g_sChatText.clear();
  return true;
}

}  // namespace tlj::net
