#include "tools/artgen/draw/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <array>
#include <cmath>
#include <filesystem>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>

namespace tlj::artgen::draw {
namespace {

struct FontFile {
  const char* path;
  const char* family;  // the face to take from a collection
};

// Debian's CJK fonts, best first. The pictures are only reproducible with the same font, so
// the list is fixed rather than asked of fontconfig.
constexpr FontFile kSansBoldFiles[] = {
    {"/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc", "Noto Sans CJK SC"},
    {"/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc", "WenQuanYi Zen Hei"},
};
constexpr FontFile kSerifBoldFiles[] = {
    {"/usr/share/fonts/opentype/noto/NotoSerifCJK-Bold.ttc", "Noto Serif CJK SC"},
    {"/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc", "Noto Sans CJK SC"},
    {"/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc", "WenQuanYi Zen Hei"},
};

class FontLibrary {
 public:
  static FontLibrary& Get() {
    static FontLibrary library;
    return library;
  }

  FT_Face FaceFor(Face face) {
    FT_Face& slot = faces_[static_cast<int>(face)];
    if (slot == nullptr) slot = Open(face);
    return slot;
  }

 private:
  FontLibrary() {
    if (FT_Init_FreeType(&library_) != 0)
      throw std::runtime_error("artgen: FreeType failed to start");
  }
  ~FontLibrary() {
    for (FT_Face f : faces_)
      if (f != nullptr) FT_Done_Face(f);
    FT_Done_FreeType(library_);
  }

  FT_Face Open(Face face) {
    const std::span<const FontFile> files = face == Face::kSerifBold
                                                ? std::span<const FontFile>(kSerifBoldFiles)
                                                : std::span<const FontFile>(kSansBoldFiles);
    std::string looked;
    for (const FontFile& file : files) {
      looked += std::string("\n  ") + file.path;
      if (!std::filesystem::exists(file.path)) continue;
      if (FT_Face found = OpenFamily(file)) return found;
    }
    throw std::runtime_error(
        "artgen: no CJK font found (install fonts-noto-cjk or fonts-wqy-zenhei); looked for:" +
        looked);
  }

  // The face of the file's collection whose family is the one asked for.
  FT_Face OpenFamily(const FontFile& file) {
    FT_Face probe = nullptr;
    if (FT_New_Face(library_, file.path, -1, &probe) != 0) return nullptr;
    const FT_Long count = probe->num_faces;
    FT_Done_Face(probe);
    for (FT_Long i = 0; i < count; ++i) {
      FT_Face face = nullptr;
      if (FT_New_Face(library_, file.path, i, &face) != 0) continue;
      if (face->family_name != nullptr && std::string(face->family_name) == file.family)
        return face;
      FT_Done_Face(face);
    }
    return nullptr;
  }

  FT_Library library_ = nullptr;
  std::array<FT_Face, 2> faces_{};
};

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    if (i + extra >= text.size()) throw std::invalid_argument("artgen: truncated UTF-8 text");
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    out.push_back(cp);
    i += extra + 1;
  }
  return out;
}

// Loads each character's outline in turn, scaled, hinted and emboldened as the style says, and
// hands it to `use` with the pen position. Returns where the pen ends.
float Layout(const TextStyle& style, std::string_view utf8,
             const std::function<void(FT_GlyphSlot, float pen)>& use) {
  FT_Face face = FontLibrary::Get().FaceFor(style.face);
  if (FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(style.size * 64)), 72, 72) != 0)
    throw std::runtime_error("artgen: font size not available");
  FT_Matrix shape{static_cast<FT_Fixed>(std::lround(style.condense * 65536)),
                  static_cast<FT_Fixed>(std::lround(style.slant * 65536)), 0, 0x10000};
  FT_Set_Transform(face, &shape, nullptr);
  const bool crisp = Crisp(style);
  const FT_Int32 hinting = crisp ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_LIGHT;
  float pen = 0;
  for (const char32_t cp : DecodeUtf8(utf8)) {
    if (FT_Load_Char(face, cp, FT_LOAD_NO_BITMAP | hinting) != 0)
      throw std::runtime_error("artgen: the font has no glyph for a character");
    FT_GlyphSlot slot = face->glyph;
    if (style.embolden > 0)
      FT_Outline_Embolden(&slot->outline, static_cast<FT_Pos>(std::lround(style.embolden * 64)));
    use(slot, pen);
    const float advance = static_cast<float>(slot->linearHoriAdvance) / 65536.0f * style.condense +
                          style.embolden + style.tracking;
    pen += crisp ? std::round(advance) : advance;
  }
  FT_Set_Transform(face, nullptr, nullptr);
  return pen;
}

}  // namespace

InkBox MeasureInk(const TextStyle& style, std::string_view utf8) {
  InkBox box{1e9f, 1e9f, -1e9f, -1e9f};
  Layout(style, utf8, [&](FT_GlyphSlot slot, float pen) {
    if (slot->outline.n_points == 0) return;
    FT_BBox cbox;
    FT_Outline_Get_CBox(&slot->outline, &cbox);
    box.left = std::min(box.left, pen + static_cast<float>(cbox.xMin) / 64);
    box.right = std::max(box.right, pen + static_cast<float>(cbox.xMax) / 64);
    box.top = std::min(box.top, -static_cast<float>(cbox.yMax) / 64);
    box.bottom = std::max(box.bottom, -static_cast<float>(cbox.yMin) / 64);
  });
  if (box.left > box.right) return {};
  return box;
}

float MeasureAdvance(const TextStyle& style, std::string_view utf8) {
  return Layout(style, utf8, [](FT_GlyphSlot, float) {});
}

Mask Text(int width, int height, const TextStyle& style, std::string_view utf8, float x,
          float baseline) {
  Mask mask(width, height);
  if (Crisp(style)) {
    x = std::round(x);
    baseline = std::round(baseline);
  }
  Layout(style, utf8, [&](FT_GlyphSlot slot, float pen) {
    const float ox = x + pen;
    const float ix = std::floor(ox), iy = std::floor(baseline);
    FT_Outline_Translate(&slot->outline, static_cast<FT_Pos>(std::lround((ox - ix) * 64)),
                         -static_cast<FT_Pos>(std::lround((baseline - iy) * 64)));
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
      throw std::runtime_error("artgen: a glyph failed to render");
    const FT_Bitmap& bitmap = slot->bitmap;
    const int left = static_cast<int>(ix) + slot->bitmap_left;
    const int top = static_cast<int>(iy) - slot->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row)
      for (unsigned col = 0; col < bitmap.width; ++col) {
        const int px = left + static_cast<int>(col), py = top + static_cast<int>(row);
        if (px < 0 || py < 0 || px >= width || py >= height) continue;
        const float v = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
        mask.At(px, py) = std::max(mask.At(px, py), v);
      }
  });
  return mask;
}

Mask CentredText(int width, int height, const TextStyle& style, std::string_view utf8, float cx,
                 float cy) {
  const InkBox ink = MeasureInk(style, utf8);
  const float x = cx - (ink.left + ink.right) / 2;
  const float baseline = std::round(cy - (ink.top + ink.bottom) / 2);
  return Text(width, height, style, utf8, x, baseline);
}

}  // namespace tlj::artgen::draw
