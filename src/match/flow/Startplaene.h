#pragma once
// The built-in start-order plans, the choice of the plan for a match and the
// check of a match's own plan.
//
// A plan holds, for lane row r (lane ErsteSpielbahn + r - 1) and round k, the
// player on that lane in that round (1..8 home, 9..16 guest, 0 nobody). Home
// player i and guest i + 8 are duel partners. Rows and rounds a plan does not
// use are 0.

#include "core/Records.h"

#include <QString>

// Six lanes, the same plan for every team size (players 1..6, 9..14).
extern const TStartplan PlanSechsBahnenModus2;
extern const TStartplan PlanSechsBahnenModus3;
extern const TStartplan PlanSechsBahnenModus4;

// Two lanes; modes 3 and 4 share their plans.
extern const TStartplan PlanZweiBahnenModus1Vier;
extern const TStartplan PlanZweiBahnenModus1Sechs;
extern const TStartplan PlanZweiBahnenModus2Vier;
extern const TStartplan PlanZweiBahnenModus2Fuenf;
extern const TStartplan PlanZweiBahnenModus2Sechs;
extern const TStartplan PlanZweiBahnenModus34Vier;
extern const TStartplan PlanZweiBahnenModus34Fuenf;
extern const TStartplan PlanZweiBahnenModus34Sechs;

// Four lanes; five players only in mode 2, one plan per Art.
extern const TStartplan PlanVierBahnenModus1Vier;
extern const TStartplan PlanVierBahnenModus1Sechs;
extern const TStartplan PlanVierBahnenModus2Vier;
extern const TStartplan PlanVierBahnenModus2Sechs;
extern const TStartplan PlanVierBahnenModus2FuenfArt0;  // lanes 3, 4 idle in rounds 1, 2
extern const TStartplan PlanVierBahnenModus2FuenfArt1;  // lanes 1, 2 idle in rounds 1, 2
extern const TStartplan PlanVierBahnenModus2FuenfArt2;  // lanes 3, 4 idle from round 5
extern const TStartplan PlanVierBahnenModus2FuenfArt3;  // lanes 1, 2 idle from round 5
extern const TStartplan PlanVierBahnenModus3Vier;
extern const TStartplan PlanVierBahnenModus3Sechs;
extern const TStartplan PlanVierBahnenModus4Vier;
extern const TStartplan PlanVierBahnenModus4Sechs;

// Eight players a side (Streichspiel).
extern const TStartplan PlanStreichVierBahnen;
extern const TStartplan PlanStreichSechsBahnenArt0;  // lanes 5, 6 idle in rounds 1..4
extern const TStartplan PlanStreichSechsBahnenArt1;  // lanes 1, 2 idle in rounds 1..4
extern const TStartplan PlanStreichSechsBahnenArt2;  // lanes 5, 6 idle from round 9
extern const TStartplan PlanStreichSechsBahnenArt3;  // lanes 1, 2 idle from round 9

struct StartplanWahl {
    enum Ergebnis {
        Plan,          // plan points at a built-in plan
        EigenerPlan,   // mode 5: the match's own plan (Startfolge) is to be loaded
        Unveraendert,  // no plan for this team size or Art: keep the current one
        KeinPlan,      // the combination has no plan at all
    };
    Ergebnis ergebnis = KeinPlan;
    const TStartplan* plan = nullptr;  // only with Plan
};

// The plan for a lane count (LetzteBahn - ErsteBahn + 1), start-order mode
// (Spielmodus), players per side (Spieleranzahl), lane-change choice (Art)
// and Streichspiel.
StartplanWahl StartplanWaehlen(int bahnen, int spielmodus, int spieleranzahl, int art, bool streichspiel);

// Checks a match's own plan read from a file before it is used: every entry
// of rows 1..zeilen is a player 0..16 and no player plays more than
// MaxDurchgaenge rounds. Rows above zeilen are not looked at. On failure
// *fehler (when given) receives a message for the operator.
bool StartfolgePruefen(const TStartplan& plan, int zeilen, QString* fehler);
