#pragma once
// Throw booking: a reported throw becomes booked results, and the lane's
// part counters, the player's totals and round block, the sides' totals and
// lead and the set points follow (the points themselves: Punkte.h; what
// follows a booking: Nachbuchung.h). Also the lane's corrections of a throw,
// warnings and substitutions.

#include "core/Records.h"
#include "match/engine/Punkte.h"

namespace Buchen {
struct Buchung;
struct Stelle;
struct Wurfwert;
}  // namespace Buchen

// Number 1..16 of a player record of the match; 0 when it is none of them.
int SpielerNummer(const TWettkampfDaten& w, const TSpielerEintrag* spieler);

void WurfAbschliessen(int bahn);
// Clears the lane's last-throw marks (pending, substitute, corrected, time
// changed, foul with pins) once a throw is booked or dropped.
void BahnwerteLoeschen(int bahn);
void WurfNullWerten(int bahn);
void WurfWerten(int bahn);
void WurfUngueltigWerten(int bahn);
void SpielerVerwarnen(int bahn);
void SpielerWechseln(int bahn, int ersatzNr);

// The throw at place s of the lane's booking changes from alt to neu: its
// pins and miss move on every counter that holds them (the lane's part, phase,
// total and misses and its Volle column sums; the player and his block, in a
// sudden victory the lane's entry; the side's totals and lead, in a sudden
// victory only the set points). The throw count of the player and the side
// changes by wuerfe (1: the throw comes with the change).
void WurfUmbuchen(int bahn, const Buchen::Buchung& z, const Buchen::Stelle& s, const Buchen::Wurfwert& alt,
                  const Buchen::Wurfwert& neu, int wuerfe = 0);

// kind: 1 Volle, 2 Abräumen, 0 neither.
void MannschaftssummenAddieren(int bahn, int art, int wuerfe, int holz, int fehler);
void SatzpunkteSenden(int bahn);
void SatzVergleichen(int bahn);
