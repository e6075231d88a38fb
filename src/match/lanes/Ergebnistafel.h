#pragma once
// The result table's decisions as functions of the match record: which
// headings and lines show in the plain and in the set layout, where the
// substitute lines 7 and 8 stand, every text of a player's line and of the
// totals. The window applies them and decides nothing itself.

#include "core/CheckedArray.h"
#include "core/Records.h"

#include <QString>
#include <optional>

// The group boxes stand this far below the top of the board: the tops of a
// line's names count from its group box, those of its values from the board.
constexpr int ErgebnisGruppeOben = 62;
constexpr int ErgebnisGruppeObenSatz = 64;

// Where a substitute line stands.
struct ErgebnisLage {
    int nameOben = 0;
    int werteOben = 0;
    bool operator==(const ErgebnisLage&) const = default;
};

// One side's lines 1..8 (home 1..8, guest 9..16).
struct ErgebnisSeite {
    bool ersatzUeberschrift = false;  // the "Ersatz" heading above lines 7 and 8
    Array1<bool, 8> zeile{};          // the name (set layout: with the substitute text)
    Array1<bool, 8> werte{};          // the line's values
    // Set layout: "für Spieler n" beside the names of lines 7 and 8.
    Array1<QString, 2> ersetzt;
};

// Where substitute line 7 (zeile 1) or 8 (zeile 2) stands in the plain or the
// set layout: lines 7 and 8 move up into the table when every player of a
// side counts (Streichspiel).
ErgebnisLage ErsatzLage(bool satz, bool streichspiel, int zeile);

struct ErgebnisLayout {
    bool satz = false;  // the set layout (Satzanzeige) instead of the plain one
    Array1<ErgebnisLage, 2> ersatzLage;  // lines 7 and 8
    ErgebnisSeite heim, gast;
};

// One player's line, written alike into both layouts.
struct ErgebnisZeile {
    bool heim = true;
    int zeile = 0;  // 1..8 of his side
    QString name;
    QString volle, abr, fehler, total;
    Array1<QString, 4> satz;  // the totals of round blocks 1..4
    QString satzTotal;
    bool hatPunkte = false;  // lines 1..6 have a set-points label
    bool punkteSichtbar = false;
    QString punkte;
};

struct ErgebnisSumme {
    QString heimWurf, heimTotal, heimPlus;
    QString gastWurf, gastTotal, gastPlus;
    bool heimPlusSichtbar = false;
    bool gastPlusSichtbar = false;
    QString heimPunkte, gastPunkte;  // shown only in a points match
};

// The whole window (ErgebnistafelKopfAnzeigen).
struct ErgebnisKopf {
    QString heim, gast;
    bool punkteSichtbar = false;  // match points: heading and both values
    ErgebnisLayout layout;
    Array1<ErgebnisZeile, MaxSpieler> zeilen;
    ErgebnisSumme summe;
};

// The line layout of both sides (ErgebnistafelLayout, ErgebnistafelLayoutSatz).
ErgebnisLayout ErgebnistafelLayout(const TWettkampfDaten& w);
// Player n's line (ErgebnistafelSpielerAnzeigen); nothing for n outside 1..16.
std::optional<ErgebnisZeile> ErgebnistafelSpielerzeile(const TWettkampfDaten& w, int n);
ErgebnisSumme ErgebnistafelSumme(const TWettkampfDaten& w);
ErgebnisKopf ErgebnistafelKopf(const TWettkampfDaten& w);
