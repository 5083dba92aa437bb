// The chat windows' pictures as the windows use them: the grounds leave the list and the close
// cross on plain light parchment, and each speech bubble cuts its window out of the picture by
// the colour of its top-left pixel.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/view/design_pictures.h"
#include "core/view/picture_decoder.h"
#include "resources/embedded_store.h"

namespace tlj::view {
namespace {

std::shared_ptr<const platform::Image> Decoded(int number) {
  const auto bytes = resources::EmbeddedStore().Get("DESIGN", number);
  if (!bytes) return nullptr;
  return DecodePicture(*bytes);
}

struct Rgba {
  int r, g, b, a;
  bool operator==(const Rgba&) const = default;
  int Sum() const { return r + g + b; }
};

Rgba At(const platform::Image& image, int x, int y) {
  const std::uint8_t* p = image.Pixel(x, y);
  return {p[0], p[1], p[2], p[3]};
}

struct Area {
  int left, top, width, height;
};

// Every pixel of the area has the colour of its first, and that colour is light enough for
// 9-point dark text.
void ExpectPlainAndLight(const platform::Image& image, const Area& area) {
  const Rgba plain = At(image, area.left, area.top);
  EXPECT_GT(plain.Sum(), 3 * 220);
  for (int y = area.top; y < area.top + area.height; ++y)
    for (int x = area.left; x < area.left + area.width; ++x)
      ASSERT_EQ(At(image, x, y), plain) << x << "," << y;
}

const DesignPicture* Listed(int number) {
  for (const DesignPicture& picture : kDesignPictures)
    if (picture.number == number) return &picture;
  return nullptr;
}

TEST(ChatPicturesTest, TheGroundsLeaveTheListAndTheCloseCrossPlain) {
  struct Ground {
    int number;
    const char* window;
    Area list;
    int close_left;  // the close label, 20 pixels square at y 4
  };
  const Ground grounds[] = {
      {47, "Talk", {10, 28, 298, 142}, 294},
      {48, "huifu", {10, 28, 299, 142}, 295},
  };
  for (const Ground& g : grounds) {
    SCOPED_TRACE(g.window);
    const DesignPicture* picture = Listed(g.number);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->window, g.window);
    EXPECT_TRUE(picture->element.empty());
    const auto ground = Decoded(g.number);
    ASSERT_TRUE(ground);
    ExpectPlainAndLight(*ground, g.list);
    // Where the cross's ink falls in the middle of its label.
    ExpectPlainAndLight(*ground, {g.close_left + 3, 6, 14, 13});
    // The caption strip above the list is dark lacquer, for the gold title.
    EXPECT_LT(At(*ground, 200, 12).Sum(), 3 * 128);
  }
}

struct Bubble {
  int number, index;
  Area label;        // where the program writes the phrase
  int tip_x, tip_y;  // where the tail points
};

constexpr Bubble kBubbles[] = {
    {49, 0, {17, 12, 146, 48}, 6, 97},
    {50, 1, {38, 23, 130, 48}, 2, 2},
    {51, 2, {30, 41, 130, 44}, 18, 2},
    {52, 3, {18, 31, 146, 48}, 10, 2},
};

TEST(ChatPicturesTest, EachSeatHasItsBubble) {
  for (const Bubble& b : kBubbles) {
    const DesignPicture* picture = Listed(b.number);
    ASSERT_TRUE(picture) << b.number;
    EXPECT_EQ(picture->window, "frmSpeakBox") << b.number;
    EXPECT_EQ(picture->element, "imgSpeakBox") << b.number;
    EXPECT_EQ(picture->index, b.index) << b.number;
  }
}

TEST(ChatPicturesTest, TheBubblesCutTheirWindowsCleanly) {
  for (const Bubble& b : kBubbles) {
    SCOPED_TRACE("bubble " + std::to_string(b.index));
    const auto bubble = Decoded(b.number);
    ASSERT_TRUE(bubble);
    const Rgba key = At(*bubble, 0, 0);
    EXPECT_EQ(key.a, 0);  // transparent: no colour inside can be mistaken for it
    const auto is_key = [&](int x, int y) {
      return x < 0 || y < 0 || x >= bubble->width || y >= bubble->height ||
             At(*bubble, x, y) == key;
    };
    const int right = bubble->width - 1, bottom = bubble->height - 1;
    EXPECT_TRUE(is_key(right, 0) && is_key(0, bottom) && is_key(right, bottom));
    int window = 0;
    for (int y = 0; y < bubble->height; ++y)
      for (int x = 0; x < bubble->width; ++x) {
        if (is_key(x, y)) continue;
        ++window;
        const Rgba c = At(*bubble, x, y);
        ASSERT_EQ(c.a, 255) << x << "," << y;
        // On the window's edge only the dark outline, never a blend towards the key.
        if (is_key(x - 1, y) || is_key(x + 1, y) || is_key(x, y - 1) || is_key(x, y + 1)) {
          ASSERT_LT(c.Sum(), 3 * 90) << x << "," << y;
        }
      }
    EXPECT_GT(window, bubble->width * bubble->height / 2);
    // The phrase stands on the body with room to spare.
    const Area room{b.label.left - 3, b.label.top - 3, b.label.width + 6, b.label.height + 6};
    for (int y = room.top; y < room.top + room.height; ++y)
      for (int x = room.left; x < room.left + room.width; ++x)
        ASSERT_FALSE(is_key(x, y)) << x << "," << y;
    ExpectPlainAndLight(*bubble, b.label);
    // The tail reaches its point.
    bool reaches = false;
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx) reaches |= !is_key(b.tip_x + dx, b.tip_y + dy);
    EXPECT_TRUE(reaches);
  }
}

}  // namespace
}  // namespace tlj::view
