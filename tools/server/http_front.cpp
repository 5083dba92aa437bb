#include "tools/server/http_front.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <optional>
#include <ostream>

namespace tlj::server {
namespace {

// A peer that keeps sending after its answer gets this many reads at a time, so that it cannot
// hold the loop.
constexpr int kDrainReadsPerWake = 16;

struct Answer {
  std::string bytes;
  std::string summary;  // for the log
};

std::string_view Reason(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 400:
      return "Bad Request";
    case 404:
      return "Not Found";
    case 405:
      return "Method Not Allowed";
    case 431:
      return "Request Header Fields Too Large";
    default:
      return "Error";
  }
}

// The whole response; `with_body` false for HEAD, which gets the head of what GET would.
std::string Response(int status, std::string_view type, std::string_view body, bool with_body) {
  std::string text = "HTTP/1.1 " + std::to_string(status) + " " + std::string(Reason(status)) +
                     "\r\nContent-Type: " + std::string(type) +
                     "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n";
  if (status == 405) text += "Allow: GET, HEAD\r\n";
  text += "Connection: close\r\n\r\n";
  if (with_body) text += body;
  return text;
}

std::string ErrorResponse(int status, bool with_body = true) {
  const std::string body = std::to_string(status) + " " + std::string(Reason(status)) + "\n";
  return Response(status, "text/plain; charset=utf-8", body, with_body);
}

// The request line for the log: printable, and not too long.
std::string Printable(std::string_view line) {
  constexpr std::size_t kShown = 100;
  std::string text;
  for (const char c : line.substr(0, kShown))
    text.push_back(std::isprint(static_cast<unsigned char>(c)) ? c : '?');
  if (line.size() > kShown) text += "...";
  return "'" + text + "'";
}

bool IsMethod(std::string_view method) {
  constexpr std::string_view kMarks = "!#$%&'*+-.^_`|~";
  return !method.empty() && std::ranges::all_of(method, [&](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || kMarks.find(c) != std::string_view::npos;
  });
}

// The path of an origin-form ("/ad.html?x") or absolute-form ("http://host/ad.html") target;
// nothing for any other.
std::optional<std::string_view> PathOf(std::string_view target) {
  constexpr std::string_view kScheme = "http://";
  if (target.size() >= kScheme.size() &&
      std::equal(kScheme.begin(), kScheme.end(), target.begin(), [](char lower, char c) {
        return std::tolower(static_cast<unsigned char>(c)) == lower;
      })) {
    target.remove_prefix(kScheme.size());
    const std::size_t slash = target.find('/');
    target = slash == std::string_view::npos ? "/" : target.substr(slash);
  }
  if (!target.starts_with('/')) return std::nullopt;
  return target.substr(0, target.find_first_of("?#"));
}

Answer AnswerLine(std::string_view line, const WebPages& pages) {
  const std::string summary = Printable(line);
  const std::size_t first = line.find(' ');
  const std::size_t second = first == std::string_view::npos ? first : line.find(' ', first + 1);
  if (second == std::string_view::npos || line.find(' ', second + 1) != std::string_view::npos) {
    return {ErrorResponse(400), summary + ": 400"};
  }
  const std::string_view method = line.substr(0, first);
  const std::string_view version = line.substr(second + 1);
  const auto path = PathOf(line.substr(first + 1, second - first - 1));
  if (!IsMethod(method) || !path || (version != "HTTP/1.0" && version != "HTTP/1.1")) {
    return {ErrorResponse(400), summary + ": 400"};
  }
  const bool head = method == "HEAD";
  if (method != "GET" && !head) return {ErrorResponse(405), summary + ": 405"};
  const auto page = pages.find(*path);
  if (page == pages.end()) return {ErrorResponse(404, !head), summary + ": 404"};
  return {Response(200, "text/html; charset=utf-8", page->second, !head), summary + ": 200"};
}

// The answer once the head has come whole (or has grown too long); nothing while it may still
// come. Empty lines before the request line are passed over, as a server should; a line may end
// in a bare LF.
std::optional<Answer> AnswerTo(std::string_view received, const WebPages& pages) {
  const std::size_t start = std::min(received.find_first_not_of("\r\n"), received.size());
  std::string_view request_line;
  for (std::size_t at = start; at <= kMaxRequestHeadBytes;) {
    const std::size_t end = received.find('\n', at);
    if (end == std::string_view::npos) break;
    std::string_view line = received.substr(at, end - at);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (at == start) request_line = line;
    if (line.empty() && at != start) {
      if (end + 1 > kMaxRequestHeadBytes) break;
      return AnswerLine(request_line, pages);
    }
    at = end + 1;
  }
  if (received.size() <= kMaxRequestHeadBytes) return std::nullopt;
  return Answer{ErrorResponse(431),
                "a request head over " + std::to_string(kMaxRequestHeadBytes) + " bytes: 431"};
}

}  // namespace

