#include "desktop/drawn_state.h"

#include <cstring>
#include <string>
#include <type_traits>

#include "core/platform/digest.h"

namespace tlj::desktop {
namespace {

// The digest of the values in turn, each by its bytes; a text by its length, then its bytes.
class Digest {
 public:
  template <typename T>
  requires std::is_trivially_copyable_v<T> Digest& operator<<(const T& value) {
    std::uint8_t bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    digest_.Add(bytes);
    return *this;
  }
  Digest& operator<<(const std::string& text) {
    *this << text.size();
    digest_.Add({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    return *this;
  }
  std::uint64_t Value() const { return digest_.Value(); }

 private:
  platform::Digest digest_;
};

void Add(Digest& d, const platform::Rect& r) {
  d << r.left << r.top << r.width << r.height;
}

void Add(Digest& d, const platform::Element& e) {
  d << e.name << e.index.value_or(platform::Window::kNoIndex) << e.kind << e.parent << e.visible
    << e.enabled << e.left << e.top << e.width << e.height << e.image.get() << e.stretch
    << e.caption << e.color << e.font << e.fontSize << e.alignment << e.transparent << e.autoSize
    << e.z << e.selected << e.topLine << e.maxLength << e.caret << e.url << e.page
    << e.lines.size();
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
