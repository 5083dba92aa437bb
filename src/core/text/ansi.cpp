#include "core/text/ansi.h"

#include <iconv.h>

#include <array>
#include <cerrno>

#include "core/platform/utf8.h"

namespace tlj::text {
namespace {

// One conversion descriptor per direction, opened on first use and kept for the run.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of `in`; false when a sequence cannot be converted.
  bool Convert(std::string_view in, std::string& out) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return false;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    std::array<char, 256> buffer{};
    while (src_left > 0) {
      char* dst = buffer.data();
      size_t dst_left = buffer.size();
      const size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      out.append(buffer.data(), buffer.size() - dst_left);
      if (rc == static_cast<size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

using platform::kReplacement;

Converter& ToGbk() {
  static Converter c("GBK", "UTF-8");
  return c;
}
Converter& FromGbk() {
  static Converter c("UTF-8", "GBK");
  return c;
}

}  // namespace

std::optional<std::uint16_t> FindAnsiCode(char32_t c) {
  if (c < 0x80) return static_cast<std::uint16_t>(c);
  std::string gbk;
  if (!ToGbk().Convert(EncodeUtf8(c), gbk) || gbk.empty() || gbk.size() > 2) return std::nullopt;
  if (gbk.size() == 1) return static_cast<unsigned char>(gbk[0]);
  return static_cast<std::uint16_t>(static_cast<unsigned char>(gbk[0]) * 256 +
                                    static_cast<unsigned char>(gbk[1]));
}

std::uint16_t AnsiCode(char32_t c) {
  return FindAnsiCode(c).value_or(u'?');
}

std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
  std::string gbk;
  if (!ToGbk().Convert(utf8, gbk)) return std::nullopt;
  return gbk;
}

std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  size_t i = 0;
  while (i < ansi.size()) {
    const auto b = static_cast<unsigned char>(ansi[i]);
    if (b < 0x80) {
      out.push_back(static_cast<char>(b));
      ++i;
      continue;
    }
    const size_t len = (i + 1 < ansi.size()) ? 2 : 1;
    std::string piece;
    if (FromGbk().Convert(ansi.substr(i, len), piece) && !piece.empty()) {
      out += piece;
      i += len;
    } else if (std::string one; FromGbk().Convert(ansi.substr(i, 1), one) && !one.empty()) {
      out += one;
      ++i;
    } else {
      out += EncodeUtf8(kReplacement);
      ++i;
    }
  }
  return out;
}

char32_t AnsiPairChar(std::uint8_t lead, std::uint8_t trail) {
  // Only 0x81..0xFE lead a pair; iconv would read any other first byte as a character of its own.
  if (lead < 0x81 || lead == 0xFF) return kReplacement;
  const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
  std::string utf8;
  if (!FromGbk().Convert(std::string_view(pair, 2), utf8)) return kReplacement;
  const std::u32string chars = DecodeUtf8(utf8);
  return chars.size() == 1 ? chars[0] : kReplacement;
}

char32_t ByteChar(std::uint8_t byte) {
  return byte;
}

}  // namespace tlj::text
