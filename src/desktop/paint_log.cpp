#include "desktop/paint_log.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace tlj::desktop {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::FILE* Log() {
  static const std::unique_ptr<std::FILE, FileCloser> file = [] {
    const char* path = std::getenv("TLJ_PAINT_LOG");
    return std::unique_ptr<std::FILE, FileCloser>(
        path != nullptr && *path != '\0' ? std::fopen(path, "a") : nullptr);
  }();
  return file.get();
}

void Line(std::string_view what) {
  std::FILE* file = Log();
  if (file == nullptr) return;
  const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
                       std::chrono::system_clock::now().time_since_epoch())
                       .count();
  std::fprintf(file, "%lld %.*s\n", static_cast<long long>(now), static_cast<int>(what.size()),
               what.data());
  std::fflush(file);  // the script reads while the program runs
}

}  // namespace

void LogPaint(std::string_view window) {
  Line("paint " + std::string(window));
}

void LogRenderPoint() {
  Line("render");
}

}  // namespace tlj::desktop
