#include "core/platform/utf8.h"

namespace tlj::platform {
namespace {

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

}  // namespace tlj::platform
