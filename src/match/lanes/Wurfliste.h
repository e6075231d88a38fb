#pragma once
// The throw list of one player: decoding a stored throw into its derived
// values, the two alley tests, the list contents of every display mode, the
// pin picture of a throw and the alley counters of a side for the statistics
// print. No widgets: the window applies what these functions return.

#include "core/Records.h"

#include <QList>
#include <QString>

// Bits of a throw's mark byte (Marke); EreignisText turns them into letters.
constexpr u8 MarkeFehlwurf = 0x01;      // F
constexpr u8 MarkeNullwurf = 0x02;      // N
constexpr u8 MarkeUebertritt = 0x04;    // Ü
constexpr u8 MarkeVerwarnung = 0x08;    // V
constexpr u8 MarkeAbgeraeumt = 0x10;    // A
constexpr u8 MarkeKorrigiert = 0x20;    // K
constexpr u8 MarkeZahlEingabe = 0x40;   // W
constexpr u8 MarkeZeitGeaendert = 0x80; // Z

constexpr u16 VollesBild = WurfbildKegelMaske;  // all nine pins standing

// Throws of one part of the match (Volle + Abraeumen), at most MaxWuerfe.
int WurflisteWuerfe(const TWettkampfDaten& w);

// Pins a throw word shows: the set pin bits, or the entered count.
int WurfKegelzahl(u16 wurf);

// Derives Holz, FehlWurf, NullWurf and Marke of throw t from its current
// throw and flag words. A throw counts as a miss while it counts zero
// (flag 0x01 or 0x40, or no pins at all) and is no foul throw counted as
// zero (0x200, a NullWurf).
void WurfAuswerten(TDurchgangBlock& b, long t);

// A throw on a full rack that hits the left alley (pins 1 and 2) or the
// right one (pins 1 and 3), as asked. Bits above the pins are ignored.
bool GasseGetroffen(u16 wurf, bool links, bool rechts);
// A throw on a partly cleared rack with the standing pins `stehend` that
// fells what the standing figure asks for.
bool KorrekterWurf(u16 stehend, u16 wurf);

// One row of the list for one lane block: pins, running miss number, marks.
struct WurflisteZeile {
    QString holz, fehler, ereignis;
    bool operator==(const WurflisteZeile&) const = default;
};

// Decodes every existing throw 1..wuerfe of the block, marks it evaluated
// (a missing one not) and returns its rows (index t-1 for throw t; empty for
// missing throws).
QList<WurflisteZeile> BahnWurflisteFuellen(TDurchgangBlock& b, int wuerfe);

enum class WurflisteModus { Ergebnis, Volle, Abr, Fehler, Wurfbild };

// The tool buttons: one mode, and the alley buttons.
struct WurflisteSchalter {
    WurflisteModus modus = WurflisteModus::Ergebnis;
    bool korrekt = false;
    bool links = false;
    bool rechts = false;
    bool operator==(const WurflisteSchalter&) const = default;
};

enum class Gassentaste { Korrekt, Links, Rechts };

// A mode button: that mode, the alley buttons up.
WurflisteSchalter ModusWaehlen(WurflisteModus m);
// An alley button: the mode it switches to and the buttons down after it.
WurflisteSchalter GassentasteDruecken(const WurflisteSchalter& s, Gassentaste t);

// How the three cells of a throw's row look.
enum class Zellart {
    Normal,  // black, normal weight
    Fehler,  // red, bold
    Gasse,   // blue, bold
};

// One played lane block as a mode or an alley button shows it.
struct BahnAnsicht {
    QString ergebnis;       // the result label
    QList<Zellart> zeilen;  // per throw row; empty: the rows keep their look
    bool operator==(const BahnAnsicht&) const = default;
};

// The block's result label and rows in a result mode (not Wurfbild).
BahnAnsicht ModusAnsicht(const TDurchgangBlock& b, int volle, int abraeumen, WurflisteModus m);
// The rows marked by the alley walks of the buttons down, and their count.
// Count-only throws carry no pin picture and are never tested.
BahnAnsicht GassenAnsicht(const TDurchgangBlock& b, int volle, int abraeumen, const WurflisteSchalter& s);
// The result label when the list is opened: the block's total.
QString BahnErgebnisText(const TDurchgangBlock& b);

// One pin of the 80 x 60 picture: its bit and its circle's box.
struct KegelKreis {
    u16 bit;
    int links, oben, rechts, unten;
};
extern const KegelKreis KegelKreise[9];

// The pin picture of a row (0-based) of one lane block.
struct Kegelbild {
    QString text;      // the row's pins as the list shows them, empty when none
    bool kreise = false;  // false: the picture stays empty (a count-only throw)
    u16 kegel = 0;     // felled pins, drawn yellow
    bool operator==(const Kegelbild&) const = default;
};
Kegelbild KegelbildVon(const TDurchgangBlock& b, int zeile);

// The six alley counters of one lane block; counted only for a player who
// has finished, cleared otherwise.
void StatistikZaehlen(TDurchgangBlock& b, int volle, int abraeumen, bool fertig);
// Decodes the throws and counts the alley counters of every started player
// of one side (home: players 1..8, else 9..16).
void MannschaftsstatistikBerechnen(TWettkampfDaten& w, bool heim);
// Whether the player belongs to the home side of the match.
bool WurflisteHeim(const TWettkampfDaten& w, const TSpielerEintrag& p);
