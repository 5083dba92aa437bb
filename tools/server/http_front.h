#pragma once
// A small HTTP server beside the game port, for the pages the login reply names. It answers GET
// and HEAD for the paths it was given and ends every connection after one answer, since the
// client's downloader reads up to the end of the connection. It runs on the poll loop and never
// blocks it: a slow peer is written to as its socket takes the bytes.

#include <cstddef>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/platform/event_loop.h"
#include "posix/poll_backend.h"
#include "posix/tcp_listener.h"
#include "tools/server/web_pages.h"

namespace tlj::server {

// A request head (request line, header lines and the empty line) may not be longer.
inline constexpr std::size_t kMaxRequestHeadBytes = 8 * 1024;
// A connection has this long from its start to the last byte of its answer, and again after the
// answer for the peer to close; a peer that says nothing is let go then.
inline constexpr platform::TimeMs kWebTimeoutMs = 5'000;

class HttpFront {
 public:
  // Listens on `host` and `port`; port 0 picks a free one the way the game port is picked.
  // `log`, when given, gets one line per answer and per connection ended without one. Throws
  // std::system_error when it cannot listen.
  HttpFront(platform::EventLoop& loop, posix::PollBackend& poll, const std::string& host, int port,
            WebPages pages, std::ostream* log = nullptr,
            platform::TimeMs timeout_ms = kWebTimeoutMs);
  HttpFront(const HttpFront&) = delete;
  HttpFront& operator=(const HttpFront&) = delete;
  ~HttpFront();

  const std::string& Host() const { return listener_.Host(); }
  int Port() const { return listener_.Port(); }
  // Where a client finds `path` here.
  std::string Address(std::string_view path) const { return WebAddress(Host(), Port(), path); }
  std::size_t OpenConnections() const { return links_.size(); }

 private:
  struct Link;

  void Accept(int fd, const std::string& peer);
  void OnReady(int id);
  void Read(int id, Link& link);
  void Write(int id, Link& link);
  void Drain(int id, Link& link);
  // Ends the connection; a non-empty `why` goes to the log.
  void Drop(int id, const std::string& why);

  platform::EventLoop& loop_;
  posix::PollBackend& poll_;
  WebPages pages_;
  std::ostream* log_;
  platform::TimeMs timeout_ms_;
  std::map<int, std::unique_ptr<Link>> links_;
  int next_id_ = 1;
  posix::TcpListener listener_;  // last: it may accept only once the rest exists
};

}  // namespace tlj::server
