// Layout 6: two-line player blocks as in layout 3 and a result block that
// lists the leading side first, with the lead and the average per player.
//
// Every y is the bottom of its text. Chosen where the layout leaves it open:
// | what                                  | x                                  | y                   |
// |---------------------------------------|------------------------------------|---------------------|
// | team names                            | 400, guest 1970                    | 628                 |
// | player blocks                         | as given                           | as in layout 3      |
// | name clip                             | 400..910, guest 1970..2480         | text top .. y + 10  |
// | results, pass, last placing, rank     | their columns                      | middle line 914     |
// | players 7 and 8                       | blocks 7 and 8                     | 884 + 116 x (7 - 1) |

#include "report/Formularlayouts.h"

#include <array>

namespace {

constexpr int ErsteZeile = 884;  // first line of block 1; the middle line is 30, the second 58 below
constexpr int Blockabstand = 116;

struct Spalten {
    int geburt, platzierung, name, nameEnde, pass;
    std::array<int, 4> ergebnis;  // right edges: Volle, Abräumen, misses, total
    int rang;
};
constexpr Spalten Heimspalten{126, 324, 400, 910, 920, {1190, 1314, 1434, 1576}, 1620};
constexpr Spalten Gastspalten{1696, 1894, 1970, 2480, 2490, {2760, 2884, 3004, 3140}, 3190};

constexpr int Mannschaftszeile = 628;
// The result block: leading side, lead, other side.
constexpr std::array<int, 3> Ergebniszeilen{1906, 1942, 1980};
constexpr int ErgebnisName = 600;
constexpr int ErgebnisHolz = 1600;
constexpr int ErgebnisSchnitt = 2400;

void Unten(Berichtsleinwand& l, int x, int y, const QString& t)
{
    if (!t.isEmpty()) l.text(x, y + l.schrift().hoehe(), t);
}

void UntenRechts(Berichtsleinwand& l, int x, int y, const QString& t)
{
    if (!t.isEmpty()) l.textRechts(x, y + l.schrift().hoehe(), t);
}

void NameUnten(Berichtsleinwand& l, int x, int bis, int y, const QString& t)
{
    if (t.isEmpty()) return;
    const int oben = y + l.schrift().hoehe();
    l.textGeklippt(QRect(QPoint(x, oben), QPoint(bis, y + 10)), x, oben, t);
}

void Spielerblock(Berichtsleinwand& l, const TSpielerEintrag& s, const Spalten& c, int zeile, bool ergebnisse)
{
    const int y1 = ErsteZeile + Blockabstand * (zeile - 1);
    const int ym = y1 + 30;
    const int y2 = y1 + 58;
    Unten(l, c.geburt, y1, s.Gebdat.text());
    Unten(l, c.geburt, y2, s.LetztSpiel.text());
    Unten(l, c.platzierung, ym, s.LetztPlatz.text());
    const auto [vorne, rest] = NameTeilen(s.Name.text());
    NameUnten(l, c.name, c.nameEnde, y1, vorne);
    NameUnten(l, c.name, c.nameEnde, y2, rest);
    Unten(l, c.pass, ym, s.Pass.text());
    if (ergebnisse) {
        UntenRechts(l, c.ergebnis[0], ym, s.Volle.Text.text());
        UntenRechts(l, c.ergebnis[1], ym, s.Abr.Text.text());
        UntenRechts(l, c.ergebnis[2], ym, s.Fehler.Text.text());
        UntenRechts(l, c.ergebnis[3], ym, s.Total.Text.text());
    }
    if (s.Platz > 0) Unten(l, c.rang, ym, QString::number(s.Platz));
}

// One side's line of the result block: name, pins, average per player (none
// for a record without players per team).
void Ergebniszeile(Berichtsleinwand& l, const TWettkampfDaten& w, bool heim, int y)
{
    const TMannschaftBlock& m = heim ? w.Heim : w.Gast;
    Unten(l, ErgebnisName, y, heim ? w.Heimmannschaft.text() : w.Gastmannschaft.text());
    UntenRechts(l, ErgebnisHolz, y, Summe(m.Total.Text.c_str()));
    if (w.Spieleranzahl > 0) UntenRechts(l, ErgebnisSchnitt, y, QString::number(m.Total.Zahl / w.Spieleranzahl));
}

}  // namespace

