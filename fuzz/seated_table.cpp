#include "fuzz/seated_table.h"

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/text/ansi.h"
#include "tests/support/frames.h"

namespace tlj::fuzz {
namespace {

void Send(sim::ClientHarness& h, const net::Frame& frame, platform::TimeMs ms) {
  h.ServerSend(frame);
  h.RunFor(ms);
}

}  // namespace

void SitDownToAHand(sim::ClientHarness& h) {
  const std::string phrases =
      "[chat1]\r\nnum=2\r\n1=大家好\r\n2=快点吧\r\n[chat2]\r\nnum=2\r\n1=再见了\r\n2=不要走\r\n";
  std::ofstream(h.app_dir.path() / "chat.txt", std::ios::binary)
      << text::Utf8ToAnsi(phrases).value_or(phrases);
  h.StartAtTable();
  Send(h, testing::PlayerArrivesFrame(testing::User()), 200);
  for (int pos = 1; pos <= 3; ++pos) Send(h, testing::PlayerArrivesFrame(testing::Other(pos)), 200);
  Send(h, testing::NewHandFrame(100), 200);
  Send(h, testing::TurnFrame({.seat = 1}), 1000);
  HoldPicturesShown(h.tree);
}

void HoldPicturesShown(const platform::ElementTree& tree) {
  static std::vector<std::shared_ptr<const platform::Image>> held;
  if (!held.empty()) return;
  for (const auto& window : tree.Windows()) {
    if (window->image) held.push_back(window->image);
    for (const auto& piece : window->painting) held.push_back(piece.image);
    for (const auto& element : window->elements) {
      if (element->image) held.push_back(element->image);
    }
  }
}

}  // namespace tlj::fuzz
