// The window designs' pictures in the embedded store: every listed one is there under
// "DESIGN", decodes at its listed size and looks right where stretching or the table's colour
// would show a fault.

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "core/view/design_pictures.h"
#include "core/view/picture_decoder.h"
#include "resources/embedded_store.h"
#include "resources/pack.h"

namespace tlj::resources {
namespace {

using view::kDesignPictures;

std::shared_ptr<const platform::Image> Decoded(int number) {
  const auto bytes = EmbeddedStore().Get("DESIGN", number);
  if (!bytes) return nullptr;
  return view::DecodePicture(*bytes);
}

using Points = std::initializer_list<std::pair<int, int>>;

struct Rgba {
  int r, g, b, a;
  bool operator==(const Rgba&) const = default;
};

Rgba At(const platform::Image& image, int x, int y) {
  const std::uint8_t* p = image.Pixel(x, y);
  return {p[0], p[1], p[2], p[3]};
}

struct Means {
  double brightness = 0, red_lead = 0;  // red_lead: red above the mean of green and blue
};

Means Measure(const platform::Image& image) {
  Means m;
  int opaque = 0;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const Rgba c = At(image, x, y);
      if (c.a == 0) continue;
      m.brightness += (c.r + c.g + c.b) / 3.0;
      m.red_lead += c.r - (c.g + c.b) / 2.0;
      ++opaque;
    }
  if (opaque > 0) {
    m.brightness /= opaque;
    m.red_lead /= opaque;
  }
  return m;
}

// Whether every line of the rectangle keeps one colour along the direction the picture is
// stretched in: across for rows, down for columns.
bool UniformAlong(const platform::Image& image, int left, int top, int width, int height,
                  bool across) {
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x)
      if (At(image, x, y) != (across ? At(image, left, y) : At(image, x, top))) return false;
  return true;
}

TEST(DesignPicturesTest, EveryListedPictureDecodesAtItsSize) {
  for (const view::DesignPicture& picture : kDesignPictures) {
    SCOPED_TRACE(std::string(picture.element) + " (" + std::to_string(picture.number) + ")");
    const auto image = Decoded(picture.number);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, picture.width);
    EXPECT_EQ(image->height, picture.height);
  }
}

TEST(DesignPicturesTest, OnlyTheDesignTypeAnswersThem) {
  const platform::ResourceStore& store = EmbeddedStore();
  for (const view::DesignPicture& picture : kDesignPictures) {
    const auto design = store.Get("DESIGN", picture.number);
    ASSERT_TRUE(design) << picture.number;
    EXPECT_FALSE(store.Get("GIF", kDesignEntryBase + picture.number)) << picture.number;
    // A numbered resource with the same id is another picture.
    const auto numbered = store.Get("GIF", picture.number);
    if (numbered) {
      EXPECT_NE(numbered->data(), design->data()) << picture.number;
    }
  }
  const int past_the_list = static_cast<int>(kDesignPictures.size()) + 1;
  for (const int absent : {0, -1, past_the_list, -kDesignEntryBase})
    EXPECT_FALSE(store.Get("DESIGN", absent)) << absent;
}

TEST(DesignPicturesTest, TheTableGroundsAreSmallJpegsAndTheRestGifs) {
  for (const view::DesignPicture& picture : kDesignPictures) {
    const auto bytes = EmbeddedStore().Get("DESIGN", picture.number);
    ASSERT_TRUE(bytes && bytes->size() > 6) << picture.number;
    if (picture.element == "Pic1" || picture.element == "pic3" || picture.element == "pic4") {
      EXPECT_EQ((*bytes)[0], 0xFF);
      EXPECT_EQ((*bytes)[1], 0xD8);
      EXPECT_LT(bytes->size(), 150u * 1024);
    } else {
      EXPECT_EQ(std::string(bytes->begin(), bytes->begin() + 3), "GIF") << picture.number;
    }
  }
}

