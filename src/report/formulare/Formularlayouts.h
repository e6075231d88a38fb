#pragma once
// Inside the report layouts: one drawing function and one blank form per
// layout, the text sources and the drawing helpers they share.

#include "match/engine/Ersatzkette.h"
#include "report/formulare/Formular.h"

#include <array>
#include <utility>

void Formular0Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular1Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular2Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular3Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular4Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular5Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular6Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular7Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
void Formular8Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);

void Vordruck0Zeichnen(Berichtsleinwand& l);
void Vordruck1Zeichnen(Berichtsleinwand& l);
void Vordruck2Zeichnen(Berichtsleinwand& l);
void Vordruck3Zeichnen(Berichtsleinwand& l);
void Vordruck4Zeichnen(Berichtsleinwand& l);
void Vordruck5Zeichnen(Berichtsleinwand& l);
void Vordruck6Zeichnen(Berichtsleinwand& l);
void Vordruck7Zeichnen(Berichtsleinwand& l);
void Vordruck8Zeichnen(Berichtsleinwand& l);

// --- Text sources ----------------------------------------------------------------------
// Player nr (1..8) of a side: home players 1..8, guest 9..16.
TSpielerEintrag& SeitenSpieler(TWettkampfDaten& w, bool heim, int nr);
// Rows 1..4 always, row 5 with more than 4 players a team, row 6 with more than 5.
bool ZeileGezeigt(const TWettkampfDaten& w, int zeile);
// The side's substitute row: player 8 when he replaced somebody, else player 7.
TSpielerEintrag& Ersatzzeile(TWettkampfDaten& w, bool heim);
// The end time is printed only after the match has ended.
bool SpielBeendet(const TWettkampfDaten& w);
// The birth date from its seventh character on, at most 6 characters.
QString Geburtsjahr(const TSpielerEintrag& s);
// The two characters of the birth month ("dd.mm.yy": the fourth and fifth).
QString Geburtsmonat(const TSpielerEintrag& s);
// A team total with leading zeros removed, "0" when nothing is left.
QString Summe(const char* text);
// A name's first word (up to the first blank) and the rest after it.
std::pair<QString, QString> NameTeilen(const QString& name);
// The sum of wert over a substitute chain (a player and those who took over from him).
template <typename Wert>
int Kettensumme(const Ersatzkette& kette, Wert wert)
{
    int summe = 0;
    for (const TSpielerEintrag* s : kette) summe += wert(*s);
    return summe;
}

// A text whose cell's top-left corner is (x, y) and which must end before
// bis: drawn in a smaller size of the current font when it is too wide for
// that; the current font stays.
void TextBis(Berichtsleinwand& l, int x, int y, int bis, const QString& t);

// --- Texts whose y is their bottom (Formularhilfen.cpp) --------------------------------
// Each is drawn at y plus the font's (negative) height. Layouts 3 to 6 leave
// empty texts out (the ...WennText forms); the others draw them.

// A text at x in the current font.
void Unten(Berichtsleinwand& l, int x, int y, const QString& t);
// A text whose right edge is x.
void UntenRechts(Berichtsleinwand& l, int x, int y, const QString& t);
// A name clipped to x .. bis and from its top down to y + 10.
void NameUnten(Berichtsleinwand& l, int x, int bis, int y, const QString& t);
// Unten, nothing for an empty text.
void UntenWennText(Berichtsleinwand& l, int x, int y, const QString& t);
// UntenRechts, nothing for an empty text.
void UntenRechtsWennText(Berichtsleinwand& l, int x, int y, const QString& t);
// NameUnten, nothing for an empty text.
void NameUntenWennText(Berichtsleinwand& l, int x, int bis, int y, const QString& t);
// The cross of a check box in the current font.
void KreuzUnten(Berichtsleinwand& l, int x, int y);
// The cross in font s; the current font stays.
void KreuzUnten(Berichtsleinwand& l, const Berichtsschrift& s, int x, int y);
// A team's Volle, Abräumen, misses and total (without leading zeros),
// right-aligned at rechts[0..3] on line y; empty ones are left out.
void Mannschaftssummen(Berichtsleinwand& l, const TMannschaftBlock& m, const std::array<int, 4>& rechts, int y);

// --- Blank forms (Formularhilfen.cpp) --------------------------------------------------

// The forms' own font: Arial, black, upright.
Berichtsschrift Etikettschrift(int punkte, bool fett = false);

enum class Ausrichtung { Links, Mitte, Rechts };
// A label in Etikettschrift standing on line y; Mitte and Rechts place it by its width.
void Beschriftung(Berichtsleinwand& l, int x, int y, const QString& t, int punkte = 22, bool fett = false,
                  Ausrichtung a = Ausrichtung::Links);
