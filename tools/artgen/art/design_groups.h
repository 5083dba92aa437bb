#pragma once
// Each group of the window designs' pictures adds its entries to the design catalogue.

#include <functional>

#include "tools/artgen/art/catalogue.h"

namespace tlj::artgen::art {

using DesignDrawing = std::function<draw::Canvas(int width, int height)>;

// The picture numbered `number` in the designs' list, drawn at the size the list gives it.
void AddDesign(Entries& entries, int number, Format format, DesignDrawing drawing,
               const encode::QuantizeOptions& quantize = {});

void AddWindowFrame(Entries& entries);
void AddCaptionButtons(Entries& entries);
void AddTableSurface(Entries& entries);
void AddTableBars(Entries& entries);
void AddPotPlaques(Entries& entries);
void AddTablePanels(Entries& entries);
void AddTurnTimer(Entries& entries);
void AddHorn(Entries& entries);
void AddMendSign(Entries& entries);
void AddScoreGrounds(Entries& entries);
void AddCloseButtons(Entries& entries);
void AddCardWindows(Entries& entries);
void AddDialogGrounds(Entries& entries);
void AddSoundSettings(Entries& entries);
void AddChatGrounds(Entries& entries);
void AddSpeechBubbles(Entries& entries);

}  // namespace tlj::artgen::art
