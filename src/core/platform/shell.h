#pragma once
// The operating system's shell, for what the client hands to other programs.

#include <string>

namespace tlj::platform {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a web address in the user's browser, without waiting for it.
  virtual void OpenAddress(const std::string& url) = 0;
};

}  // namespace tlj::platform
