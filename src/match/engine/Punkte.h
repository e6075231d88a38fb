#pragma once
// The points and ranks of a match, computed from its record alone: set
// points of each duel and round, match points, table points, the sides'
// totals and the players' ranks.

#include "core/Records.h"

// The ranking's state; the names below refer into it.
struct PunkteZustand {
    // Set while the player dialog edits: no ranking.
    u8 PlatzierungGesperrt = 0;

    void zuruecksetzen() { *this = PunkteZustand{}; }
};
extern PunkteZustand punkteZustand;

extern u8& PlatzierungGesperrt;

// Set points of every duel and round from the pins of the players and their
// substitutes; then PunkteBerechnen.
void SatzpunkteBerechnen(TWettkampfDaten& w);
// Set-point sums, match points and the result points of the sides (in a
// sudden victory only the round's set-point sums).
void PunkteBerechnen(TWettkampfDaten& w);
void TabellenpunkteBerechnen(TWettkampfDaten& w);
// The sides' totals and lead rebuilt from the players that count.
void MannschaftssummenBilden(TWettkampfDaten& w);
// Ranks of each side; with Streichspiel the two last players stop counting
// and totals and points follow. Nothing while PlatzierungGesperrt is set.
void SpielerplatzierungBerechnen(TWettkampfDaten& w);
