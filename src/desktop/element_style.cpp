#include "desktop/element_style.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace tlj::desktop {
namespace {

// The designs' fonts have an ascent of about 0.86 em and lines one em and a pixel high.
constexpr double kDesignAscentEm = 0.86;

bool SerifStyle(std::string_view name) {
  for (std::string_view style : {"宋", "楷", "隶", "仿宋", "明"}) {
    if (name.find(style) != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace

QColor ModelColor(int bgr) {
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QFont ElementFont(const platform::Element& element) {
  QFont font(SerifStyle(element.font) ? "Noto Serif CJK SC" : "Noto Sans CJK SC");
  font.setPixelSize(platform::FontPixels(element));
  return font;
}

int DesignAscent(const QFont& font) {
  return static_cast<int>(std::lround(font.pixelSize() * kDesignAscentEm));
}

}  // namespace tlj::desktop
