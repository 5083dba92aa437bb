// tlj-fuzz-seeds OUTDIR: writes the binary part of the fuzz targets' seed corpus (fuzz/corpus/
// holds what it wrote, beside the text seeds written by hand) into OUTDIR/<target>/: real
// frames from the tests' builders in the pieces the targets read, proxy replies, and GIFs and
// JPEGs from the tests' builders and the shipped artwork.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/net/client_frames.h"
#include "core/net/frame.h"
#include "core/view/anigif/gif_file.h"
#include "fuzz/pieces.h"
#include "resources/embedded_store.h"
#include "tests/support/frames.h"
#include "tests/view/gif_builder.h"
#include "tests/view/jpeg_builder.h"

namespace {

using namespace tlj;
using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

fs::path out_dir;

void Write(const std::string& target, const std::string& name, const Bytes& bytes) {
  const fs::path folder = out_dir / target;
  fs::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// Pieces of one peer, each followed by its pause.
struct Said {
  Bytes bytes;
  platform::TimeMs pause_ms = 100;
  int peer = 0;
  bool closes = false;
};

Bytes AsBytes(const net::Frame& frame) {
  return {frame.begin(), frame.end()};
}

Bytes Pieces(std::initializer_list<Said> said) {
  Bytes input;
  for (const Said& s : said) fuzz::AppendPiece(input, {s.bytes, s.pause_ms, s.peer, s.closes});
  return input;
}

// The frames one after the other in pieces of `size` bytes, no pause between them.
Bytes InPiecesOf(const std::vector<net::Frame>& frames, std::size_t size) {
  Bytes stream;
  for (const net::Frame& f : frames) stream.insert(stream.end(), f.begin(), f.end());
  Bytes input;
  for (std::size_t at = 0; at < stream.size(); at += size) {
    const auto piece = std::span(stream).subspan(at, std::min(size, stream.size() - at));
    fuzz::AppendPiece(input, {piece, 0, 0, false});
  }
  fuzz::AppendPiece(input, {{}, 3000, 0, false});
  return input;
}

void ReceivePathSeeds() {
  using namespace testing;
  Write(
      "receive_path", "bet_and_result",
      Pieces({{AsBytes(BetFrame(1, 100, 500)), 1500},
              {AsBytes(BetResultFrame({.seat = 1, .stake = 100, .coins = 1100, .pot = 400})), 1500},
              {AsBytes(PotUpdateFrame(1, 400)), 200},
              {AsBytes(TurnFrame({.seat = 2, .rank0 = 3, .rank1 = 12})), 1500},
              {AsBytes(BetFrame(2, 0, 400)), 1000}}));
  Write("receive_path", "end_of_game",
        Pieces({{AsBytes(EndOfHandFrame({})), 1000},
                {AsBytes(GameOverFrame({.result_bytes = "\xca\xa4"})), 3000},
                {AsBytes(EndOfHandFrame({.status = 3, .seats = 4})), 1000},
                {AsBytes(EndOfHandFrame({.shuffle_after_game = 1, .show_shuffle_now = 1})), 3000},
                {AsBytes(NewHandFrame(200, 5000)), 1000}}));
  Write("receive_path", "pot_refill_and_hot_pot",
        Pieces({{AsBytes(PotRefillFrame(0x0F, 100, 800, 900)), 1500},
                {AsBytes(TurnFrame({.seat = 1, .min = 800, .max = 800, .phase = 1})), 1500}}));
  Write("receive_path", "chat",
        Pieces({{AsBytes(ChatFrame({.seat = 2, .text = "nick1说道： 你好"})), 300},
                {AsBytes(ChatFrame({.seat = 4, .text = "悄悄话", .target = 1})), 300},
                {AsBytes(ChatFrame({.seat = 8,
                                    .text = "再见了",
                                    .list = 2,
                                    .line = 1,
                                    .clip_letter = 'a',
                                    .clip_number = 1})),
                 300},
                {AsBytes(ChatFrame({.seat = 0, .text = "系统：欢迎"})), 300}}));
  Write("receive_path", "players_come_and_go",
        Pieces({{AsBytes(PlayerLeftFrame("p2")), 500},
                {AsBytes(PlayerArrivesFrame({.account = "p9", .seat = 4, .nick = "新人"})), 500},
                {AsBytes(PlayerReadyFrame("p9")), 500},
                {AsBytes(RemovedFrame("你被请出了桌子")), 2000}}));
  Write(
      "receive_path", "frames_split_oddly",
      InPiecesOf(
          {BetFrame(1, 100, 500), ChatFrame({.seat = 2, .text = "W"}), IgnoredFrame(0xA0, 1)}, 97));
  Write("receive_path", "reconnection",
        Pieces({{{}, 500, 0, true},
                {{}, 3000},
                {AsBytes(ReconnectReplyFrame()), 1000},
                {AsBytes(TurnFrame({.seat = 1})), 1000}}));
  Write("receive_path", "login_reply_again",
        Pieces({{AsBytes(LoginReplyFrame({.turn_seconds = 20, .ad_page = "http://a/ad.html"})),
                 1000}}));
}

void Socks5Seeds() {
  const Bytes login = AsBytes(testing::LoginReplyFrame({.turn_seconds = 15}));
  Bytes domain_reply = {5, 0, 0, 3, 4, 'h', 'o', 's', 't', 19, 136};
  domain_reply.insert(domain_reply.end(), login.begin(), login.end());
  Write("socks5", "with_password",
        Pieces({{{5, 2}}, {{1, 0}}, {{5, 0, 0, 1, 10, 0, 0, 7, 19, 136}}, {login, 1000}}));
  Write("socks5", "without_password", Pieces({{{5, 0}}, {{5, 0, 0, 1, 0, 0, 0, 0, 0, 0}}}));
  Write("socks5", "domain_reply_and_frame_together", Pieces({{{5, 0}}, {domain_reply, 1000}}));
  Write("socks5", "ipv6_reply_in_pieces",
        Pieces({{{5, 0}},
                {{5, 0}},
                {{0, 4, 0, 0, 0, 0, 0, 0, 0, 0}},
                {{0, 0, 0, 0, 0, 0, 0, 1}},
                {{0, 80}, 1000}}));
  Write("socks5", "refused", Pieces({{{5, 255}, 1000}}));
  Write("socks5", "bad_password", Pieces({{{5, 2}}, {{1, 1}, 1000}}));
  Write("socks5", "connect_failed", Pieces({{{5, 0}}, {{5, 5, 0, 1, 0, 0, 0, 0, 0, 0}, 1000}}));
  Write("socks5", "closes_in_the_handshake", Pieces({{{5, 2}, 100, 0, true}, {{}, 3000}}));
}

Bytes LoginFrom(const char* account) {
  net::BuildLoginFrame(account, "pw");
  return AsBytes(net::LoginFrame);
}

void ServerSeeds() {
  const Bytes ready = AsBytes(net::BuildReadyFrame(1));
  Write("server_intake", "one_player_plays",
        Pieces({{LoginFrom("abc"), 3100},
                {ready, 3100},
                {AsBytes(net::BuildBetFrame(1, 100, false)), 1000},
                {AsBytes(net::BuildGiveUpFrame(1)), 3100},
                {AsBytes(net::BuildKeepAlive(1)), 3100}}));
  net::g_sChatText = "大家好";
  net::Frame chat = net::BuildChatFrame(2);
  net::EncodeChatText(chat);
  Write("server_intake", "two_players_talk_and_one_leaves",
        Pieces({{LoginFrom("abc"), 100},
                {LoginFrom("def"), 3100, 1},
                {ready, 100},
                {AsBytes(net::BuildReadyFrame(2)), 3100, 1},
                {AsBytes(chat), 500, 1},
                {AsBytes(net::BuildLeaveFrame(2)), 1000, 1, true}}));
  net::BuildLoginFrame("abc", "pw");
  net::MakeReconnectRequest(1);
  Write("server_intake", "lost_and_reconnected",
        Pieces({{LoginFrom("abc"), 3100},
                {ready, 3100},
                {{}, 1000, 0, true},
                {AsBytes(net::LoginFrame), 3100, 1}}));
  const Bytes login = LoginFrom("abc");
  Write("server_intake", "login_in_pieces",
        Pieces({{{login.begin(), login.begin() + 1}, 0},
                {{login.begin() + 1, login.begin() + 200}, 0},
                {{login.begin() + 200, login.end()}, 3100}}));
}

// Six bytes of the picture target's settings, then the picture.
Bytes Picture(std::initializer_list<std::uint8_t> settings, const Bytes& picture) {
  Bytes input(settings);
  input.insert(input.end(), picture.begin(), picture.end());
  return input;
}

std::optional<Bytes> Shipped(const char* type, int id) {
  const auto bytes = resources::EmbeddedStore().Get(type, id);
  if (!bytes) return std::nullopt;
  return Bytes(bytes->begin(), bytes->end());
}

// The smallest picture of the artwork (ids 1 to 2000) that `wanted` takes.
template <typename Wanted>
std::optional<Bytes> SmallestShipped(Wanted wanted) {
  std::optional<Bytes> smallest;
  for (int id = 1; id <= 2000; ++id) {
    auto bytes = Shipped("GIF", id);
    if (!bytes || !wanted(*bytes)) continue;
    if (!smallest || bytes->size() < smallest->size()) smallest = std::move(bytes);
  }
  return smallest;
}

bool IsAnimation(const Bytes& bytes) {
  view::anigif::ParsedGif gif;
  view::anigif::LoadError error;
  return view::anigif::ParseGif(bytes, gif, error) && gif.frames.size() > 1;
}

void PictureSeeds() {
  using namespace testing;
  const std::vector<Colour> four = {{0, 0, 0}, {250, 0, 0}, {0, 250, 0}, {0, 0, 250}};
  GifPlan animation = Plan(8, 8, four, {});
  for (int k = 0; k < 3; ++k) {
    animation.frames.push_back(
        Timed(Filled(k, k, 8 - k, 8 - k, static_cast<std::uint8_t>(k + 1)), 10 * (k + 1), k, 0));
  }
  animation.loops = 2;
  Write("picture", "animation", Picture({1, 0, 1, 0, 8, 8}, BuildGif(animation)));
  GifFrame interlaced = Filled(0, 0, 2, 9, 0);
  interlaced.interlaced = true;
  interlaced.pixels = {0, 1, 2, 3, 0, 1, 2, 3, 1, 0, 1, 2, 3, 0, 1, 2, 3, 1};
  interlaced.local = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}};
  Write("picture", "interlaced_local_palette",
        Picture({3, 1, 0, 255, 3, 20}, BuildGif(Plan(2, 9, four, {interlaced}))));
  Write("picture", "frame_past_the_screen",
        Picture({4, 2, 2, 1, 10, 10},
                WithScreen(BuildGif(Plan(4, 4, four, {Filled(2, 2, 4, 4, 1)})), 3, 3)));
  Write("picture", "no_colour_table",
        Picture({0, 3, 3, 0, 1, 1}, WithoutGlobalTable(BuildGif(Plan(2, 2, four, {})))));
  Write("picture", "tiny", Picture({2, 0, 1, 0, 0, 0}, TinyGif()));
  Write("picture", "jpeg", Picture({1, 0, 0, 0, 4, 4}, BuildJpeg(8, 8, 200, 100, 50)));
  // The animated pot's shape, small: a whole frame, a small one inside it, and one that is
  // put back to the background after it.
  GifPlan pot =
      Plan(48, 48, four,
           {Timed(Filled(0, 0, 48, 48, 1), 50, 1, 3), Timed(Filled(16, 28, 14, 5, 2), 20, 1, 3),
            Timed(Filled(0, 0, 48, 48, 0), 100, 2, 3)});
  pot.loops = 0;
  Write("picture", "pot_shaped", Picture({1, 0, 1, 0, 24, 24}, BuildGif(pot)));
  if (const auto gif = SmallestShipped(IsAnimation)) {
    Write("picture", "shipped_animation", Picture({1, 0, 1, 0, 16, 16}, *gif));
  }
  if (const auto jpeg =
          SmallestShipped([](const Bytes& b) { return !view::anigif::HasGifSignature(b); })) {
    Write("picture", "shipped_jpeg", Picture({1, 0, 1, 0, 16, 16}, *jpeg));
  }
}

