#include "posix/http_response.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

namespace tlj::posix {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  std::ranges::transform(out, out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

}  // namespace

bool ReadHttpBody(std::span<const std::uint8_t> response, std::vector<std::uint8_t>& body,
                  std::string& error) {
  const std::string_view text(reinterpret_cast<const char*>(response.data()), response.size());
  const std::size_t head_end = text.find("\r\n\r\n");
  if (head_end == std::string_view::npos || !text.starts_with("HTTP/1.")) {
    error = "Not an HTTP response";
    return false;
  }
  std::string_view head = text.substr(0, head_end);
  const std::size_t status_end = head.find("\r\n");
  const std::string_view status_line = head.substr(0, status_end);
  const std::size_t space = status_line.find(' ');
  int status = 0;
  if (space == std::string_view::npos ||
      std::from_chars(status_line.data() + space + 1, status_line.data() + status_line.size(),
                      status)
              .ec != std::errc{}) {
    error = "Not an HTTP response";
    return false;
  }
  if (status != 200) {
    error = "HTTP status " + std::to_string(status);
    return false;
  }
  std::size_t length = std::string_view::npos;
  head = status_end == std::string_view::npos ? std::string_view{} : head.substr(status_end + 2);
  while (!head.empty()) {
    const std::size_t line_end = head.find("\r\n");
    const std::string_view line = head.substr(0, line_end);
    head = line_end == std::string_view::npos ? std::string_view{} : head.substr(line_end + 2);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string name = Lower(Trim(line.substr(0, colon)));
    const std::string_view value = Trim(line.substr(colon + 1));
    if (name == "transfer-encoding" && Lower(value) != "identity") {
      error = "Unsupported transfer encoding";
      return false;
    }
    if (name == "content-length") {
      std::size_t n = 0;
      const auto [end, failure] = std::from_chars(value.data(), value.data() + value.size(), n);
      if (failure != std::errc{} || end != value.data() + value.size()) {
        error = "Bad Content-Length";
        return false;
      }
      length = n;
    }
  }
  const auto content = response.subspan(head_end + 4);
  if (length != std::string_view::npos && content.size() < length) {
    error = "Response cut short";
    return false;
  }
  const std::size_t taken = std::min(content.size(), length);
  body.assign(content.begin(), content.begin() + static_cast<std::ptrdiff_t>(taken));
  return true;
}

}  // namespace tlj::posix
