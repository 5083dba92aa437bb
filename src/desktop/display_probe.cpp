#include "desktop/display_probe.h"

#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <string_view>

#include "desktop/socket_probe.h"

namespace tlj::desktop {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// "host:N[.S]": the display number N, or -1.
int DisplayNumber(std::string_view display) {
  const auto colon = display.rfind(':');
  if (colon == std::string_view::npos) return -1;
  std::string_view number = display.substr(colon + 1);
  number = number.substr(0, number.find('.'));
  int n = -1;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), n);
  if (error != std::errc() || end != number.data() + number.size() || n < 0) return -1;
  return n;
}

bool TcpDisplayAnswers(const std::string& host, int number) {
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const std::string port = std::to_string(6000 + number);
  if (::getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0) return false;
  bool answers = false;
  for (addrinfo* a = found; a != nullptr && !answers; a = a->ai_next) {
    const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) continue;
    answers = ::connect(fd, a->ai_addr, a->ai_addrlen) == 0;
    ::close(fd);
  }
  ::freeaddrinfo(found);
  return answers;
}

bool XDisplayAnswers(const std::string& display) {
  if (display.empty()) return false;
  if (const std::string path = XSocketPath(display); !path.empty()) return UnixSocketAnswers(path);
  const int number = DisplayNumber(display);
  if (number < 0) return false;
  return TcpDisplayAnswers(display.substr(0, display.rfind(':')), number);
}

bool WaylandAnswers() {
  const std::string name = Environment("WAYLAND_DISPLAY");
  if (name.empty()) return false;
  if (name.front() == '/') return UnixSocketAnswers(name);
  const std::string runtime = Environment("XDG_RUNTIME_DIR");
  return !runtime.empty() && UnixSocketAnswers(runtime + "/" + name);
}

}  // namespace

std::string XSocketPath(const std::string& display) {
  const std::string_view host = std::string_view(display).substr(0, display.rfind(':'));
  const int number = DisplayNumber(display);
  if (number < 0 || display.find(':') == std::string::npos) return {};
  if (!host.empty() && host != "unix") return {};
  return "/tmp/.X11-unix/X" + std::to_string(number);
}

bool DisplayAnswers() {
  if (!Environment("QT_QPA_PLATFORM").empty()) return true;
  return WaylandAnswers() || XDisplayAnswers(Environment("DISPLAY"));
}

}  // namespace tlj::desktop
