#include "desktop/drawn_state.h"

#include <cstring>
#include <string>
#include <type_traits>

namespace tlj::desktop {
namespace {

// FNV-1a over the values in turn.
class Digest {
 public:
  template <typename T>
  requires std::is_trivially_copyable_v<T> Digest& operator<<(const T& value) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    for (unsigned char b : bytes) Mix(b);
    return *this;
  }
  Digest& operator<<(const std::string& text) {
    *this << text.size();
    for (char c : text) Mix(static_cast<unsigned char>(c));
    return *this;
  }
  std::uint64_t Value() const { return value_; }

 private:
  void Mix(unsigned char b) {
    value_ ^= b;
    value_ *= 0x100000001B3ULL;
  }
  std::uint64_t value_ = 0xCBF29CE484222325ULL;
};

void Add(Digest& d, const platform::Rect& r) {
  d << r.left << r.top << r.width << r.height;
}

void Add(Digest& d, const platform::Element& e) {
  d << e.name << e.index.value_or(platform::Window::kNoIndex) << e.kind << e.parent << e.visible
    << e.enabled << e.left << e.top << e.width << e.height << e.image.get() << e.stretch
    << e.caption << e.color << e.font << e.fontSize << e.alignment << e.transparent << e.autoSize
    << e.z << e.selected << e.topLine << e.maxLength << e.caret << e.lines.size();
  for (const std::string& line : e.lines) d << line;
}

}  // namespace

std::uint64_t DrawnState(const platform::Window& window) {
  Digest d;
  d << window.image.get() << window.painting.size();
  for (const platform::PaintedPiece& piece : window.painting) {
    d << piece.image.get();
    Add(d, piece.source);
    Add(d, piece.target);
  }
  d << window.elements.size();
  for (const auto& element : window.elements) Add(d, *element);
  return d.Value();
}

}  // namespace tlj::desktop
