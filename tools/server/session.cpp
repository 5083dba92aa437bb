#include "server/session.h"

#include <ostream>

#include "server/frame_text.h"

namespace tlj::server {

Session::Session(int id, TableContext context, Send send)
    : id_(id), context_(context), send_(std::move(send)) {}

Session::~Session() {
  context_.seats.Free(id_);
}

std::string Session::Who() const {
  const auto seat = Seat();
  return "conn=" + std::to_string(id_) + " seat=" + (seat ? std::to_string(*seat + 1) : "-");
}

void Session::Receive(std::span<const std::uint8_t> bytes) {
  for (const Frame& frame : assembler_.Add(bytes)) {
    ++context_.stats.frames;
    Log("recv " + Who() + " " + DescribeReceived(frame));
    Handle(frame);
  }
}

void Session::Handle(const Frame& frame) {
  switch (frame[net::kTypeAt]) {
    case kTypeLogin:
      Login(frame);
      break;
    case kTypeReconnect:
      Reconnect(frame);
      break;
    case kTypeKeepAlive:
      KeepAlive();
      break;
    default:
      CountIgnored("type " + std::to_string(frame[net::kTypeAt]) + " is not handled");
  }
}

void Session::Login(const Frame& frame) {
  const std::string account = ReadField(frame, kAccountAt, kAccountSize);
  const std::string password = ReadField(frame, kPasswordAt, kPasswordSize);
  if (!context_.accounts.Accepts(account, password)) {
    Reply(LoginReply(kLoginRefused));
    return;
  }
  Reply(LoginReply(context_.seats.Take(id_) ? kLoginAccepted : kLoginTableFull));
}

void Session::Reconnect(const Frame& frame) {
  if (net::ReadLe32(frame, net::kHandIdAt) >= kHandIdLimit) {
    CountInvalid("hand id out of range");
    return;
  }
  // No hand is ever under way yet, so there is none to go back to.
  Reply(ReconnectReply(kReconnectRefused));
}

void Session::KeepAlive() {
  // Its seat code is not checked: a client learns its seat from the arrival command only.
  if (!Seat()) CountInvalid("keep-alive before a login");
}

void Session::Reply(const Frame& frame) {
  Log("send " + Who() + " " + DescribeSent(frame));
  send_(frame);
}

void Session::CountIgnored(std::string_view why) {
  ++context_.stats.ignored;
  Log("ignored " + Who() + ": " + std::string(why));
}

void Session::CountInvalid(std::string_view why) {
  ++context_.stats.invalid;
  Log("invalid " + Who() + ": " + std::string(why));
}

void Session::Log(std::string_view line) const {
  if (context_.log != nullptr) *context_.log << line << std::endl;
}

}  // namespace tlj::server
