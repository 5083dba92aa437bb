#pragma once
// The folders of one run, under a fresh temporary folder that only this user can enter, so
// that nothing of another run (a window of the same title, a second client's lock) is seen.

#include <filesystem>

namespace tlj::lobby_tool {

class PrivateFolders {
 public:
  // Throws std::runtime_error when the folders cannot be made.
  PrivateFolders();
  ~PrivateFolders();  // removes everything in them
  PrivateFolders(const PrivateFolders&) = delete;
  PrivateFolders& operator=(const PrivateFolders&) = delete;

  std::filesystem::path Windows() const { return root_ / "windows"; }
  std::filesystem::path Program() const { return root_ / "program"; }
  std::filesystem::path Dumps() const { return root_ / "dumps"; }

 private:
  std::filesystem::path root_;
};

}  // namespace tlj::lobby_tool
