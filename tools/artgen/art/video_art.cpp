// The peer video feature's tool icons (normal and highlighted) and its window frames (JPEG).

#include <algorithm>
#include <functional>

#include "tools/artgen/art/groups.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Rgba;

struct IconInk {
  Rgba body, detail;
};

constexpr IconInk kNormal{Hex(0x4A5A72), Hex(0xDDE6F2)};
constexpr IconInk kLit{Hex(0xF08410), Hex(0xFFFFFF)};

using IconDrawing = std::function<void(draw::Canvas&, const IconInk&)>;

void Camcorder(draw::Canvas& c, const IconInk& ink) {
  c.Fill(Path().AddRoundRect(0.5f, 3.5f, 10.5f, 8.5f, 1.8f), draw::Solid(ink.body));
  c.Fill(Path().AddPolygon({{10.5f, 6.5f}, {15.5f, 3.5f}, {15.5f, 12}, {10.5f, 9}}),
         draw::Solid(ink.body));
  c.Fill(Path().AddCircle(3.5f, 6.5f, 1.3f), draw::Solid(ink.detail));
}

void Magnifier(draw::Canvas& c, const IconInk& ink) {
  c.Stroke(Path().AddCircle(6, 5.8f, 4), 1.8f, draw::Solid(ink.body));
  c.Fill(Path().AddCircle(6, 5.8f, 3.1f), draw::Solid(draw::WithAlpha(ink.detail, 0.7f)));
  c.Stroke(Path().MoveTo(9, 9).LineTo(14, 13), 2.6f, draw::Solid(ink.body));
}

void PhotoCamera(draw::Canvas& c, const IconInk& ink) {
  c.Fill(Path().AddRoundRect(0.5f, 3.5f, 15, 10, 2).AddRoundRect(4.5f, 1.5f, 6, 3, 1),
         draw::Solid(ink.body));
  c.Fill(Path().AddCircle(8, 8.5f, 3.2f), draw::Solid(ink.detail));
  c.Fill(Path().AddCircle(8, 8.5f, 1.8f), draw::Solid(ink.body));
}

void Notes(draw::Canvas& c, const IconInk& ink) {
  c.Fill(Path().AddEllipse(4, 11, 2.8f, 2.1f).AddEllipse(12, 10, 2.8f, 2.1f),
         draw::Solid(ink.body));
  c.Stroke(Path().MoveTo(6.3f, 11).LineTo(6.3f, 2.5f).MoveTo(14.3f, 10).LineTo(14.3f, 1.5f), 1.3f,
           draw::Solid(ink.body));
  c.Fill(Path().AddPolygon({{5.7f, 1.8f}, {14.9f, 0.6f}, {14.9f, 3.4f}, {5.7f, 4.6f}}),
         draw::Solid(ink.body));
}

void TwoPersons(draw::Canvas& c, const IconInk& ink) {
  for (const float x : {5.0f, 11.0f}) {
    c.Fill(Path().AddCircle(x, 4, 2.6f), draw::Solid(ink.body));
    c.Fill(
        Path().MoveTo(x - 4.5f, 13.5f).CubicTo(x - 4.5f, 7, x + 4.5f, 7, x + 4.5f, 13.5f).Close(),
        draw::Solid(ink.body));
  }
  c.Stroke(Path().MoveTo(8, 8.5f).LineTo(8, 13.5f), 0.8f, draw::Solid(ink.detail));
}

void Monitor(draw::Canvas& c, const IconInk& ink) {
  c.Fill(Path().AddRoundRect(0.5f, 0.5f, 15, 10, 1.5f), draw::Solid(ink.body));
  c.Fill(Path().AddRect(2, 2, 12, 7),
         draw::Vertical(2, 9, draw::Lighten(ink.detail, 0.3f), ink.detail));
  c.Fill(Path().AddPolygon({{6.5f, 10.5f}, {9.5f, 10.5f}, {10.5f, 12.5f}, {5.5f, 12.5f}}),
         draw::Solid(ink.body));
  c.Fill(Path().AddRoundRect(3.5f, 12.3f, 9, 1.6f, 0.8f), draw::Solid(ink.body));
}

// Pieces of the tool strip's frame: its left end, its right end and a divider.
draw::Canvas FramePiece(int which) {
  draw::Canvas c(17, 16);
  const Rgba steel = Hex(0x5A6C88), light = Hex(0xC8D6EA);
  if (which == 2) {
    c.Fill(Path().AddRoundRect(7, 0, 3, 16, 1.5f), draw::Vertical(0, 16, light, steel));
    c.Fill(Path().AddPolygon({{8.5f, 4}, {12.5f, 8}, {8.5f, 12}, {4.5f, 8}}), draw::Solid(steel));
    c.Fill(Path().AddPolygon({{8.5f, 5.8f}, {10.7f, 8}, {8.5f, 10.2f}, {6.3f, 8}}),
           draw::Solid(light));
    return c;
  }
  Path bracket;
  bracket.AddRoundRect(0.5f, 0.5f, 16, 15, 4);
  bracket.AddPath(Path().AddRoundRect(4, 3.5f, 16, 9, 2).Reversed());
  draw::Canvas piece(17, 16);
  piece.Fill(bracket, draw::Vertical(0, 16, light, steel));
  piece.Fill(Path().AddCircle(2.4f, 8, 1.1f), draw::Solid(Hex(0xFFFFFF)));
  return which == 0 ? piece : piece.Rotated180();
}

