#pragma once
// Operations on the match, player and lane records shared by most units:
// clearing and copying players, the sudden-victory table, the bus address of
// a match, the lane range and throw preset of the current match, and the
// defaults of a new match.

#include "core/Records.h"

#include <QDate>
#include <QString>
#include <utility>

void SpielerLoeschen(TSpielerEintrag& s);
void SpielerKopieren(TSpielerEintrag& ziel, const TSpielerEintrag& quelle);
void SuddenVictoryLoeschen(TWettkampfDaten& w);

// Slot number 1..6 of the record OR (PcEinheit shl 4); 0 for a record that
// is not one of the six slots.
u8 WettkampfAdresse(const TWettkampfDaten* w);

// First and last lane of the current match from a text such as "Bahn 1 bis 4";
// the one-lane form "Bahn n" gives n for both.
void ZweiZahlenLesen(const QString& bahnText);
// The two lanes of such a text, without touching the match; {0, 0} when the
// text names no first lane.
std::pair<int, int> BahnbereichLesen(const QString& bahnText);
// The lanes erste..letzte as the lane choices name them: "Bahn 5 bis 8", or
// "Bahn 5" for one lane.
QString BahnbereichText(int erste, int letzte);

// Line i (counted from 0) of the throw presets. While no preset is kept,
// line 0 is the built-in one, so that a new match can be played: 120 throws,
// 15 Volle and 15 Abräumen on each of four lanes, set mode 3, with the lane
// choices of the alley (6, 4 or 2 lanes from lane 1, at most BahnAnzahl).
QString WurfvorwahlZeile(int i);
// The lane choices of a preset line: every field after the practice fields.
QStringList WurfvorwahlBahnen(const QString& zeile);

// Volle, Abräumen, minutes and set mode of the current match from line i
// (counted from 0) of the throw presets.
void WurfvorwahlLaden(int i);
// The start-order mode and the rounds a player plays that follow from it.
void SpielmodusSetzen(TWettkampfDaten& w, u16 spielmodus);

// The defaults that creating a match writes into its slot (fields not named
// keep what the slot held). `heute` gives the match date.
void WettkampfGrundwerteSetzen(TWettkampfDaten& w, const QDate& heute);
// The second half: the values taken over from the settings, the empty advert
// lists and the phase "set up".
void WettkampfEinstellungenUebernehmen(TWettkampfDaten& w);

// "dd.mm.yy", independent of the locale.
QByteArray DatumText(const QDate& datum);
