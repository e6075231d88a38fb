#pragma once
// The player card "Skarte": one transfer of 400 units from address 0.

#include "competition/Chipkarte.h"
#include "core/Records.h"

#include <QByteArray>
#include <array>
#include <functional>

// The layout: the tag at unit 0 (text 8), the fields at their units (all
// text fields, widths below); units 0..399 move in one transfer.
inline constexpr char SpielerkartenKennung[] = "Skarte";
inline constexpr int SpielerkarteEinheiten = 400;
inline constexpr int SpielerkarteName = 10, SpielerkarteNameBreite = 30;
inline constexpr int SpielerkartePass = 41, SpielerkartePassBreite = 6;
inline constexpr int SpielerkarteGeburtsdatum = 48, SpielerkarteGeburtsdatumBreite = 8;
inline constexpr int SpielerkarteReserviert = 175, SpielerkarteReserviertBreite = 2;

// The 18 fields of a player card, in card order (Windows-1252 texts).
struct TSpielerkartenDaten {
    QByteArray Name, Pass, Geburtsdatum, Geschlecht, Verein, Sparte, Beitrag, Club, Klasse, Reserviert;
    std::array<QByteArray, 4> ErsatzSpiel, ErsatzDatum;
    bool operator==(const TSpielerkartenDaten&) const = default;
};
// The last card read; the window shows it again at its next opening.
extern TSpielerkartenDaten Spielerkarte;

// Every field with its unit and width: f(einheit, breite, feld).
template <typename D, typename F>
void SpielerkartenFelder(D& d, F&& f)
{
    f(SpielerkarteName, SpielerkarteNameBreite, d.Name);
    f(SpielerkartePass, SpielerkartePassBreite, d.Pass);
    f(SpielerkarteGeburtsdatum, SpielerkarteGeburtsdatumBreite, d.Geburtsdatum);
    f(57, 8, d.Geschlecht);
    f(66, 30, d.Verein);
    f(97, 12, d.Sparte);
    f(110, 2, d.Beitrag);
    f(113, 30, d.Club);
    f(144, 30, d.Klasse);
    f(SpielerkarteReserviert, SpielerkarteReserviertBreite, d.Reserviert);
    for (int k = 0; k < 4; ++k) {
        f(178 + 40 * k, 30, d.ErsatzSpiel[std::size_t(k)]);
        f(209 + 40 * k, 8, d.ErsatzDatum[std::size_t(k)]);
    }
}

// Ok: done. KeineKarte: no card in the reader, nothing done. Fehler: a
// transfer failed or a field did not read (or, for the team card, what was
// shown to the operator). FalscheKarte: a card of another kind (the notice
// was shown), nothing taken. Abgebrochen: the operator declined to
// overwrite a card of another kind.
enum class Kartenergebnis { Ok, KeineKarte, Fehler, FalscheKarte, Abgebrochen };

// Pure: the image of a card (units 0..399 cleared first, then the tag and
// the fields; a text longer than its field is cut), and its fields back:
// false, with `d` untouched, when a field does not read.
void SpielerkarteFuellen(const TSpielerkartenDaten& d, Kartenbild& bild);
bool SpielerkarteAuslesen(const Kartenbild& bild, TSpielerkartenDaten& d);

// Reads the card in the reader into `Spielerkarte` (a card of another kind
// leaves it and says FalscheKarte). The light is off on every way out.
Kartenergebnis SpielerkarteLesen();
// Writes `d` to the card (and keeps it as `Spielerkarte`); a card of
// another kind is overwritten only when `ueberschreiben` (asked with the
// card's kind) says so. A player card keeps its own reserved field; another
// card gets the one of `d`. The light is off on every way out.
Kartenergebnis SpielerkarteSchreiben(const TSpielerkartenDaten& d, const std::function<bool()>& ueberschreiben);