void ChatSeeds() {
  using testing::ChatFrame;
  Write("chat_text", "public", AsBytes(ChatFrame({.seat = 2, .text = "nick1说道： 大家好，fuck"})));
  Write("chat_text", "private", AsBytes(ChatFrame({.seat = 1, .text = "悄悄话", .target = 4})));
  Write("chat_text", "quick_phrase", AsBytes(ChatFrame({.seat = 4, .list = 1, .line = 2})));
  Write(
      "chat_text", "voice_phrase",
      AsBytes(ChatFrame({.seat = 8, .list = 2, .line = 1, .clip_letter = 'a', .clip_number = 3})));
  Write("chat_text", "server_line", AsBytes(ChatFrame({.seat = 0, .text = "系统：欢迎光临"})));
  net::Frame broken = ChatFrame({.seat = 2, .text = "半个"});
  broken[net::chat::kTextAt + 4] = 0x81;  // a lead byte whose trail is the end of the text
  broken[net::chat::kTextAt + 5] = 0;
  Write("chat_text", "half_a_character", AsBytes(broken));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tlj-fuzz-seeds OUTDIR\n");
    return 2;
  }
  out_dir = argv[1];
  ReceivePathSeeds();
  Socks5Seeds();
  ServerSeeds();
  PictureSeeds();
  ChatSeeds();
  return 0;
}
