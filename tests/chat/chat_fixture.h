#pragma once
// A seated table whose players have names and voices, with the chat box typed into as the
// window system delivers keys.

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/frame_fields.h"
#include "core/platform/utf8.h"
#include "core/text/ansi.h"
#include "tests/support/table_fixture.h"

namespace tlj::testing {

inline constexpr int kEnterKey = 13;
inline constexpr int kBackspaceKey = 8;

class ChatFixture : public SeatedFixture {
 protected:
  void SetUp() override {
    SeatedFixture::SetUp();
    const char* nicks[] = {"abc", "bob", "cat", "dan"};
    for (std::size_t pos = 0; pos < 4; ++pos) {
      auto& p = model::profile[pos];
      p.nick = nicks[pos];
      p.voiceSet = "00";
      p.voiceKind = "01";
      p.sex = pos % 2 == 0 ? 1 : 0;
    }
    model::g_bGameActive = true;
    h.sound.ClearCalls();  // the start-up's background music
  }

  void Key(int code) {
    platform::ElementEvent press;
    press.window = "MainForm";
    press.name = "Chat";
    press.kind = platform::EventKind::KeyPress;
    press.key = code;
    h.tree.Fire(press);
  }
  void Type(std::string_view utf8) {
    for (const char32_t c : platform::DecodeUtf8(utf8)) Key(static_cast<int>(c));
  }
  void Enter() { Key(kEnterKey); }

  std::string ChatBox() { return h.El("Chat").caption; }
  std::vector<std::string> History() { return h.tree.El("Talk", "Text1").lines; }
  std::vector<net::Frame> ChatSent() const { return Sent(net::kTypeChat); }

  // The text of a frame the client sent, back from GBK.
  static std::string TextOf(const net::Frame& frame) {
    std::string bytes;
    for (std::size_t at = net::chat::kTextAt; at < net::kFrameSize && frame[at] != 0; ++at)
      bytes += static_cast<char>(frame[at]);
    return text::AnsiToUtf8(bytes);
  }

  // The phrase file beside the program, in GBK; `utf8` must be GBK-encodable.
  void WritePhraseFile(std::string_view utf8) { WritePhraseBytes(text::Utf8ToAnsi(utf8).value()); }
  void WritePhraseBytes(std::string_view bytes) {
    std::ofstream(h.app_dir.path() / "chat.txt", std::ios::binary) << bytes;
  }
  static constexpr std::string_view kPhrases =
      "[chat1]\r\nnum=2\r\n1=你好\r\n2=快点吧\r\n[chat2]\r\nnum=1\r\n1=再见\r\n";
};

}  // namespace tlj::testing