struct HttpFront::Link {
  Link(posix::PollBackend& watcher, int socket, std::string from)
      : poll(watcher), fd(socket), peer(std::move(from)) {}
  ~Link() {
    poll.Unwatch(fd);
    ::close(fd);
  }
  Link(const Link&) = delete;
  Link& operator=(const Link&) = delete;

  enum class Stage { kReading, kWriting, kDraining };

  posix::PollBackend& poll;
  int fd;
  std::string peer;
  Stage stage = Stage::kReading;
  std::string received;
  std::string answer;
  std::size_t sent = 0;
  platform::Timer deadline;
};

HttpFront::HttpFront(platform::EventLoop& loop, posix::PollBackend& poll, const std::string& host,
                     int port, WebPages pages, std::ostream* log, platform::TimeMs timeout_ms)
    : loop_(loop),
      poll_(poll),
      pages_(std::move(pages)),
      log_(log),
      timeout_ms_(timeout_ms),
      listener_(posix::ListenOnPortOrFree(
          poll, host, port, [this](int fd, const std::string& peer) { Accept(fd, peer); })) {}

HttpFront::~HttpFront() = default;

void HttpFront::Accept(int fd, const std::string& peer) {
  const int id = next_id_++;
  auto link = std::make_unique<Link>(poll_, fd, peer);
  link->deadline = platform::Timer(loop_, [this, id] { Drop(id, "timed out"); });
  link->deadline.SetInterval(timeout_ms_);
  link->deadline.SetEnabled(true);
  poll_.Watch(fd, POLLIN, [this, id](short) { OnReady(id); });
  links_[id] = std::move(link);
}

void HttpFront::OnReady(int id) {
  const auto it = links_.find(id);
  if (it == links_.end()) return;
  Link& link = *it->second;
  switch (link.stage) {
    case Link::Stage::kReading:
      Read(id, link);
      break;
    case Link::Stage::kWriting:
      Write(id, link);
      break;
    case Link::Stage::kDraining:
      Drain(id, link);
      break;
  }
}

void HttpFront::Read(int id, Link& link) {
  char chunk[4096];
  for (;;) {
    const ssize_t n = ::recv(link.fd, chunk, sizeof chunk, 0);
    if (n > 0) {
      link.received.append(chunk, static_cast<std::size_t>(n));
      if (auto answer = AnswerTo(link.received, pages_)) {
        if (log_ != nullptr) *log_ << "web " << link.peer << ": " << answer->summary << std::endl;
        link.stage = Link::Stage::kWriting;
        link.received = {};
        link.answer = std::move(answer->bytes);
        Write(id, link);
        return;
      }
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      return;
    } else {
      Drop(id, n == 0 ? "closed before a whole request" : std::strerror(errno));
      return;
    }
  }
}

void HttpFront::Write(int id, Link& link) {
  while (link.sent < link.answer.size()) {
    const ssize_t n = ::send(link.fd, link.answer.data() + link.sent,
                             link.answer.size() - link.sent, MSG_NOSIGNAL);
    if (n > 0) {
      link.sent += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      poll_.SetEvents(link.fd, POLLOUT);
      return;
    } else {
      Drop(id, std::string("send failed: ") + std::strerror(errno));
      return;
    }
  }
  // Closing with bytes of the peer's unread would reset the connection and could take the
  // answer with it: the peer is told the answer is complete, and what it still sends is read
  // and dropped until it closes too.
  ::shutdown(link.fd, SHUT_WR);
  link.stage = Link::Stage::kDraining;
  link.answer = {};
  poll_.SetEvents(link.fd, POLLIN);
  link.deadline.SetEnabled(false);
  link.deadline.SetEnabled(true);
  Drain(id, link);
}

void HttpFront::Drain(int id, Link& link) {
  char chunk[4096];
  for (int reads = 0; reads < kDrainReadsPerWake; ++reads) {
    const ssize_t n = ::recv(link.fd, chunk, sizeof chunk, 0);
    if (n > 0 || (n < 0 && errno == EINTR)) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
    Drop(id, "");
    return;
  }
}

void HttpFront::Drop(int id, const std::string& why) {
  const auto it = links_.find(id);
  if (it == links_.end()) return;
  if (log_ != nullptr && !why.empty() && it->second->stage != Link::Stage::kDraining) {
    *log_ << "web " << it->second->peer << ": " << why << std::endl;
  }
  links_.erase(it);
}

}  // namespace tlj::server
