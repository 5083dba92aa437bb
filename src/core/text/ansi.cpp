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
    int extra = 0;
    char32_t c = 0;
    if (b0 < 0x80) {
      c = b0;
    } else if ((b0 & 0xE0) == 0xC0) {
      c = b0 & 0x1F;
      extra = 1;
    } else if ((b0 & 0xF0) == 0xE0) {
      c = b0 & 0x0F;
      extra = 2;
    } else if ((b0 & 0xF8) == 0xF0) {
      c = b0 & 0x07;
      extra = 3;
    } else {
      out.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    if (i + extra >= utf8.size()) {
      out.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      const auto b = static_cast<unsigned char>(utf8[i + k]);
      if ((b & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      c = (c << 6) | (b & 0x3F);
    }
    if (!ok) {
      out.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    out.push_back(c);
    i += extra + 1;
  }
  return out;
}

std::string EncodeUtf8(char32_t c) {
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

std::uint16_t AnsiCode(char32_t c) {
  if (c < 0x80) return static_cast<std::uint16_t>(c);
  std::string gbk;
  if (!ToGbk().Convert(EncodeUtf8(c), gbk) || gbk.empty() || gbk.size() > 2) return '?';
  if (gbk.size() == 1) return static_cast<unsigned char>(gbk[0]);
  return static_cast<std::uint16_t>(static_cast<unsigned char>(gbk[0]) * 256 +
                                    static_cast<unsigned char>(gbk[1]));
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
      out += EncodeUtf8(U'\uFFFD');
      ++i;
    }
  }
  return out;
}

char32_t ByteChar(std::uint8_t byte) { return byte; }

}  // namespace tlj::text
