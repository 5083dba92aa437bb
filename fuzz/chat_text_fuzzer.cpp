// A received chat frame: its text decoded, filtered, named, wrapped into history lines and cut
// for the strip; then the whole frame shown by a client seated at a full table in a hand, whose
// phrase lists are filled (a phrase's bubble, a voice clip, the blink of the history button).
// The input is the frame from its first byte; its type byte is always the chat's.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/chat/chat_text.h"
#include "core/chat/filter.h"
#include "core/chat/receive.h"
#include "core/net/frame.h"
#include "core/platform/element_tree.h"
#include "fuzz/seated_table.h"
#include "sim/client_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tlj;
  net::Frame frame{};
  std::copy_n(data, std::min(size, frame.size()), frame.begin());
  frame[net::kTypeAt] = net::kTypeChat;

  const std::string text = chat::DecodeChatText(frame);
  const std::string line = chat::FilterChat(chat::ReplaceAll(text, "nick1", "你"));
  platform::Element history;
  chat::AddWrapped(history, line, chat::kHistoryWidth);
  chat::AddWrapped(history, text, 1 + frame[net::kStatusAt] % 64);
  chat::FirstCharacters(line, chat::kStripLength);

  sim::ClientHarness h;
  fuzz::SitDownToAHand(h);
  h.ServerSend(frame);
  h.RunFor(3000);
  return 0;
}
