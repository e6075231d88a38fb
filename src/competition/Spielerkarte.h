#pragma once
// The player card "Skarte": one transfer of 400 units from address 0.

#include "competition/Chipkarte.h"
#include "core/Records.h"

#include <QByteArray>
#include <array>
#include <functional>

// The 18 fields of a player card, in card order (Windows-1252 texts).
struct TSpielerkartenDaten {
    QByteArray Name, Pass, Geburtsdatum, Geschlecht, Verein, Sparte, Beitrag, Club, Klasse, Reserviert;
    std::array<QByteArray, 4> ErsatzSpiel, ErsatzDatum;
    bool operator==(const TSpielerkartenDaten&) const = default;
};
// The last card read; the window shows it again at its next opening.
extern TSpielerkartenDaten Spielerkarte;

enum class Kartenergebnis { Ok, KeineKarte, Fehler, FalscheKarte, Abgebrochen };

// Pure: the image of a card and its fields back (false for a field too long).
void SpielerkarteFuellen(const TSpielerkartenDaten& d, Kartenbild& bild);
bool SpielerkarteAuslesen(const Kartenbild& bild, TSpielerkartenDaten& d);

// Reads the card in the reader into `Spielerkarte` (a card of another kind
// leaves it and says FalscheKarte).
Kartenergebnis SpielerkarteLesen();
// Writes `d` to the card; a card of another kind is overwritten only when
// `ueberschreiben` (asked with the card's kind) says so.
Kartenergebnis SpielerkarteSchreiben(const TSpielerkartenDaten& d, const std::function<bool()>& ueberschreiben);