// A label in Etikettschrift(punkte) standing on line y, its right edge at x.
void BeschriftungRechts(Berichtsleinwand& l, int x, int y, const QString& t, int punkte = 22);

// Where a check box lies around a cross whose text cell starts at x and whose
// bottom is y: its top-left corner at (x - links, y - oben).
struct Kaestchenmass {
    int links, oben, seite;
};
// The box centred on a cross of the given pixel height.
constexpr Kaestchenmass KaestchenUmKreuz(int pixel)
{
    const int seite = pixel + pixel / 6;
    return {seite / 2 - pixel / 3, pixel * 44 / 100 + seite / 2, seite};
}
constexpr Kaestchenmass KaestchenGross = KaestchenUmKreuz(40);  // a cross at 30 points
constexpr Kaestchenmass KaestchenMittel{9, 41, 44};              // a cross at 30 points, closer
constexpr Kaestchenmass KaestchenKlein{8, 33, 38};               // a cross at 24 points
// A check box, line strength 3.
void Kaestchen(Berichtsleinwand& l, int x, int y, const Kaestchenmass& m);

// A horizontal line from x1 to x2.
void Waagrecht(Berichtsleinwand& l, int x1, int x2, int y, int staerke = 2);
// A vertical line from y1 to y2.
void Senkrecht(Berichtsleinwand& l, int x, int y1, int y2, int staerke = 2);
// A label (UTF-8) at xLabel standing on y and its value's line x1 .. x2 just below y.
void Datenfeld(Berichtsleinwand& l, int xLabel, const char* label, int x1, int x2, int y);
// A column head of one or two lines (UTF-8, zeile2 may be null) at 20 points.
void Spaltenkopf(Berichtsleinwand& l, int x, int y1, int y2, const char* zeile1, const char* zeile2);
// A signature box 330 wide below its title (UTF-8, 20 points) standing on y.
void Unterschriftskasten(Berichtsleinwand& l, int x, int y, const char* titel);

// --- Layouts 1 and 2 (Formular1.cpp) ---------------------------------------------------
// Layout 2 is layout 1 with other rows. y of a row is the bottom of its texts.

// The columns of one side's player table.
struct Zeilenspalten {
    int pass, name, nameBis, jahr;
    int volle, abr, fehler, total;  // right edges
};
// The places in which layouts 1 and 2 differ.
struct Formular1Plan {
    std::array<int, 4> artZeilen;  // the match-type and group crosses; the youth row last
    int spielleiterY, telefonY;    // the official at the head; 0 for none
    int landY, ortY, anlageY, beginnY, klasseY, mannschaftY;
    Zeilenspalten heim, gast;
    int ersteZeileY, zeilenAbstand;
    int ersatzzeilen;  // 1: the substitute row; 2: players 7 and 8 on rows of their own
    int tabelleOben;
    int volleBreite;    // from the Volle column's line to its right edge
    int kopfVersatz;    // the column heads stand this far above the head line
    int nummerVersatz;  // a row number stands this far below the y of the row above
    bool fehlwuerfeGeteilt;  // "Fehl-" / "würfe" on two lines
    int vorfallY, anlagenY;
    std::array<int, 3> bemerkungY;
    int unterschriftY;  // top of the signature boxes
    std::array<const char*, 3> unterschriften;  // home captain, referee, guest captain (UTF-8)

    constexpr int zeileY(int zeile) const { return ersteZeileY + zeilenAbstand * (zeile - 1); }
    constexpr int summenY() const { return zeileY(7 + ersatzzeilen); }
};
// The match's texts from the crosses to the remarks; basis is the text font.
void Formular1NachPlan(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k, const Formular1Plan& p,
                       const Berichtsschrift& basis);
// The blank form from the title to the signature boxes.
void Vordruck1NachPlan(Berichtsleinwand& l, const Formular1Plan& p);

// --- Layouts 3 and 6: two-line player blocks (Formular3.cpp) ---------------------------
constexpr int BlockErsteZeile = 884;  // first line of block 1; the middle line is 30, the second 58 below
constexpr int Blockabstand = 116;

struct Blockspalten {
    int geburt, platzierung, name, nameEnde, pass;
    std::array<int, 4> ergebnis;  // right edges: Volle, Abräumen, misses, total
    int rang;
};
// Block zeile (1..8): birth date over the last match, last placing, the name's
// first word over the rest, pass, the results when ergebnisse, rank.
void Spielerblock(Berichtsleinwand& l, const TSpielerEintrag& s, const Blockspalten& c, int zeile, bool ergebnisse);
// The thin lines between each block's two lines in the birth-date column
// (geburtVon .. geburtBis) and the name column, kept 10 off the column lines.
void Blockmittellinien(Berichtsleinwand& l, int geburtVon, int geburtBis, int nameVon, int nameBis);
