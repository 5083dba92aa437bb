#pragma once
// A downloader that keeps its requests until the test ends them, through the event loop as a
// real one does.

#include <map>
#include <string>
#include <vector>

#include "core/platform/download.h"
#include "core/platform/event_loop.h"

namespace tlj::testing {

class FakeDownloader : public platform::Downloader {
 public:
  explicit FakeDownloader(platform::EventLoop& loop) : loop_(loop) {}

  platform::DownloadStart Start(std::string_view url, Done done) override {
    urls.emplace_back(url);
    if (!start_error.empty()) return {0, start_error};
    const int id = next_id_++;
    pending_[id] = std::move(done);
    return {id, {}};
  }
  void Cancel(int id) override {
    cancelled.push_back(id);
    pending_.erase(id);
  }

  // Ends the oldest pending download with `result`, posted to the loop.
  void Finish(platform::DownloadResult result) {
    auto it = pending_.begin();
    Done done = std::move(it->second);
    pending_.erase(it);
    loop_.Post([done = std::move(done), result = std::move(result)]() mutable {
      done(std::move(result));
    });
  }
  std::size_t Pending() const { return pending_.size(); }

  std::vector<std::string> urls;
  std::vector<int> cancelled;
  std::string start_error;  // when set, nothing starts

 private:
  platform::EventLoop& loop_;
  std::map<int, Done> pending_;
  int next_id_ = 1;
};

}  // namespace tlj::testing
