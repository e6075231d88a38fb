#pragma once
// The throw-sheet jobs: heads, a mark or a line per throw, reprints after
// bookings and corrections, results, feet and the match report as text. Each
// job is built whole and appended to the queue of the printer serving its
// lane (behind what waits there, however full the queue); a job the queue
// refuses leaves the lane's paper position and print marks as they were.
//
// Two-lane sheets (DrZweiBahnen): two neighbouring lanes share a sheet of two
// columns, every throw one character. Central sheets (DrZentral): one column
// per lane of the match, every throw one line with its pin picture. With
// DrEinzelbahn the lane controllers print by themselves and the hooks print
// nothing.
//
// The paper stays in the printer while the players change lanes: every lane
// keeps in DruckZeilenstand how many line steps (50/180 inch on two-lane
// sheets, 30/180 inch on central ones) the paper stands past its first throw
// line, and every job moves the counters of all lanes on its sheet alike.

#include <QByteArrayView>

// Single-lane hooks: nothing to print.
void BahndruckVorStart(int bahn);
void BahndruckNachStart(int bahn);
void BahndruckVorWurf(int bahn);
void BahndruckVorBahnende(int bahn);
void BahndruckVorWertung(int bahn);

// Two-lane sheets.
void BahndruckKopf(int bahn);
void BahndruckSpielerKopf(int bahn);
// holz: the pin digit, '0' for pins that counted zero, 'X' for a miss;
// marke: the throw's event letter or 0.
void BahndruckWurf(int bahn, char holz, char marke);
// Throw wurfNr of the part again: its old character blacked out and zeichen
// (the new pin character) half a line above it; a warning ('V') keeps the
// old character and refreshes no sums.
void BahndruckWurfzeile(int bahn, int wurfNr, char zeichen);
void BahndruckBahnergebnis(int bahn);
void BahndruckFusszeile(int bahn);

// Central sheets.
void BahndruckKopfStart(int bahn);
// Back to the top of the sheet, so that the second round of a two-lane match
// stands beside the first.
void BahndruckVorschub(int bahn);
void BahndruckSpielerStart(int bahn);
// The line of the lane's current throw; a throw already on the sheet is
// overprinted, never printed on a new line.
void BahndruckAbschnitt(int bahn, char holz, char marke);
// The same for throw wurfNr after a correction.
void BahndruckSummenzeile(int bahn, int wurfNr, char holz, char marke);
void BahndruckSpielerergebnis(int bahn);
void BahndruckFusszeileKurz(int bahn);

// The report of match w as a text sheet on the printer opened for it for
// the lane (BerichtDruckerOeffnen); spielort is the venue (Windows-1252).
// The match is named, as its lanes have left it when the report prints.
struct TWettkampfDaten;
void BahndruckErgebnisblatt(int bahn, TWettkampfDaten& w, QByteArrayView spielort = {});
