#include "core/text/ansi.h"

#include <iconv.h>

#include <array>
#include <cerrno>

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

constexpr char32_t kReplacement = U'\uFFFD';

bool IsCharacter(char32_t c) {
  return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// What a UTF-8 lead byte announces: continuation bytes, its own value bits, and the smallest
// value that needs this length (anything below is an overlong form).
struct Utf8Lead {
  size_t extra = 0;
  char32_t bits = 0;
  char32_t min = 0;
};

Utf8Lead ClassifyLead(unsigned char b0) {
  if ((b0 & 0xE0) == 0xC0) return {1, static_cast<char32_t>(b0 & 0x1F), 0x80};
  if ((b0 & 0xF0) == 0xE0) return {2, static_cast<char32_t>(b0 & 0x0F), 0x800};
  if ((b0 & 0xF8) == 0xF0) return {3, static_cast<char32_t>(b0 & 0x07), 0x10000};
  return {};
}

Converter& ToGbk() {
  static Converter c("GBK", "UTF-8");
  return c;
}
Converter& FromGbk() {
  static Converter c("UTF-8", "GBK");
  return c;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string out;
  size_t i = 0;
  while (i < utf8.size()) {
    const auto b0 = static_cast<unsigned char>(utf8[i]);
    if (b0 < 0x80) {
      out.push_back(b0);
      ++i;
      continue;
    }
    const Utf8Lead lead = ClassifyLead(b0);
    char32_t c = lead.bits;
    bool ok = lead.extra > 0 && i + lead.extra < utf8.size();
    for (size_t k = 1; ok && k <= lead.extra; ++k) {
      const auto b = static_cast<unsigned char>(utf8[i + k]);
      ok = (b & 0xC0) == 0x80;
      c = (c << 6) | (b & 0x3F);
    }
    if (ok && c >= lead.min && IsCharacter(c)) {
      out.push_back(c);
      i += lead.extra + 1;
    } else {
      out.push_back(kReplacement);
      ++i;
    }
  }
  return out;
}

std::string EncodeUtf8(char32_t c) {
  if (!IsCharacter(c)) c = kReplacement;
  std::string out;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view chars) {
  std::string out;
  for (char32_t c : chars) out += EncodeUtf8(c);
  return out;
}

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
