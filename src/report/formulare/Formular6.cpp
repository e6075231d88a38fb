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

#include "report/formulare/Formularlayouts.h"

#include <array>

namespace {

constexpr Blockspalten Heimspalten{126, 324, 400, 910, 920, {1190, 1314, 1434, 1576}, 1620};
constexpr Blockspalten Gastspalten{1696, 1894, 1970, 2480, 2490, {2760, 2884, 3004, 3140}, 3190};

constexpr int Mannschaftszeile = 628;
// The result block: leading side, lead, other side.
constexpr std::array<int, 3> Ergebniszeilen{1906, 1942, 1980};
constexpr int ErgebnisName = 600;
constexpr int ErgebnisHolz = 1600;
constexpr int ErgebnisSchnitt = 2400;

// One side's line of the result block: name, pins, average per player (none
// for a record without players per team).
void Ergebniszeile(Berichtsleinwand& l, const TWettkampfDaten& w, bool heim, int y)
{
    const TMannschaftBlock& m = heim ? w.Heim : w.Gast;
    UntenWennText(l, ErgebnisName, y, heim ? w.Heimmannschaft.text() : w.Gastmannschaft.text());
    UntenRechtsWennText(l, ErgebnisHolz, y, Summe(m.Total.Text.c_str()));
    if (w.Spieleranzahl > 0) UntenRechtsWennText(l, ErgebnisSchnitt, y, QString::number(m.Total.Zahl / w.Spieleranzahl));
}

}  // namespace

void Formular6Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k)
{
    UntenWennText(l, 1400, 170, w.Klasse.text());
    UntenWennText(l, 2520, 170, w.Spielnummer.text());
    UntenWennText(l, 1400, 284, k.spielort);
    UntenWennText(l, 2470, 284, w.Datum.text());
    UntenWennText(l, 1460, 398, k.bahnanlage);
    UntenWennText(l, 2470, 398, w.Beginn.text());
    if (SpielBeendet(w)) UntenWennText(l, 3020, 398, w.Ende.text());
    UntenWennText(l, 1400, 512, w.Bezirk.text());
    UntenWennText(l, 2470, 512, QString::number(w.Volle + w.Abraeumen));
    UntenWennText(l, Heimspalten.name, Mannschaftszeile, w.Heimmannschaft.text());
    UntenWennText(l, Gastspalten.name, Mannschaftszeile, w.Gastmannschaft.text());

    for (const bool heim : {true, false}) {
        const Blockspalten& c = heim ? Heimspalten : Gastspalten;
        for (int zeile = 1; zeile <= 6; ++zeile)
            if (ZeileGezeigt(w, zeile)) Spielerblock(l, SeitenSpieler(w, heim, zeile), c, zeile, true);
        for (const int zeile : {7, 8}) {
            const TSpielerEintrag& s = SeitenSpieler(w, heim, zeile);
            Spielerblock(l, s, c, zeile, s.Total.Zahl > 0);
        }
    }

    const bool gastVorn = w.Gast.Plus.Zahl > 0;
    Ergebniszeile(l, w, !gastVorn, Ergebniszeilen[0]);
    const QString vorsprung =
        gastVorn ? QStringLiteral("- ") + w.Gast.Plus.Text.text() : QStringLiteral("+ ") + w.Heim.Plus.Text.text();
    UntenRechtsWennText(l, ErgebnisHolz, Ergebniszeilen[1], vorsprung);
    Ergebniszeile(l, w, gastVorn, Ergebniszeilen[2]);

    UntenWennText(l, 1380, 2380, w.Schiedsrichter.text());
}

// --- Blank form ----------------------------------------------------------------------

void Vordruck6Zeichnen(Berichtsleinwand& l)
{
    l.rechteck(QRect(QPoint(20, 20), QPoint(3236, 2410)), 4);
    Beschriftung(l, 60, 180, QStringLiteral("Spielbericht"), 48, true);
    Beschriftung(l, 60, 260, QStringLiteral("Mannschaftswettkampf Kegeln"), 28);

    // Match data.
    Datenfeld(l, 1150, "Klasse:", 1390, 2250, 170);
    Datenfeld(l, 2280, "Spiel-Nr.:", 2510, 3220, 170);
    Datenfeld(l, 1150, "Spielort:", 1390, 2250, 284);
    Datenfeld(l, 2280, "Datum:", 2460, 3220, 284);
    Datenfeld(l, 1150, "Bahnanlage:", 1450, 2250, 398);
    Datenfeld(l, 2280, "Beginn:", 2460, 2850, 398);
    Datenfeld(l, 2880, "Ende:", 3010, 3220, 398);
    Datenfeld(l, 1150, "Bezirk:", 1390, 2200, 512);
    Datenfeld(l, 2240, "Wurf je Bahn:", 2460, 2700, 512);

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
            Spaltenkopf(l, g[i] + 8, 770, 812, koepfe[i].first, koepfe[i].second);
        }
        Blockmittellinien(l, g[0], g[1], g[2], (heim ? Heimspalten : Gastspalten).nameEnde);
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
    for (const auto& [text, x] : unterschriften) Unterschriftskasten(l, x, 2200, text);
    BeschriftungRechts(l, 1370, 2380, QStringLiteral("Schiedsrichter:"));
    Waagrecht(l, 1375, 2200, 2382);
}
