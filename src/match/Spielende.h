#pragma once
// The end side of the match flow: the 50 ms check that finds finished lane
// parts and pending throws, the closing of a part, the round change along the
// start plan, the sudden victory, the game end and the sign-off of lanes.

#include "core/Records.h"
#include "match/CanSenden.h"

#include <QString>

// Player number that the plan puts on the lane in the round; 0 for nobody,
// for a round outside 1..25 or a lane outside the plan.
int PlanSpieler(const TWettkampfDaten& m, int bahn, int runde);

void BahnendePruefen();
void Bahnende(int bahn);
// Every lane of the match in play has ended its part.
bool RundeVorbei(const TWettkampfDaten& m);
// Moves the match to the next round of its plan (from the lane that ended
// last), or to the sudden victory or the end.
void RundeWechseln(TWettkampfDaten& m, int bahn);
void SuddenVictoryFragen(int bahn);
void SpielBeenden(TWettkampfDaten& m);
void BahnAbmelden(int bahn);

// A round change that stopped at busy lanes is tried again (the start command
// continuing the match); false when none is pending.
bool RundenwechselNachholen(TWettkampfDaten& m);
void RundenwechselVergessen(const TWettkampfDaten& m);
void RundenwechselZuruecksetzen();

// The operator's go-ahead for a waiting lane change or game end.
void WechselFreigeben(TWettkampfDaten& m);

// Part frames of a lane (kinds 1, 34, 35) that arrive after the lane was
// asked for its match number but before its part was started (late after a
// bus outage, or from passive lanes that start on their own) wait, in order,
// and are taken one a check once the part runs: true when the frame waits.
// Behind a waiting frame every further part frame of the lane waits too.
bool BahnrahmenZurueckhalten(int bahn, const TCanNachricht& n);
void ZurueckgehalteneVerwerfen(int bahn);

// Parts of a round that a lane with a player did not play or in which no
// throw was booked; the game end tells the operator about them.
QString FehlendeTeileText(const TWettkampfDaten& m);
void FehlendeTeileVergessen(const TWettkampfDaten& m);
