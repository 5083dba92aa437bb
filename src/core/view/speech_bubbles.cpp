#include "core/view/speech_bubbles.h"

#include <array>
#include <cstring>

#include "core/model/elements.h"
#include "core/platform/services.h"
#include "core/view/design_pictures.h"
#include "core/view/layout.h"
#include "core/view/window_designs.h"

namespace tlj::view {
namespace {

constexpr double kTwipsPerPixel = 15;

// Where each screen position's bubble stands, in twips from the table window's corner, and
// where its phrase stands inside it.
struct BubblePlace {
  int left;
  int top;
  int phrase_left;
  int phrase_top;
  // The phrase label's size in pixels: the body of that position's bubble picture.
  int phrase_width;
  int phrase_height;
};
constexpr std::array<BubblePlace, 4> kPlaces{{
    {1500, 8550, 260, 180, 146, 48},
    {1050, 3000, 570, 350, 130, 48},
    {6150, 1050, 450, 620, 130, 44},
    {11400, 3000, 270, 470, 146, 48},
}};

struct Fade {
  std::int16_t FadeLevel = 0;
  std::int16_t TargetAlpha = 0;
  std::int16_t FadeInStep = 0;
  std::int16_t FadeOutStep = 0;
  std::int16_t ShowTime = 0;
};

std::array<Fade, 4> fades;
std::array<platform::Timer, 4> tmrFadeIn;

double Pixels(int twips) {
  return twips / kTwipsPerPixel;
}

// The screen position a bubble window was made for, from its name.
int PositionOf(std::string_view bubble) {
  for (int p = 0; p < 4; ++p)
    if (kBubbleWindows[p] == bubble) return p;
  return -1;
}

// Off the screen on the side it would come from: the two left bubbles to the left, the others
// above, `times` of its size away.
void Park(platform::Window& bubble, int p, double times) {
  const auto& table = model::Win();
  const BubblePlace& place = kPlaces[static_cast<std::size_t>(p)];
  if (p <= 1) {
    bubble.left = -times * bubble.width;
    if (times == 1) bubble.top = table.top + Pixels(place.top) * LayoutScale;
  } else {
    bubble.top = -times * bubble.height;
    if (times == 1) bubble.left = table.left + Pixels(place.left) * LayoutScale;
  }
}

// The window's region: a one-pixel-high rectangle for every run of a row whose colour is not
// the key colour, the colour of the top-left pixel.
std::vector<platform::Rect> ShapeOf(const platform::Image& picture) {
  std::vector<platform::Rect> shape;
  if (picture.width <= 0 || picture.height <= 0) return shape;
  const std::uint8_t* key = picture.Pixel(0, 0);
  const auto is_key = [&](int x, int y) { return std::memcmp(picture.Pixel(x, y), key, 4) == 0; };
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width;) {
      if (is_key(x, y)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < picture.width && !is_key(x, y)) ++x;
      shape.push_back({start, y, x - start, 1});
    }
  }
  return shape;
}

void Shape(platform::Window& bubble, int p) {
  auto& splash = model::ElOf(bubble.name, "picSplash");
  // Only this position's picture is decoded: the window never shows the other three.
  splash.image = HeldPicture(model::ElOf(bubble.name, "imgSpeakBox", p));
  if (splash.image) {
    splash.width = splash.image->width;
    splash.height = splash.image->height;
    bubble.image = splash.image;
    bubble.width = splash.width;
    bubble.height = splash.height;
    bubble.shape = ShapeOf(*splash.image);
  }
  splash.image.reset();
}

void tmrFadeIn_Timer(int p) {
  Fade& f = fades[static_cast<std::size_t>(p)];
  auto& bubble = model::Win(kBubbleWindows[p]);
  f.FadeLevel = static_cast<std::int16_t>(f.FadeLevel + f.FadeInStep);
  if (f.FadeLevel < f.TargetAlpha) SetWindowAlpha(bubble, f.FadeLevel);
  if (f.FadeLevel > f.TargetAlpha + f.ShowTime) {
    f.TargetAlpha = static_cast<std::int16_t>(f.TargetAlpha - f.FadeOutStep);
    SetWindowAlpha(bubble, f.TargetAlpha);
    if (f.TargetAlpha <= 1) {
      tmrFadeIn[static_cast<std::size_t>(p)].SetEnabled(false);
      model::ElOf(bubble.name, "labPhrase").caption.clear();
      Park(bubble, p, 2);
    }
  }
}

}  // namespace

void CreateBubbleTimers() {
  for (int p = 0; p < 4; ++p) {
    auto& timer = tmrFadeIn[static_cast<std::size_t>(p)];
    timer = platform::Timer(*platform::Sys().loop, [p] { tmrFadeIn_Timer(p); });
    timer.SetInterval(kFadeTickMs);
    fades[static_cast<std::size_t>(p)] = {};
  }
}

void DestroyBubbleTimers() {
  for (auto& timer : tmrFadeIn) timer = platform::Timer();
}

std::string BubbleName(int p) {
  return "speak" + std::to_string(p);
}

void MakeBubble(int p) {
  if (p < 0 || p > 3) return;
  const std::string tag = BubbleName(p);
  for (const auto& window : platform::Sys().ui->Windows()) {
    if (window->loaded && window->tag == tag) return;
  }
  auto& bubble = model::Win(kBubbleWindows[p]);
  Shape(bubble, p);
  auto& phrase = model::ElOf(bubble.name, "labPhrase");
  phrase.caption = "  ";
  Park(bubble, p, 1);
  const BubblePlace& place = kPlaces[static_cast<std::size_t>(p)];
  phrase.left = Pixels(place.phrase_left);
  phrase.top = Pixels(place.phrase_top);
  phrase.width = place.phrase_width;
  phrase.height = place.phrase_height;
  SetTopMost(bubble, true);
  bubble.visible = true;
  fades[static_cast<std::size_t>(p)] = {};
  tmrFadeIn[static_cast<std::size_t>(p)].SetEnabled(true);
}

void showMe(std::string_view bubble, std::int16_t seat, std::string_view phrase, std::int16_t perc,
            std::int16_t fadeIn, std::int16_t fadeOut, std::int16_t showTime) {
  const int p = PositionOf(bubble);
  if (p < 0) return;
  auto& window = model::Win(bubble);
  if (seat >= 0 && seat <= 3) {
    const auto& table = model::Win();
    const BubblePlace& place = kPlaces[static_cast<std::size_t>(seat)];
    window.left = table.left + Pixels(place.left) * LayoutScale;
    window.top = table.top + Pixels(place.top) * LayoutScale;
  }
  Fade& f = fades[static_cast<std::size_t>(p)];
  f.TargetAlpha = perc;
  f.FadeInStep = fadeIn;
  f.FadeOutStep = fadeOut;
  f.ShowTime = showTime;
  model::ElOf(bubble, "labPhrase").caption = std::string(phrase);
  // A bubble that restoring the table hid must come back for its next phrase.
  window.visible = true;
  tmrFadeIn[static_cast<std::size_t>(p)].SetEnabled(true);
  f.FadeLevel = 0;
}

void StopBubbleFade(std::string_view bubble) {
  const int p = PositionOf(bubble);
  if (p >= 0) tmrFadeIn[static_cast<std::size_t>(p)].SetEnabled(false);
}

void SetWindowAlpha(platform::Window& window, int alpha) {
  if (alpha < 0 || alpha > 255) return;
  window.opacity = alpha;
  ++window.revision;
}

void SetTopMost(platform::Window& window, bool on) {
  window.topmost = on;
  ++window.revision;
}

}  // namespace tlj::view
