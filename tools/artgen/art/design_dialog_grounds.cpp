// The grounds of the two frameless dialogs: a broad lacquer edge round a parchment field, the
// program's lines of text above a rule, its two buttons below it.

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_grounds.h"
#include "tools/artgen/art/design_groups.h"

namespace tlj::artgen::art {
namespace {

draw::Canvas Dialog(int width, int height, int rule_at) {
  draw::Canvas dialog(width, height);
  DrawGround(dialog, 8);
  // A fine gilt bead runs round the middle of the lacquer.
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const draw::Path bead = draw::Path().AddRect(3, 3, w - 6, h - 6).AddRect(4, 4, w - 8, h - 8);
  dialog.Fill(dialog.Coverage(bead, draw::FillRule::kEvenOdd),
              draw::Solid(draw::WithAlpha(design::kGold, 0.6f)));
  DrawRule(dialog, 30, rule_at, width - 60);
  return dialog;
}

}  // namespace

void AddDialogGrounds(Entries& entries) {
  // The buttons stand at y 100 and 120.
  AddDesign(entries, 38, Format::kGif, [](int w, int h) { return Dialog(w, h, 88); });
  AddDesign(entries, 39, Format::kGif, [](int w, int h) { return Dialog(w, h, 106); });
}

}  // namespace tlj::artgen::art
