#include "posix/window_directory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>
#include <utility>

namespace tlj::posix {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// Closes a descriptor when the scope ends, keeping errno as the last system call left it.
struct ScopedFd {
  int fd;
  ~ScopedFd() {
    if (fd < 0) return;
    const int saved = errno;
    ::close(fd);
    errno = saved;
  }
};

std::optional<sockaddr_un> SocketAddress(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return std::nullopt;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

const sockaddr* Raw(const sockaddr_un& address) {
  return reinterpret_cast<const sockaddr*>(&address);
}

socklen_t Size(const sockaddr_un& address) {
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + std::strlen(address.sun_path) +
                                1);
}

std::string DescriptorPath(int fd) {
  return "/proc/self/fd/" + std::to_string(fd);
}

}  // namespace

std::string WindowFileName(std::string_view title) {
  std::string name;
  for (const char c : title) {
    if (c == '%') {
      name += "%25";
    } else if (c == '/') {
      name += "%2F";
    } else {
      name += c;
    }
  }
  return name + ".win";
}

std::filesystem::path WindowDirectoryFromEnvironment() {
  if (const std::string own = Env("TLJ_RUNTIME_DIR"); !own.empty()) return own;
  if (const std::string runtime = Env("XDG_RUNTIME_DIR"); !runtime.empty()) {
    return std::filesystem::path(runtime) / "tlj";
  }
  return "/tmp/tlj-" + std::to_string(getuid());
}

WindowDirectory::WindowDirectory(std::filesystem::path path) : path_(std::move(path)) {
  std::error_code ec;
  if (!std::filesystem::exists(path_, ec)) {
    std::filesystem::create_directories(path_.parent_path(), ec);
    if (::mkdir(path_.c_str(), 0700) != 0 && errno != EEXIST) {
      throw std::system_error(errno, std::generic_category(),
                              "cannot create the window folder " + path_.string());
    }
  }
  struct stat info {};
  if (::stat(path_.c_str(), &info) != 0) {
    throw std::system_error(errno, std::generic_category(),
                            "cannot open the window folder " + path_.string());
  }
  // Anyone who owns the folder could pose as the lobby, so it must be ours.
  if (!S_ISDIR(info.st_mode) || info.st_uid != getuid()) {
    throw std::system_error(
        EPERM, std::generic_category(),
        "the window folder " + path_.string() + " is not a folder owned by this user");
  }
}

std::filesystem::path WindowDirectory::FileOf(std::string_view title) const {
  return path_ / WindowFileName(title);
}

int WindowDirectory::WithAddress(std::string_view title, const AddressCall& call) const {
  const std::string file = FileOf(title).string();
  if (const auto address = SocketAddress(file)) return call(Raw(*address), Size(*address));
  // A socket address holds little more than 100 bytes: reach a longer path through a
  // descriptor of the file itself.
  const ScopedFd target{::open(file.c_str(), O_PATH | O_CLOEXEC)};
  if (target.fd < 0) return -1;
  const auto address = SocketAddress(DescriptorPath(target.fd));
  return call(Raw(*address), Size(*address));
}

bool WindowDirectory::Find(std::string_view title) const {
  const ScopedFd probe{Connect(title)};
  return probe.fd >= 0;
}

PostOutcome WindowDirectory::TryPost(std::string_view title, const WindowMessage& message) const {
  const ScopedFd sender{::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0)};
  if (sender.fd < 0) return PostOutcome::kNoWindow;
  const std::string text = FormatWindowMessage(message);
  const int rc = WithAddress(title, [&](const sockaddr* a, socklen_t n) {
    return static_cast<int>(
        ::sendto(sender.fd, text.data(), text.size(), MSG_DONTWAIT | MSG_NOSIGNAL, a, n));
  });
  if (rc >= 0) return PostOutcome::kSent;
  if (errno == EAGAIN || errno == EWOULDBLOCK) return PostOutcome::kQueueFull;
  if (errno == ECONNREFUSED) ::unlink(FileOf(title).c_str());
  return PostOutcome::kNoWindow;
}

bool WindowDirectory::Post(std::string_view title, const WindowMessage& message) const {
  return TryPost(title, message) == PostOutcome::kSent;
}

int WindowDirectory::Connect(std::string_view title) const {
  ScopedFd sender{::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)};
  if (sender.fd < 0) return -1;
  if (WithAddress(
          title, [&](const sockaddr* a, socklen_t n) { return ::connect(sender.fd, a, n); }) == 0) {
    return std::exchange(sender.fd, -1);
  }
  // Nobody is bound to the file any more: its window is gone.
  if (errno == ECONNREFUSED) ::unlink(FileOf(title).c_str());
  return -1;
}

int WindowDirectory::Bind(std::string_view title) const {
  if (Find(title)) {
    throw std::system_error(EADDRINUSE, std::generic_category(),
                            "a window titled \"" + std::string(title) + "\" is already open");
  }
  ScopedFd fd{::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)};
  if (fd.fd < 0) throw std::system_error(errno, std::generic_category(), "cannot create a socket");
  const std::string file = FileOf(title).string();
  if (!BindLongPath(fd.fd, file)) {
    throw std::system_error(errno, std::generic_category(),
                            "cannot bind the window socket " + file);
  }
  return std::exchange(fd.fd, -1);
}

// A path too long for a socket address is bound under a short name in the folder, reached
// through a descriptor of the folder, and then renamed into place.
bool WindowDirectory::BindLongPath(int fd, const std::string& file) const {
  if (const auto address = SocketAddress(file))
    return ::bind(fd, Raw(*address), Size(*address)) == 0;
  const ScopedFd folder{::open(path_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)};
  if (folder.fd < 0) return false;
  const std::string temporary = ".bind-" + std::to_string(getpid());
  const auto address = SocketAddress(DescriptorPath(folder.fd) + "/" + temporary);
  ::unlinkat(folder.fd, temporary.c_str(), 0);
  if (::bind(fd, Raw(*address), Size(*address)) != 0) return false;
  if (::renameat(folder.fd, temporary.c_str(), AT_FDCWD, file.c_str()) != 0) {
    const int error = errno;
    ::unlinkat(folder.fd, temporary.c_str(), 0);
    errno = error;
    return false;
  }
  return true;
}

}  // namespace tlj::posix
