#pragma once
// Starts the client on a virtual clock with an in-memory network, lobby, sound device and
// message boxes, so a test can feed server frames, advance time and look at what came out.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/net/frame.h"
#include "core/platform/services.h"
#include "sim/recording_message_boxes.h"
#include "sim/sim_lobby.h"
#include "sim/sim_network.h"
#include "sim/virtual_clock.h"

namespace tlj::testing {

// A temporary folder, removed when the test ends.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace tlj::testing
