#pragma once
// Throw booking and scoring: a reported throw becomes booked results, and
// every score of the match follows: the lane's part counters, the player's
// totals and round block, the sides' totals and lead, set points, match
// points, table points and ranks. Also the lane-side corrections, warnings
// and substitutions.

#include "core/Records.h"

// Set while the player dialog edits: no ranking.
extern u8 PlatzierungGesperrt;

// Partner lane of the duel: L + 1 when L - ErsteSpielbahn is even, else L - 1.
int PartnerBahn(const TWettkampfDaten& w, int bahn);
// The record that carries the duel of a player: the player, or the one he
// replaced (followed at most twice).
TSpielerEintrag* Ergebnistraeger(TWettkampfDaten& w, TSpielerEintrag* spieler);
// Number 1..16 of a player record of the match; 0 when it is none of them.
int SpielerNummer(const TWettkampfDaten& w, const TSpielerEintrag* spieler);

void WurfAbschliessen(int bahn);
void WurfNullWerten(int bahn);
void WurfWerten(int bahn);
void WurfUngueltigWerten(int bahn);
void SpielerVerwarnen(int bahn);
void SpielerWechseln(int bahn, int ersatzNr);
void WurfNrKorrigieren(int bahn, int wurfNr);
void GesamtKorrigieren(int bahn, u16 gesamt);
void TotalKorrigieren(int bahn, u16 total);

// kind: 1 Volle, 2 Abräumen, 0 neither.
void MannschaftssummenAddieren(int bahn, int art, int wuerfe, int holz, int fehler);
void SatzpunkteSenden(int bahn);
void BahnAnzeigenAktualisieren(int bahn);
void SatzVergleichen(int bahn);
void SatzpunkteBerechnen(TWettkampfDaten& w);
void PunkteBerechnen(TWettkampfDaten& w);
void TabellenpunkteBerechnen(TWettkampfDaten& w);
void MannschaftssummenBilden(TWettkampfDaten& w);
void SpielerplatzierungBerechnen(TWettkampfDaten& w);
