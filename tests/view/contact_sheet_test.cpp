// Draws a few of the program's own pictures side by side into one PNG, the way the table shows
// them, for a person to look at: set TLJ_SCREENSHOT_DIR to keep the file (otherwise it goes to a
// temporary folder that is removed).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "core/platform/services.h"
#include "core/view/image_tables.h"
#include "resources/embedded_store.h"
#include "sim/temp_dir.h"
#include "tools/anigif/png_file.h"

namespace tlj::view {
namespace {

// Straight-alpha "over" onto an opaque sheet.
void DrawOver(platform::Image& sheet, const platform::Image& picture, int left, int top) {
  for (int y = 0; y < picture.height && top + y < sheet.height; ++y) {
    for (int x = 0; x < picture.width && left + x < sheet.width; ++x) {
      const std::uint8_t* src = picture.Pixel(x, y);
      std::uint8_t* dst = sheet.Pixel(left + x, top + y);
      for (int c = 0; c < 3; ++c)
        dst[c] = static_cast<std::uint8_t>((src[c] * src[3] + dst[c] * (255 - src[3])) / 255);
    }
  }
}

TEST(ContactSheet, ShowsCardsKeysAvatarsCoinsAndThePot) {
  platform::Sys().store = &resources::EmbeddedStore();
  const int rows[][8] = {
      {14, 29, 45, 62, 16, 17, 18, 0},           // full-size cards, jokers, back
      {301, 327, 340, 353, 354, 0, 0, 0},        // reduced cards
      {154, 155, 156, 157, 220, 230, 202, 210},  // buttons and keys, normal and hover
      {240, 245, 250, 255, 280, 281, 282, 0},    // avatars and ready badges
      {601, 606, 611, 641, 761, 803, 805, 580},  // coins turning, single coins, a bubble
      {876, 0, 0, 0, 0, 0, 0, 0},                // the hot pot's first frame
  };
  platform::Image sheet;
  sheet.width = 8 * 200;
  sheet.height = 6 * 200;
  sheet.rgba.assign(static_cast<std::size_t>(sheet.width) * sheet.height * 4, 0);
  for (std::size_t i = 0; i < sheet.rgba.size(); i += 4) {
    sheet.rgba[i + 1] = 96;  // the table's green
    sheet.rgba[i + 2] = 64;
    sheet.rgba[i + 3] = 255;
  }
  int drawn = 0;
  for (int r = 0; r < 6; ++r) {
    for (int c = 0; c < 8; ++c) {
      if (rows[r][c] == 0) continue;
      platform::Element element;
      LoadGifResource(rows[r][c], "GIF", element);
      ASSERT_TRUE(element.image) << rows[r][c];
      DrawOver(sheet, *element.image, c * 200 + 4, r * 200 + 4);
      ++drawn;
    }
  }
  platform::Sys() = platform::Services{};

  sim::TempDir temp;
  const char* kept = std::getenv("TLJ_SCREENSHOT_DIR");
  const std::filesystem::path dir = kept != nullptr ? std::filesystem::path(kept) : temp.path();
  std::filesystem::create_directories(dir);
  const auto file = dir / "contact-sheet.png";
  ASSERT_TRUE(anigif_tool::WritePng(file, sheet));
  EXPECT_GT(std::filesystem::file_size(file), 10'000u);
  EXPECT_EQ(drawn, 36);
  std::cout << "contact sheet: " << file << '\n';
}

}  // namespace
}  // namespace tlj::view