TEST(DesignPicturesTest, TheBorderStretchesWithoutSmearing) {
  const auto skin = Decoded(1);
  ASSERT_TRUE(skin);
  // The caption strip and the bottom edge are stretched across, the sides down.
  EXPECT_TRUE(UniformAlong(*skin, 8, 0, 8, 20, true));
  EXPECT_TRUE(UniformAlong(*skin, 8, 212, 8, 8, true));
  EXPECT_TRUE(UniformAlong(*skin, 0, 20, 8, 192, false));
  EXPECT_TRUE(UniformAlong(*skin, 38, 20, 8, 192, false));
  // Rounded at the top, the pieces themselves opaque.
  EXPECT_EQ(At(*skin, 0, 0).a, 0);
  EXPECT_EQ(At(*skin, 45, 0).a, 0);
  for (const auto& [x, y] : Points{{4, 10}, {12, 1}, {41, 100}, {0, 219}, {45, 219}})
    EXPECT_EQ(At(*skin, x, y).a, 255) << x << "," << y;
}

TEST(DesignPicturesTest, TheBarsMeetTheFeltWithAStraightEdge) {
  // The rows along the felt keep one colour, so the edge stays straight when stretched.
  const auto top = Decoded(9), bottom = Decoded(10);
  ASSERT_TRUE(top && bottom);
  EXPECT_TRUE(UniformAlong(*top, 0, top->height - 10, top->width, 10, true));
  EXPECT_TRUE(UniformAlong(*bottom, 0, 0, bottom->width, 10, true));
}

// On the table, and the small windows' buttons and row names.
TEST(DesignPicturesTest, PicturesWithAShapeAreTransparentAroundIt) {
  for (const int number :
       {2, 3, 6, 11, 18, 19, 21, 24, 25, 26, 29, 30, 32, 33, 37, 41, 42, 43, 44}) {
    const auto image = Decoded(number);
    ASSERT_TRUE(image) << number;
    const int right = image->width - 1, bottom = image->height - 1;
    for (const auto& [x, y] : Points{{0, 0}, {right, 0}, {0, bottom}, {right, bottom}})
      EXPECT_EQ(At(*image, x, y).a, 0) << number << " at " << x << "," << y;
    EXPECT_EQ(At(*image, image->width / 2, image->height / 2).a, 255) << number;
  }
}

TEST(DesignPicturesTest, PicturesOnTheFeltCarryNoFeltInTheirEdges) {
  // The felt is green or blue, so what stands on it keeps its own gold and brown rim.
  for (const int number : {11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 24, 25, 26}) {
    const auto image = Decoded(number);
    ASSERT_TRUE(image) << number;
    const auto transparent = [&](int x, int y) {
      return x < 0 || y < 0 || x >= image->width || y >= image->height || At(*image, x, y).a == 0;
    };
    double red = 0, green = 0, blue = 0;
    for (int y = 0; y < image->height; ++y)
      for (int x = 0; x < image->width; ++x) {
        if (transparent(x, y)) continue;
        if (!transparent(x - 1, y) && !transparent(x + 1, y) && !transparent(x, y - 1) &&
            !transparent(x, y + 1))
          continue;
        const Rgba edge = At(*image, x, y);
        red += edge.r;
        green += edge.g;
        blue += edge.b;
      }
    EXPECT_GT(red, green) << number;
    EXPECT_GT(red, blue) << number;
  }
}

TEST(DesignPicturesTest, CaptionButtonsLightUpAndSinkDown) {
  for (int number = 3; number <= 8; ++number) ASSERT_TRUE(Decoded(number)) << number;
  for (const int normal : {3, 6}) {
    const double plain = Measure(*Decoded(normal)).brightness;
    EXPECT_GT(Measure(*Decoded(normal + 1)).brightness, plain + 10) << normal;
    EXPECT_LT(Measure(*Decoded(normal + 2)).brightness, plain - 10) << normal;
  }
  // Closing turns red under the pointer.
  EXPECT_GT(Measure(*Decoded(7)).red_lead, Measure(*Decoded(4)).red_lead + 40);
}

