#include "core/net/socks5.h"

#include <algorithm>
#include <charconv>
#include <span>

#include "core/model/elements.h"
#include "core/model/lobby_window.h"
#include "core/net/channels.h"
#include "core/net/client_frames.h"
#include "core/net/connect.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/services.h"
#include "core/text/ansi.h"

namespace tlj::net {
namespace {

platform::GameSocket& Socket() {
  return *platform::Sys().socket;
}

// One byte per character; a character without a one-byte code leaves 0.
void AppendByteText(std::vector<std::uint8_t>& out, const std::string& utf8) {
  for (char32_t c : text::DecodeUtf8(utf8)) {
    const std::uint16_t code = text::AnsiCode(c);
    out.push_back(code <= 0xFF ? static_cast<std::uint8_t>(code) : 0);
  }
}

platform::Timer TimerProxyWait;

void SendRequest(std::uint8_t step) {
  std::vector<std::uint8_t> request;
  if (step == 1) request = BuildGreeting();
  if (step == 3) request = BuildAuthentication(ProxyUser, ProxyPassword);
  if (step == 5) request = BuildConnectRequest(ServerHost, ServerPort);
  ProxyStep = static_cast<std::uint8_t>(step + 1);
  ProxyBuffer.Clear();
  Socket().SendData(request);
}

void Fail(const char* text) {
  TimerProxyWait.SetEnabled(false);
  // The handshake is over: the proxy's bytes or its close while the box waits for the user
  // fail nothing again.
  ProxyStep = 0;
  platform::ShowMessageBox(model::kProgramTitle, text);
  Socket().Close();
}

void OpenTunnel() {
  TimerProxyWait.SetEnabled(false);
  DataMode = true;
  model::PostToLobby(platform::kLoggedIn);
  model::ClearSysmsg(0);
  model::AddSysmsg(0, "连接代理服务器成功！");
  Socket().SendData(LoginFrame);
  StartPump();
}

// The length of a successful CONNECT reply (its bound address depends on the address type),
// or 0 while too little of it is there to tell.
std::size_t ConnectReplyLength() {
  if (ProxyBuffer.Unread() < 5) return 0;
  switch (ProxyBuffer.Peek(3)) {
    case 1:
      return 4 + 4 + 2;
    case 3:
      return 4 + 1 + ProxyBuffer.Peek(4) + 2;
    case 4:
      return 4 + 16 + 2;
    default:
      return 4 + 4 + 2;
  }
}

// The tunnel is open: what came after the proxy's reply already belongs to the frame stream.
void OpenTunnelAfter(std::size_t reply_length) {
  platform::GameSocket::Bytes rest;
  for (std::size_t k = reply_length; k < ProxyBuffer.Unread(); ++k)
    rest.push_back(ProxyBuffer.Peek(k));
  OpenTunnel();
  if (!rest.empty()) Winsock1_DataArrival(rest);
}

// Judges the proxy's reply by its first two bytes, once both are there. A successful CONNECT
// reply is taken off whole, even when it arrives in pieces, so that none of it reaches the
// frame stream.
void ProxyReply() {
  if (ProxyBuffer.Unread() < 2) return;
  const std::uint8_t r0 = ProxyBuffer.Peek(0);
  const std::uint8_t r1 = ProxyBuffer.Peek(1);
  switch (ProxyStep) {
    case 2:
      if (r0 == 5 && r1 == 2) {
        SendRequest(3);
      } else if (r0 == 5 && r1 == 0) {
        SendRequest(5);
      } else {
        Fail("请求代理失败！");
      }
      break;
    case 4:
      if (r0 == 1 && r1 == 0) {
        SendRequest(5);
      } else {
        Fail("代理服务器用户验证失败！");
      }
      break;
    case 6:
      if (r0 == 5 && r1 == 0) {
        const std::size_t length = ConnectReplyLength();
        if (length != 0 && ProxyBuffer.Unread() >= length) OpenTunnelAfter(length);
      } else {
        Fail("通过代理连接主站失败！");
      }
      break;
    default:
      break;
  }
}

}  // namespace

std::vector<std::uint8_t> BuildGreeting() {
  return {5, 2, 0, 2};
}

std::vector<std::uint8_t> BuildAuthentication(const std::string& user,
                                              const std::string& password) {
  std::vector<std::uint8_t> out{1};
  out.push_back(static_cast<std::uint8_t>(text::DecodeUtf8(user).size()));
  AppendByteText(out, user);
  out.push_back(static_cast<std::uint8_t>(text::DecodeUtf8(password).size()));
  AppendByteText(out, password);
  return out;
}

std::vector<std::uint8_t> BuildConnectRequest(const std::string& host, int port) {
  std::vector<std::uint8_t> out{5, 1, 0, 1, 0, 0, 0, 0};
  std::size_t start = 0;
  for (int part = 0; part < 4 && start <= host.size(); ++part) {
    const std::size_t dot = host.find('.', start);
    const std::string_view piece(host.data() + start,
                                 (dot == std::string::npos ? host.size() : dot) - start);
    int value = -1;
    const auto [end, ec] = std::from_chars(piece.data(), piece.data() + piece.size(), value);
    if (ec == std::errc() && end == piece.data() + piece.size() && value >= 0 && value <= 255)
      out[4 + part] = static_cast<std::uint8_t>(value);
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  out.push_back(static_cast<std::uint8_t>((port >> 8) & 0xFF));
  out.push_back(static_cast<std::uint8_t>(port & 0xFF));
  return out;
}

void ConnectToSock5Server() {
  auto& loop = *platform::Sys().loop;
  auto& socket = Socket();
  DataMode = false;
  socket.SetRemote(ProxyHost, ProxyPort);
  if (socket.State() != platform::SocketState::Closed) socket.Close();
  socket.Connect();
  // Bounded: a proxy that never answers ends in the greeting failure instead of a hang.
  loop.ProcessEventsUntil(loop.Now() + kProxyConnectTimeoutMs, [&socket] {
    return socket.State() != platform::SocketState::Connecting;
  });
  if (socket.State() != platform::SocketState::Connected) {
    Fail("请求代理失败！");
    return;
  }
  LoginPending = true;
  SendRequest(1);
  TimerProxyWait.SetEnabled(false);
  TimerProxyWait.SetEnabled(true);
  ArmChannel(kLinkWatchChannel);
}

void CreateProxyTimer() {
  TimerProxyWait = platform::Timer(*platform::Sys().loop, FailProxyStep);
  TimerProxyWait.SetInterval(kProxyHandshakeTimeoutMs);
}

void DestroyProxyTimer() {
  TimerProxyWait = platform::Timer();
}

void ProxyBytesArrived(const platform::GameSocket::Bytes& bytes) {
  // A reply is judged by its first bytes, so the buffer takes no more than it holds: a proxy
  // that sends more at once is judged as any other, and what follows a CONNECT reply belongs to
  // the frame stream.
  const std::size_t taken = std::min(bytes.size(), kProxyBufferSize - 1 - ProxyBuffer.Unread());
  AppendArrived(ProxyBuffer, std::span(bytes).first(taken));
  ProxyReply();
  if (DataMode && taken < bytes.size())
    Winsock1_DataArrival(platform::GameSocket::Bytes(bytes.begin() + taken, bytes.end()));
}

void FailProxyStep() {
  TimerProxyWait.SetEnabled(false);
  if (DataMode) return;
  switch (ProxyStep) {
    case 2:
      Fail("请求代理失败！");
      break;
    case 4:
      Fail("代理服务器用户验证失败！");
      break;
    case 6:
      Fail("通过代理连接主站失败！");
      break;
    default:
      break;
  }
}

}  // namespace tlj::net
