#pragma once

#include <string>
#include <vector>

#include "core/platform/shell.h"

namespace tlj::sim {

// A shell that opens nothing and keeps each address it was asked to open, in order.
class RecordingShell : public platform::Shell {
 public:
  void OpenAddress(const std::string& url) override { opened.push_back(url); }
  std::vector<std::string> opened;
};

}  // namespace tlj::sim