TEST(DesignPicturesTest, TheTimerLeavesItsSecondsPlain) {
  const auto timer = Decoded(21);
  ASSERT_TRUE(timer);
  const Rgba ground = At(*timer, 48, 5);
  for (int y = 5; y < 30; ++y)
    for (int x = 48; x < 73; ++x) ASSERT_EQ(At(*timer, x, y), ground) << x << "," << y;
  // Dark, so that the green and red seconds stand out.
  EXPECT_LT(ground.r + ground.g + ground.b, 120);
}

TEST(DesignPicturesTest, WindowGroundsCoverTheirWholeWindow) {
  for (const view::DesignPicture& picture : kDesignPictures) {
    if (!picture.element.empty()) continue;
    SCOPED_TRACE(std::string(picture.window));
    const auto ground = Decoded(picture.number);
    ASSERT_TRUE(ground);
    for (int y = 0; y < ground->height; ++y)
      for (int x = 0; x < ground->width; ++x) ASSERT_EQ(At(*ground, x, y).a, 255) << x << "," << y;
  }
}

struct TextArea {
  int number, left, top, width, height;
};

// Where the windows write black text over their grounds.
constexpr TextArea kBlackTextAreas[] = {
    {28, 56, 40, 97, 17},    {28, 216, 40, 97, 17},  {28, 376, 40, 97, 17}, {28, 536, 40, 97, 17},
    {31, 48, 32, 60, 17},    {31, 32, 408, 100, 17}, {31, 176, 32, 80, 17}, {31, 568, 32, 80, 17},
    {31, 536, 408, 100, 17}, {34, 23, 40, 96, 17},   {34, 128, 40, 85, 17}, {34, 23, 296, 96, 17},
    {34, 128, 296, 85, 17},  {35, 24, 64, 89, 17},   {35, 160, 64, 97, 17}, {35, 24, 160, 89, 17},
    {35, 160, 160, 97, 17},  {36, 10, 16, 250, 17},  {38, 20, 24, 260, 20}, {38, 20, 54, 260, 20},
    {39, 20, 30, 320, 60},
};

TEST(DesignPicturesTest, TextAreasArePlainAndLight) {
  for (const TextArea& area : kBlackTextAreas) {
    SCOPED_TRACE("picture " + std::to_string(area.number) + " at " + std::to_string(area.left) +
                 "," + std::to_string(area.top));
    const auto ground = Decoded(area.number);
    ASSERT_TRUE(ground);
    const Rgba plain = At(*ground, area.left, area.top);
    EXPECT_GT(plain.r + plain.g + plain.b, 3 * 200);
    for (int y = area.top; y < area.top + area.height; ++y)
      for (int x = area.left; x < area.left + area.width; ++x)
        ASSERT_EQ(At(*ground, x, y), plain) << x << "," << y;
  }
}

TEST(DesignPicturesTest, TheTwoTableGroundsAreGreenAndBlue) {
  const auto green = Decoded(45), blue = Decoded(46);
  ASSERT_TRUE(green && blue);
  const Rgba g = At(*green, 512, 373), b = At(*blue, 512, 373);
  EXPECT_GT(g.g, g.r + 40);
  EXPECT_GT(g.g, g.b + 20);
  EXPECT_GT(b.b, b.r + 40);
  EXPECT_GT(b.b, b.g + 20);
}

TEST(DesignPicturesTest, TheFeltIsGreenAndLighterInTheMiddle) {
  const auto felt = Decoded(27);
  ASSERT_TRUE(felt);
  const Rgba middle = At(*felt, 512, 373);
  EXPECT_GT(middle.g, middle.r + 40);
  EXPECT_GT(middle.g, middle.b + 20);
  for (const auto& [x, y] : Points{{0, 0}, {1023, 0}, {0, 767}, {1023, 767}}) {
    const Rgba corner = At(*felt, x, y);
    EXPECT_GT(middle.g, corner.g + 30) << x << "," << y;
  }
}

}  // namespace
}  // namespace tlj::resources
