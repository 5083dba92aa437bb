#pragma once
// The sounds, each made by one function; the catalogue gives them their files.

#include "tools/soundgen/synth/signal.h"

namespace tlj::soundgen::sounds {

// The table's background: a calm loop whose end joins its start.
synth::Signal BackgroundLoop();

// The countdown's warning beep, and the short tile and dice sounds of the common music folder.
synth::Signal CountdownBeep();
synth::Signal TilePlayed();
synth::Signal TileDrawn();
synth::Signal TilesShuffled();
synth::Signal DiceRolled();

// The table's own events.
synth::Signal CoinsMoving();
synth::Signal GivingUp();
synth::Signal CardDealt();
synth::Signal CardTurned();

// The results of a bet.
synth::Signal Victory();
synth::Signal BetWon();
synth::Signal BetLost();

// A voice saying a short phrase: a man's, lower, or a woman's.
synth::Signal Voice(bool male);

}  // namespace tlj::soundgen::sounds
