// Chat at a table: people's lines passed on, and the bots' phrases now and then.

#include "tools/server/table.h"

#include <algorithm>

#include "tools/server/chat_frames.h"

namespace tlj::server {
namespace {

// The seat of a one-hot seat code; nothing for any other code.
std::optional<int> SeatOfCode(std::uint8_t code) {
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (code == SeatBit(seat)) return seat;
  }
  return std::nullopt;
}

std::string PhraseNote(const Frame& line) {
  const std::string number = std::to_string(line[kChatLineAt]);
  switch (line[kChatListAt]) {
    case kChatQuickList:
      return " (quick phrase " + number + ")";
    case kChatVoiceList:
      return " (voice phrase " + number + ")";
    default:
      return "";
  }
}

// How many of `phrases` a frame can name: byte 10 holds the line number.
std::size_t Sayable(const std::vector<Phrase>& phrases) {
  const auto end = std::partition_point(phrases.begin(), phrases.end(),
                                        [](const Phrase& p) { return p.line <= kLastChatLine; });
  return static_cast<std::size_t>(end - phrases.begin());
}

}  // namespace

Verdict Table::Chat(int seat, const Frame& frame) {
  const Player* speaker = At(seat);
  if (speaker == nullptr) return {Verdict::Kind::kIgnored, "chat without a seat"};
  if (!HasChatText(frame)) return {Verdict::Kind::kIgnored, "a chat line without a text"};
  const Frame line = RelayedChat(frame, seat);
  const std::uint8_t code = line[kChatTargetAt];
  std::string to;
  if (code == 0) {
    Broadcast(line);
  } else {
    const auto target = SeatOfCode(code);
    if (!target || At(*target) == nullptr) {
      return {Verdict::Kind::kIgnored,
              "a private chat line to seat code " + std::to_string(code) + ", where nobody sits"};
    }
    Send(seat, line);
    if (*target != seat) Send(*target, line);
    to = " to " + Name(*At(*target));
  }
  Say(Name(*speaker) + " chats" + to + PhraseNote(line) + ": " + ChatText(line));
  return {};
}

void Table::ArmBotChat() {
  const ChatPhrases& phrases = config_.phrases;
  if (config_.bot_chat <= 0 || phrases.Empty()) return;
  Random& chance = house_.chat_random;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const Player* p = At(seat);
    if (p == nullptr || !p->Bot() || !chance.OneIn(config_.bot_chat)) continue;
    const bool voice = chance.OneIn(2);
    const std::size_t sayable = Sayable(voice ? phrases.voice : phrases.quick);
    if (sayable == 0) continue;
    const auto phrase =
        static_cast<std::size_t>(chance.Between(0, static_cast<std::int64_t>(sayable) - 1));
    const platform::TimeMs delay =
        chance.Between(config_.bot_chat_earliest_ms, config_.bot_chat_latest_ms);
    bot_chat_[static_cast<std::size_t>(seat)].Start(
        delay,
        [this, seat, bot = p->bot_number, voice, phrase] { BotSays(seat, bot, voice, phrase); });
  }
}

void Table::BotSays(int seat, int bot_number, bool voice, std::size_t phrase) {
  const Player* p = At(seat);
  if (p == nullptr || p->bot_number != bot_number) return;
  const Phrase& said = (voice ? config_.phrases.voice : config_.phrases.quick)[phrase];
  const std::string text = p->profile.nick + std::string(kSays) + said.text;
  Chat(seat, PhraseFrame(seat, voice ? kChatVoiceList : kChatQuickList, said.line, text));
}

}  // namespace tlj::server
