#pragma once
// Fetching a remote file as a byte array in the background. The outcome arrives later as one
// event on the loop, so the logic never waits for the network.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tlj::platform {

struct DownloadResult {
  bool ok = false;
  std::vector<std::uint8_t> bytes;  // the whole body when ok
  std::string error;                // what went wrong when not ok
};

// The handle of a started download; id 0 means it did not start, and `error` says why.
struct DownloadStart {
  int id = 0;
  std::string error;
};

class Downloader {
 public:
  using Done = std::function<void(DownloadResult)>;
  virtual ~Downloader() = default;

  // Starts fetching `url`. Unless the download is cancelled, `done` runs exactly once, as a
  // posted loop event, never from inside Start. When it cannot start, `done` never runs.
  virtual DownloadStart Start(std::string_view url, Done done) = 0;
  // Forgets a download; its `done` will not run. Unknown ids are ignored.
  virtual void Cancel(int id) = 0;
};

}  // namespace tlj::platform
