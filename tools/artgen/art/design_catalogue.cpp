// The design catalogue follows the designs' list: each listed picture is drawn once, at the
// size the list gives it, so the list and the pack cannot drift apart.

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "core/view/design_pictures.h"
#include "tools/artgen/art/design_groups.h"

namespace tlj::artgen::art {
namespace {

const view::DesignPicture& Listed(int number) {
  for (const view::DesignPicture& picture : view::kDesignPictures)
    if (picture.number == number) return picture;
  throw std::logic_error("design picture " + std::to_string(number) + " is not in the list");
}

void CheckEveryListedPictureOnce(const Entries& entries) {
  if (entries.size() != view::kDesignPictures.size())
    throw std::logic_error("the design catalogue has " + std::to_string(entries.size()) +
                           " pictures, the list " + std::to_string(view::kDesignPictures.size()));
  for (std::size_t k = 1; k < entries.size(); ++k)
    if (entries[k].id == entries[k - 1].id)
      throw std::logic_error("design picture " + std::to_string(entries[k].id) + " drawn twice");
}

}  // namespace

void AddDesign(Entries& entries, int number, Format format, DesignDrawing drawing,
               const encode::QuantizeOptions& quantize) {
  const view::DesignPicture& picture = Listed(number);
  const int width = picture.width, height = picture.height;
  entries.push_back({number, width, height, format,
                     [=, drawing = std::move(drawing)] { return drawing(width, height); },
                     quantize});
}

Entries DesignCatalogue() {
  Entries entries;
  AddWindowFrame(entries);
  AddCaptionButtons(entries);
  AddTableSurface(entries);
  AddTableBars(entries);
  AddPotPlaques(entries);
  AddTablePanels(entries);
  AddTurnTimer(entries);
  AddHorn(entries);
  AddMendSign(entries);
  AddScoreGrounds(entries);
  AddCloseButtons(entries);
  AddCardWindows(entries);
  AddDialogGrounds(entries);
  AddSoundSettings(entries);
  AddChatGrounds(entries);
  AddSpeechBubbles(entries);
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return a.id < b.id; });
  CheckEveryListedPictureOnce(entries);
  return entries;
}

}  // namespace tlj::artgen::art