draw::Canvas Icon(const IconDrawing& drawing, bool lit) {
  draw::Canvas c(16, 14);
  if (lit) {
    // A soft plate behind the lit icon.
    c.Fill(Path().AddRoundRect(0, 0, 16, 14, 3),
           draw::Vertical(0, 14, Hex(0xFFF4D8), Hex(0xFFD890)));
  }
  drawing(c, lit ? kLit : kNormal);
  return c;
}

// A video window's frame: a steel bezel round a dark screen waiting for a picture.
draw::Canvas VideoFrame(int width, int height, Rgba accent) {
  draw::Canvas c(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const float border = std::max(6.0f, w * 0.035f);
  c.Fill(Path().AddRect(0, 0, w, h), draw::Vertical(0, h, Hex(0x8E9CB4), Hex(0x3C4658)));
  for (float y = 1; y < h; y += 2)  // brushed metal
    c.Fill(Path().AddRect(0, y, w, 0.6f), draw::Solid(Hex(0xFFFFFF, 0.06f)));
  c.Stroke(Path().AddRect(0.5f, 0.5f, w - 1, h - 1), 1, draw::Solid(Hex(0x20262F)));
  c.Stroke(Path().AddRect(1.5f, 1.5f, w - 3, h - 3), 1, draw::Solid(Hex(0xFFFFFF, 0.35f)));
  const Path screen =
      Path().AddRoundRect(border, border, w - 2 * border, h - 2 * border, border * 0.6f);
  c.Fill(c.Coverage(screen).Dilated(1.5f), draw::Solid(Hex(0x10141A)));
  c.Fill(screen, draw::Radial({w / 2, h * 0.42f}, w * 0.6f, h * 0.7f,
                              {{0, Hex(0x26344A)}, {1, Hex(0x080C12)}}));
  draw::Mask lines(width, height);
  for (float y = border; y < h - border; y += 3)
    lines.Unite(draw::Fill(width, height, Path().AddRect(0, y, w, 1)));
  lines.Intersect(c.Coverage(screen));
  c.Fill(lines, draw::Solid(Hex(0x000000, 0.25f)));
  // A faint camera in the middle of the screen.
  const float s = std::min(w, h) / 6;
  const float cx = w / 2, cy = h / 2;
  const Rgba faint = draw::WithAlpha(accent, 0.35f);
  c.Fill(Path().AddRoundRect(cx - 1.6f * s, cy - s, 2.2f * s, 2 * s, s * 0.35f),
         draw::Solid(faint));
  c.Fill(Path().AddPolygon({{cx + 0.6f * s, cy - 0.3f * s},
                            {cx + 1.6f * s, cy - 0.9f * s},
                            {cx + 1.6f * s, cy + 0.9f * s},
                            {cx + 0.6f * s, cy + 0.3f * s}}),
         draw::Solid(faint));
  // Corner screws and a lamp.
  for (const float x : {border / 2, w - border / 2})
    for (const float y : {border / 2, h - border / 2}) {
      c.Fill(Path().AddCircle(x, y, border * 0.22f), draw::Solid(Hex(0x2A323E)));
      c.Fill(Path().AddCircle(x - 0.4f, y - 0.4f, border * 0.12f), draw::Solid(Hex(0xDDE4EE)));
    }
  c.Fill(Path().AddCircle(w - border * 2.2f, border * 1.8f, border * 0.3f), draw::Solid(accent));
  return c;
}

}  // namespace

void AddVideoArt(Entries& entries) {
  const IconDrawing drawings[] = {Camcorder, Magnifier, PhotoCamera, Notes, TwoPersons};
  for (int k = 0; k < 5; ++k) {
    const IconDrawing drawing = drawings[k];
    entries.push_back({850 + 2 * k, 16, 14, Format::kGif, [=] { return Icon(drawing, false); }});
    entries.push_back({851 + 2 * k, 16, 14, Format::kGif, [=] { return Icon(drawing, true); }});
  }
  for (int k = 0; k < 3; ++k)
    entries.push_back({860 + k, 17, 16, Format::kGif, [=] { return FramePiece(k); }});
  entries.push_back({863, 16, 14, Format::kGif, [] { return Icon(Monitor, false); }});
  entries.push_back({864, 16, 14, Format::kGif, [] { return Icon(Monitor, true); }});

  const struct {
    int id, width, height;
    Rgba accent;
  } frames[] = {{870, 276, 215, Hex(0x4AC8E8)}, {871, 276, 215, Hex(0xF0A030)},
                {872, 434, 341, Hex(0x4AC8E8)}, {873, 137, 108, Hex(0x4AC8E8)},
                {874, 216, 168, Hex(0x4AC8E8)}, {875, 339, 266, Hex(0xF0A030)}};
  for (const auto& f : frames)
    entries.push_back({f.id, f.width, f.height, Format::kJpeg,
                       [=] { return VideoFrame(f.width, f.height, f.accent); }});
}

}  // namespace tlj::artgen::art