void Formular6Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k)
{
    Unten(l, 1400, 170, w.Klasse.text());
    Unten(l, 2520, 170, w.Spielnummer.text());
    Unten(l, 1400, 284, k.spielort);
    Unten(l, 2470, 284, w.Datum.text());
    Unten(l, 1460, 398, k.bahnanlage);
    Unten(l, 2470, 398, w.Beginn.text());
    if (SpielBeendet(w)) Unten(l, 3020, 398, w.Ende.text());
    Unten(l, 1400, 512, w.Bezirk.text());
    Unten(l, 2470, 512, QString::number(w.Volle + w.Abraeumen));
    Unten(l, Heimspalten.name, Mannschaftszeile, w.Heimmannschaft.text());
    Unten(l, Gastspalten.name, Mannschaftszeile, w.Gastmannschaft.text());

    for (const bool heim : {true, false}) {
        const Spalten& c = heim ? Heimspalten : Gastspalten;
        for (int zeile = 1; zeile <= 6; ++zeile)
            if (ZeileGezeigt(w, zeile)) Spielerblock(l, SeitenSpieler(w, heim, zeile), c, zeile, true);
        for (const int zeile : {7, 8}) {
            const TSpielerEintrag& s = SeitenSpieler(w, heim, zeile);
            Spielerblock(l, s, c, zeile, s.Total.Zahl > 0);
        }
    }

    const bool gastVorn = w.Gast.Plus.Zahl > 0;
    Ergebniszeile(l, w, !gastVorn, Ergebniszeilen[0]);
    UntenRechts(l, ErgebnisHolz, Ergebniszeilen[1],
                gastVorn ? QStringLiteral("- ") + w.Gast.Plus.Text.text() : QStringLiteral("+ ") + w.Heim.Plus.Text.text());
    Ergebniszeile(l, w, gastVorn, Ergebniszeilen[2]);

    Unten(l, 1380, 2380, w.Schiedsrichter.text());
}

// --- Blank form ----------------------------------------------------------------------

namespace {

Berichtsschrift Druckschrift(int punkte, bool fett)
{
    Berichtsschrift s;
    s.punkte = punkte;
    s.fett = fett;
    return s;
}

void Beschriftung(Berichtsleinwand& l, int x, int y, const QString& t, int punkte = 22, bool fett = false)
{
    const Berichtsschrift s = Druckschrift(punkte, fett);
    l.schriftSetzen(s);
    l.text(x, y + s.hoehe(), t);
}

void BeschriftungRechts(Berichtsleinwand& l, int x, int y, const QString& t, int punkte = 22)
{
    const Berichtsschrift s = Druckschrift(punkte, false);
    l.schriftSetzen(s);
    l.textRechts(x, y + s.hoehe(), t);
}

void Waagrecht(Berichtsleinwand& l, int x1, int x2, int y, int staerke = 2) { l.linie(x1, y, x2, y, staerke); }

void Senkrecht(Berichtsleinwand& l, int x, int y1, int y2, int staerke = 2) { l.linie(x, y1, x, y2, staerke); }

}  // namespace

