#pragma once
// Downloads over plain HTTP on non-blocking sockets watched for the loop: one GET per
// address, HTTP/1.0, read to the end of the connection. The outcome is posted to the loop.

#include <sys/socket.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/download.h"
#include "core/platform/event_loop.h"
#include "posix/descriptor_watcher.h"

namespace tlj::posix {

// A response larger than this (head and body) fails instead of growing without end.
inline constexpr std::size_t kMaxDownloadBytes = std::size_t{16} << 20;
// A download that has not ended by then fails.
inline constexpr platform::TimeMs kDownloadTimeoutMs = 30'000;

class HttpDownloader : public platform::Downloader {
 public:
  HttpDownloader(platform::EventLoop& loop, DescriptorWatcher& watcher);
  ~HttpDownloader() override;
  HttpDownloader(const HttpDownloader&) = delete;
  HttpDownloader& operator=(const HttpDownloader&) = delete;

  // Resolves the host here (as the game socket does); an address that cannot be used or a
  // host that does not resolve does not start.
  platform::DownloadStart Start(std::string_view url, Done done) override;
  void Cancel(int id) override;

 private:
  struct Address {
    sockaddr_storage storage{};
    socklen_t size = 0;
  };
  struct Transfer {
    Done done;
    std::vector<Address> candidates;  // addresses not yet tried
    int fd = -1;
    std::string request;
    std::size_t sent = 0;
    std::vector<std::uint8_t> received;
    platform::Timer timeout;
    bool finished = false;
  };

  bool TryNextAddress(int id, Transfer& transfer);
  void OnReady(int id, short revents);
  void Send(int id, Transfer& transfer);
  void Receive(int id, Transfer& transfer);
  void CloseSocket(Transfer& transfer);
  // Ends the transfer and posts its outcome.
  void Finish(int id, platform::DownloadResult result);

  platform::EventLoop& loop_;
  DescriptorWatcher& watcher_;
  std::map<int, std::unique_ptr<Transfer>> transfers_;
  int next_id_ = 1;
  // Posted outcomes hold a weak reference, so none runs after the downloader has gone.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace tlj::posix
