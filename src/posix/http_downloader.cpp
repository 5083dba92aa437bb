#include "posix/http_downloader.h"

#include <netdb.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "posix/http_address.h"
#include "posix/http_response.h"

namespace tlj::posix {

HttpDownloader::HttpDownloader(platform::EventLoop& loop, DescriptorWatcher& watcher)
    : loop_(loop), watcher_(watcher) {}

HttpDownloader::~HttpDownloader() {
  for (auto& [id, transfer] : transfers_) CloseSocket(*transfer);
}

platform::DownloadStart HttpDownloader::Start(std::string_view url, Done done) {
  std::string error;
  const auto address = ParseHttpAddress(url, error);
  if (!address) return {0, error};

  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICSERV;
  addrinfo* found = nullptr;
  if (getaddrinfo(address->host.c_str(), std::to_string(address->port).c_str(), &hints, &found) !=
      0) {
    return {0, "Host not found: " + address->host};
  }
  auto transfer = std::make_unique<Transfer>();
  for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
    Address candidate;
    std::memcpy(&candidate.storage, a->ai_addr, a->ai_addrlen);
    candidate.size = a->ai_addrlen;
    transfer->candidates.push_back(candidate);
  }
  freeaddrinfo(found);

  const bool ipv6_literal = address->host.find(':') != std::string::npos;
  const std::string host = ipv6_literal ? "[" + address->host + "]" : address->host;
  transfer->request = "GET " + address->target + " HTTP/1.0\r\nHost: " + host;
  if (address->port != 80) transfer->request += ":" + std::to_string(address->port);
  transfer->request += "\r\nAccept: */*\r\nConnection: close\r\n\r\n";
  transfer->done = std::move(done);

  const int id = next_id_++;
  if (!TryNextAddress(id, *transfer)) return {0, "Cannot connect to " + address->host};
  transfer->timeout = platform::Timer(loop_, [this, id] { Finish(id, {false, {}, "Timed out"}); });
  transfer->timeout.SetInterval(kDownloadTimeoutMs);
  transfer->timeout.SetEnabled(true);
  transfers_[id] = std::move(transfer);
  return {id, {}};
}

void HttpDownloader::Cancel(int id) {
  const auto it = transfers_.find(id);
  if (it == transfers_.end()) return;
  CloseSocket(*it->second);
  transfers_.erase(it);
}

// Starts connecting to the next address; false when none is left that takes a socket.
bool HttpDownloader::TryNextAddress(int id, Transfer& transfer) {
  while (!transfer.candidates.empty()) {
    const Address address = transfer.candidates.front();
    transfer.candidates.erase(transfer.candidates.begin());
    const int fd =
        ::socket(address.storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) continue;
    const int rc = ::connect(fd, reinterpret_cast<const sockaddr*>(&address.storage), address.size);
    if (rc == 0 || errno == EINPROGRESS) {
      transfer.fd = fd;
      transfer.sent = 0;
      watcher_.Watch(fd, POLLOUT, [this, id](short revents) { OnReady(id, revents); });
      return true;
    }
    ::close(fd);
  }
  return false;
}

void HttpDownloader::OnReady(int id, short revents) {
  const auto it = transfers_.find(id);
  if (it == transfers_.end() || it->second->finished) return;
  Transfer& transfer = *it->second;
  if (transfer.sent < transfer.request.size()) {
    int error = 0;
    socklen_t size = sizeof error;
    if (getsockopt(transfer.fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) error = errno;
    if (error != 0) {
      CloseSocket(transfer);
      if (!TryNextAddress(id, transfer)) Finish(id, {false, {}, std::strerror(error)});
      return;
    }
    Send(id, transfer);
    return;
  }
  if ((revents & (POLLIN | POLLHUP | POLLERR)) != 0) Receive(id, transfer);
}

void HttpDownloader::Send(int id, Transfer& transfer) {
  while (transfer.sent < transfer.request.size()) {
    const ssize_t n = ::send(transfer.fd, transfer.request.data() + transfer.sent,
                             transfer.request.size() - transfer.sent, MSG_NOSIGNAL);
    if (n > 0) {
      transfer.sent += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      return;
    } else {
      Finish(id, {false, {}, "Connection lost while sending"});
      return;
    }
  }
  watcher_.SetEvents(transfer.fd, POLLIN);
}

void HttpDownloader::Receive(int id, Transfer& transfer) {
  std::uint8_t chunk[65536];
  for (;;) {
    const ssize_t n = ::recv(transfer.fd, chunk, sizeof chunk, 0);
    if (n > 0) {
      if (transfer.received.size() + static_cast<std::size_t>(n) > kMaxDownloadBytes) {
        Finish(id, {false, {}, "File too large"});
        return;
      }
      transfer.received.insert(transfer.received.end(), chunk, chunk + n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      return;
    } else if (n < 0) {
      Finish(id, {false, {}, std::strerror(errno)});
      return;
    } else {
      platform::DownloadResult result;
      result.ok = ReadHttpBody(transfer.received, result.bytes, result.error);
      Finish(id, std::move(result));
      return;
    }
  }
}

void HttpDownloader::CloseSocket(Transfer& transfer) {
  if (transfer.fd < 0) return;
  watcher_.Unwatch(transfer.fd);
  ::close(transfer.fd);
  transfer.fd = -1;
}

void HttpDownloader::Finish(int id, platform::DownloadResult result) {
  const auto it = transfers_.find(id);
  if (it == transfers_.end() || it->second->finished) return;
  Transfer& transfer = *it->second;
  transfer.finished = true;
  CloseSocket(transfer);
  transfer.timeout.SetEnabled(false);
  transfer.received = {};
  loop_.Post([this, alive = std::weak_ptr<int>(alive_), id, result = std::move(result)]() mutable {
    if (alive.expired()) return;
    const auto found = transfers_.find(id);
    if (found == transfers_.end()) return;  // cancelled meanwhile
    Done done = std::move(found->second->done);
    transfers_.erase(found);
    done(std::move(result));
  });
}

}  // namespace tlj::posix