void Vordruck6Zeichnen(Berichtsleinwand& l)
{
    l.rechteck(QRect(QPoint(20, 20), QPoint(3236, 2410)), 4);
    Beschriftung(l, 60, 180, QStringLiteral("Spielbericht"), 48, true);
    Beschriftung(l, 60, 260, QStringLiteral("Mannschaftswettkampf Kegeln"), 28);

    // Match data.
    const auto feld = [&](int xLabel, const char* label, int x1, int x2, int y) {
        Beschriftung(l, xLabel, y, QString::fromUtf8(label));
        Waagrecht(l, x1, x2, y + 2);
    };
    feld(1150, "Klasse:", 1390, 2250, 170);
    feld(2280, "Spiel-Nr.:", 2510, 3220, 170);
    feld(1150, "Spielort:", 1390, 2250, 284);
    feld(2280, "Datum:", 2460, 3220, 284);
    feld(1150, "Bahnanlage:", 1450, 2250, 398);
    feld(2280, "Beginn:", 2460, 2850, 398);
    feld(2880, "Ende:", 3010, 3220, 398);
    feld(1150, "Bezirk:", 1390, 2200, 512);
    feld(2240, "Wurf je Bahn:", 2460, 2700, 512);

    // Player table: team names, headings, eight blocks of two lines.
    constexpr int oben = 570, kopf = 645, ersteLinie = 830, unten = ersteLinie + 8 * Blockabstand;
    Waagrecht(l, 20, 3236, oben, 3);
    Waagrecht(l, 20, 3236, kopf);
    for (int b = 0; b <= 8; ++b) Waagrecht(l, 20, 3236, ersteLinie + b * Blockabstand, b == 0 || b == 6 || b == 8 ? 3 : 2);
    Senkrecht(l, 1670, oben, unten, 4);
    const std::array<std::array<int, 9>, 2> grenzen{{{20, 315, 390, 910, 1060, 1200, 1324, 1444, 1586},
                                                     {1670, 1885, 1960, 2480, 2630, 2770, 2894, 3014, 3150}}};
    const std::array<std::pair<const char*, const char*>, 9> koepfe{{{"Geb.-Datum", "letztes Spiel"}, {"letzte", "Pl."},
                                                                     {"Name", nullptr}, {"Pass-Nr.", nullptr},
                                                                     {"Volle", nullptr}, {"Abr.", nullptr},
                                                                     {"Fehlw.", nullptr}, {"Gesamt", nullptr},
                                                                     {"Pl.", nullptr}}};
    for (const bool heim : {true, false}) {
        const auto& g = grenzen[heim ? 0 : 1];
        Beschriftung(l, g[0] + 20, Mannschaftszeile, heim ? QStringLiteral("Heim:") : QStringLiteral("Gast:"), 24, true);
        for (std::size_t i = 0; i < g.size(); ++i) {
            if (i > 0) Senkrecht(l, g[i], kopf, unten);
            Beschriftung(l, g[i] + 8, 770, QString::fromUtf8(koepfe[i].first), 20);
            if (koepfe[i].second) Beschriftung(l, g[i] + 8, 812, QString::fromUtf8(koepfe[i].second), 20);
        }
        const Spalten& c = heim ? Heimspalten : Gastspalten;
        for (int b = 0; b < 8; ++b) {
            const int y = ErsteZeile + 2 + b * Blockabstand;
            l.linie(g[0] + 10, y, g[1] - 10, y, 1);
            l.linie(g[2] + 10, y, c.nameEnde - 10, y, 1);
        }
    }

    // Result block.
    l.rechteck(QRect(QPoint(560, 1800), QPoint(2440, 2000)), 3);
    Beschriftung(l, 60, 1850, QStringLiteral("Ergebnis"), 24, true);
    Beschriftung(l, ErgebnisName, 1850, QStringLiteral("Mannschaft"), 20);
    BeschriftungRechts(l, ErgebnisHolz, 1850, QStringLiteral("Holz"), 20);
    BeschriftungRechts(l, ErgebnisSchnitt, 1850, QStringLiteral("Schnitt"), 20);
    Waagrecht(l, 560, 2440, 1858);
    Beschriftung(l, 1640, Ergebniszeilen[1], QStringLiteral("Vorsprung"), 18);

    // Remarks, signatures, referee.
    Beschriftung(l, 60, 2070, QStringLiteral("Bemerkungen:"), 24, true);
    Waagrecht(l, 330, 3200, 2072);
    Waagrecht(l, 60, 3200, 2140);
    const std::array<std::pair<const char*, int>, 3> unterschriften{
        {{"Mannschaftsführer Heim", 160}, {"Schiedsrichter", 1360}, {"Mannschaftsführer Gast", 2860}}};
    for (const auto& [text, x] : unterschriften) {
        Beschriftung(l, x, 2200, QString::fromUtf8(text), 20);
        l.rechteck(QRect(QPoint(x, 2210), QPoint(x + 330, 2285)), 2);
    }
    BeschriftungRechts(l, 1370, 2380, QStringLiteral("Schiedsrichter:"));
    Waagrecht(l, 1375, 2200, 2382);
}
