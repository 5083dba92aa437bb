#pragma once
// The pieces of a player portrait: who is drawn, and a canvas that takes drawing on an
// 85 × 90 grid and fits it to the picture's real size.

#include <utility>

#include "tools/artgen/draw/canvas.h"

namespace tlj::artgen::art::portrait {

using draw::Hex;
using draw::Path;
using draw::Rgba;

enum class Hair {
  kShort,
  kSpiky,
  kSidePart,
  kBald,
  kBuzz,
  kCap,
  kCurly,
  kShoulder,
  kLong,
  kBob,
  kPonytail,
  kBun,
  kPigtails,
  kWavy,
  kPixie
};
enum class Collar { kRound, kShirt, kSuit, kTurtleneck, kMandarin, kHood, kVNeck, kSailor };

struct Person {
  bool female;
  Hair hair;
  Collar collar;
  Rgba skin, hair_colour, clothes, background;
  bool glasses = false;
  bool beard = false;
  bool moustache = false;
  bool earrings = false;
  Rgba accent = Hex(0xC8281E);  // cap, bow, tie, trim
};

constexpr float kDesignW = 85, kDesignH = 90;
constexpr float kCx = 42.5f;

class Portrait {
 public:
  Portrait(int width, int height)
      : canvas_(width, height),
        place_(draw::Affine::Scale(static_cast<float>(width) / kDesignW,
                                   static_cast<float>(height) / kDesignH)),
        line_scale_(static_cast<float>(width) / kDesignW) {}

  void Fill(const Path& p, const draw::Paint& paint) { canvas_.Fill(p.Transformed(place_), paint); }
  void Fill(const Path& p, Rgba colour) { Fill(p, draw::Solid(colour)); }
  void Line(const Path& p, float width, Rgba colour) {
    canvas_.Stroke(p.Transformed(place_), width * line_scale_, draw::Solid(colour));
  }
  // Filled and outlined in a darker shade of its own colour.
  void Shape(const Path& p, Rgba colour, float outline = 0.9f) {
    Fill(p, colour);
    Line(p, outline, draw::Darken(colour, 0.45f));
  }
  void ShapeGradient(const Path& p, float top, float bottom, Rgba light, Rgba dark) {
    Fill(p, draw::Vertical(Y(top), Y(bottom), light, dark));
    Line(p, 0.9f, draw::Darken(dark, 0.4f));
  }
  // Keeps only what lies inside the path.
  void ClipTo(const Path& p) { canvas_.Clip(canvas_.Coverage(p.Transformed(place_))); }
  float Y(float y) const { return place_.Apply({0, y}).y; }
  draw::Point At(float x, float y) const { return place_.Apply({x, y}); }
  draw::Canvas Take() { return std::move(canvas_); }

 private:
  draw::Canvas canvas_;
  draw::Affine place_;
  float line_scale_;
};

// The parts, in the order they are drawn.
void DrawBackHair(Portrait& p, const Person& who);
void DrawClothes(Portrait& p, const Person& who);
void DrawFace(Portrait& p, const Person& who);
void DrawFrontHair(Portrait& p, const Person& who);

}  // namespace tlj::artgen::art::portrait
