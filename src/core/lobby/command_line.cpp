#include "core/lobby/command_line.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/text/ansi.h"

namespace tlj::lobby {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";
constexpr std::size_t kMaxProxyCredential = 255;

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// Takes the next field off `rest`: the text before the first "$".
std::optional<std::string> NextField(std::string_view& rest) {
  const auto dollar = rest.find('$');
  if (dollar == std::string_view::npos) return std::nullopt;
  std::string f(rest.substr(0, dollar));
  rest.remove_prefix(dollar + 1);
  return f;
}

bool FitsProxyCredential(const std::string& s) {
  return text::DecodeUtf8(s).size() <= kMaxProxyCredential;
}

bool ReadTypedFields(CommandLine& line) {
  const auto port = ToInt16(line.Field(4));
  if (!port) return false;
  line.server_port = *port;
  if (line.spectator) return true;  // a spectator connects directly and has no titles
  const auto proxy_type = ToInt16(line.Field(6));
  if (!proxy_type) return false;
  line.proxy_type = *proxy_type;
  // The proxy fields are there on every line but mean something only for a proxy connection.
  if (line.proxy_type == 5) {
    const auto proxy_port = ToInt16(line.Field(8));
    if (!proxy_port) return false;
    line.proxy_port = *proxy_port;
  }
  if (!FitsProxyCredential(line.Field(9)) || !FitsProxyCredential(line.Field(10))) return false;
  line.own_titles = LeadingNumber(line.Field(11)) == 1.0;
  return true;
}

}  // namespace

std::optional<double> ToNumber(std::string_view text) {
  const std::string s(Trim(text));
  if (s.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const double value = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size() || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
  // strtod also reads hexadecimal, "inf" and "nan"; a command-line number is decimal.
  if (s.find_first_of("xXnN") != std::string::npos) return std::nullopt;
  return value;
}

std::optional<std::int16_t> ToInt16(std::string_view text) {
  const auto value = ToNumber(text);
  if (!value) return std::nullopt;
  const double rounded = std::nearbyint(*value);
  if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

double LeadingNumber(std::string_view text) {
  std::size_t i = text.find_first_not_of(kBlanks);
  if (i == std::string_view::npos) return 0;
  std::string digits;
  if (text[i] == '+' || text[i] == '-') digits.push_back(text[i++]);
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digits.push_back(c);
    } else if (c == '.' && !point) {
      point = true;
      digits.push_back(c);
    } else {
      break;
    }
  }
  return std::strtod(digits.c_str(), nullptr);
}

ParsedCommandLine ParseCommandLine(std::string_view text) {
  std::string_view rest = Trim(text);
  if (rest.empty()) return {std::nullopt, CommandLineError::Empty};
  CommandLine line;
  line.spectator = rest.back() != '$';
  const int leading = line.spectator ? 5 : kFieldCount;
  for (int k = 0; k < leading; ++k) {
    auto f = NextField(rest);
    if (!f) return {};
    line.field[k] = std::move(*f);
  }
  if (line.spectator) {
    // A spectator's line: fields 1 to 5, then the seat number, nothing after it.
    const auto seat_word = ToNumber(rest);
    if (!seat_word) return {};
    line.seat_word = *seat_word;
  }
  if (!ReadTypedFields(line)) return {};
  return {std::move(line), CommandLineError::Malformed};
}

std::string MaskedCommandLine(const CommandLine& line) {
  std::string out;
  for (int k = 1; k <= kFieldCount; ++k) {
    out += (k == 2 || k == 10) && !line.Field(k).empty() ? "***" : line.Field(k);
    out += '$';
  }
  return out;
}

}  // namespace tlj::lobby
