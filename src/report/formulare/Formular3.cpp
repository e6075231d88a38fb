// Layout 3: group and league check boxes, two-line player blocks.
//
// Every y is the bottom of its text. Chosen where the layout leaves it open:
// | what                                   | x                                  | y                   |
// |----------------------------------------|------------------------------------|---------------------|
// | guest block                            | home columns + 1570                | as home             |
// | name clip                              | 370..885, guest 1940..2455         | text top .. y + 10  |
// | results, pass, last placing, rank      | their columns                      | middle line 914     |
// | players 7 and 8                        | blocks 7 and 8                     | 884 + 116 x (7 - 1) |
// | team totals (Volle, Abr., Fehl, Ges.)  | the result columns                 | 1830                |

#include "report/formulare/Formularlayouts.h"

#include <array>
#include <utility>

namespace {

constexpr int Gastversatz = 1570;
constexpr int Summenzeile = 1830;

constexpr Blockspalten Heimspalten{86, 294, 370, 885, 894, {1160, 1290, 1420, 1570}, 1620};

Blockspalten Seitenspalten(bool heim)
{
    if (heim) return Heimspalten;
    Blockspalten s = Heimspalten;
    for (int* x : {&s.geburt, &s.platzierung, &s.name, &s.nameEnde, &s.pass, &s.rang}) *x += Gastversatz;
    for (int& x : s.ergebnis) x += Gastversatz;
    return s;
}

constexpr int Gruppenkreuz = 372;
constexpr int Ligakreuz = 1010;
constexpr int Ligatext = 520;
constexpr int SonstigeZeile = 579;

struct Zeilentext {
    const char* text;
    int y;
};
constexpr std::array<Zeilentext, 6> Gruppen{{
    {"Herren", 233}, {"Damen", 289}, {"Senioren", 347}, {"Junioren", 405}, {"A-Jugend", 463}, {"B-Jugend", 521},
}};
// The leagues chosen by the beginning of the class; the form's fixed text of each row.
constexpr std::array<Zeilentext, 4> Ligen{{
    {"Regionalliga", 347}, {"Bezirksliga", 405}, {"Kreisliga", 463}, {"Kreisklasse", 521},
}};

// Row and text of the league cross: for a "Clubspiel" by the class, else the
// match type on the last row. No cross (row 0) for an empty text.
std::pair<int, QString> Ligazeile(const TWettkampfDaten& w)
{
    const QString klasse = w.Klasse.text();
    const QString spielart = w.Spielart.text();
    if (spielart != QLatin1String("Clubspiel")) return {spielart.isEmpty() ? 0 : SonstigeZeile, spielart};
    if (klasse == QLatin1String("Verbandsliga")) return {233, {}};
    if (klasse == QLatin1String("Oberliga")) return {289, {}};
    for (const Zeilentext& z : Ligen)
        if (klasse.startsWith(QLatin1String(z.text))) return {z.y, klasse};
    return {klasse.isEmpty() ? 0 : SonstigeZeile, klasse};
}

}  // namespace

void Spielerblock(Berichtsleinwand& l, const TSpielerEintrag& s, const Blockspalten& c, int zeile, bool ergebnisse)
{
    const int y1 = BlockErsteZeile + Blockabstand * (zeile - 1);
    const int ym = y1 + 30;
    const int y2 = y1 + 58;
    UntenWennText(l, c.geburt, y1, s.Gebdat.text());
    UntenWennText(l, c.geburt, y2, s.LetztSpiel.text());
    UntenWennText(l, c.platzierung, ym, s.LetztPlatz.text());
    const auto [vorne, rest] = NameTeilen(s.Name.text());
    NameUntenWennText(l, c.name, c.nameEnde, y1, vorne);
    NameUntenWennText(l, c.name, c.nameEnde, y2, rest);
    UntenWennText(l, c.pass, ym, s.Pass.text());
    if (ergebnisse) {
        UntenRechtsWennText(l, c.ergebnis[0], ym, s.Volle.Text.text());
        UntenRechtsWennText(l, c.ergebnis[1], ym, s.Abr.Text.text());
        UntenRechtsWennText(l, c.ergebnis[2], ym, s.Fehler.Text.text());
        UntenRechtsWennText(l, c.ergebnis[3], ym, s.Total.Text.text());
    }
    if (s.Platz > 0) UntenWennText(l, c.rang, ym, QString::number(s.Platz));
}

void Formular3Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k)
{
    const Berichtsschrift kreuz = k.schrift.groesse(30);

    const QString gruppe = w.Gruppe.text();
    bool gruppeGefunden = false;
    for (const Zeilentext& g : Gruppen) {
        if (gruppe == QLatin1String(g.text)) {
            KreuzUnten(l, kreuz, Gruppenkreuz, g.y);
            gruppeGefunden = true;
        }
    }
    if (!gruppeGefunden && !gruppe.isEmpty()) {
        UntenWennText(l, 86, SonstigeZeile, gruppe);
        KreuzUnten(l, kreuz, Gruppenkreuz, SonstigeZeile);
    }

    const auto [ligaY, ligaText] = Ligazeile(w);
    for (const Zeilentext& z : Ligen)
        if (z.y != ligaY) UntenWennText(l, Ligatext, z.y, QLatin1String(z.text) + QLatin1Char(' '));
    UntenWennText(l, Ligatext, ligaY, ligaText);
    if (ligaY) KreuzUnten(l, kreuz, Ligakreuz, ligaY);

    UntenWennText(l, 1600, 300, w.Heimmannschaft.text());
    UntenWennText(l, 2600, 300, w.Gastmannschaft.text());
    UntenWennText(l, 1400, 416, k.spielort);
    UntenWennText(l, 2600, 416, w.Datum.text());
    UntenWennText(l, 1480, 532, k.bahnanlage);
    UntenWennText(l, 2500, 532, w.Beginn.text());
    if (SpielBeendet(w)) UntenWennText(l, 3070, 532, w.Ende.text());

    for (const bool heim : {true, false}) {
        const Blockspalten c = Seitenspalten(heim);
        for (int zeile = 1; zeile <= 8; ++zeile)
            if (zeile > 6 || ZeileGezeigt(w, zeile)) Spielerblock(l, SeitenSpieler(w, heim, zeile), c, zeile, true);
        Mannschaftssummen(l, heim ? w.Heim : w.Gast, c.ergebnis, Summenzeile);
    }
}

// --- Blank form ----------------------------------------------------------------------

void Blockmittellinien(Berichtsleinwand& l, int geburtVon, int geburtBis, int nameVon, int nameBis)
{
    for (int b = 0; b < 8; ++b) {
        const int y = BlockErsteZeile + 2 + b * Blockabstand;
        Waagrecht(l, geburtVon + 10, geburtBis - 10, y, 1);
        Waagrecht(l, nameVon + 10, nameBis - 10, y, 1);
    }
}

void Vordruck3Zeichnen(Berichtsleinwand& l)
{
    l.rechteck(QRect(QPoint(20, 20), QPoint(3236, 2410)), 4);
    Beschriftung(l, 1160, 175, QStringLiteral("Spielbericht"), 48, true);
    Beschriftung(l, 1700, 170, QStringLiteral("Mannschaftswettkampf Kegeln"), 28);

    // Group and league boxes.
    l.rechteck(QRect(QPoint(40, 110), QPoint(450, 610)), 3);
    l.rechteck(QRect(QPoint(470, 110), QPoint(1100, 610)), 3);
    Beschriftung(l, 60, 175, QStringLiteral("Altersklasse"), 24, true);
    Beschriftung(l, 500, 175, QStringLiteral("Spielklasse"), 24, true);
    for (const Zeilentext& g : Gruppen) {
        Beschriftung(l, 70, g.y, QString::fromLatin1(g.text));
        Kaestchen(l, Gruppenkreuz, g.y, KaestchenGross);
    }
    Waagrecht(l, 70, 350, SonstigeZeile + 2);
    Kaestchen(l, Gruppenkreuz, SonstigeZeile, KaestchenGross);
    Beschriftung(l, Ligatext, 233, QStringLiteral("Verbandsliga"));
    Beschriftung(l, Ligatext, 289, QStringLiteral("Oberliga"));
    for (const int y : {233, 289, 347, 405, 463, 521, SonstigeZeile}) {
        if (y > 289) Waagrecht(l, Ligatext - 5, 985, y + 2);
        Kaestchen(l, Ligakreuz, y, KaestchenGross);
    }

    // Match data.
    Datenfeld(l, 1160, "Heim:", 1390, 2420, 300);
    Datenfeld(l, 2440, "Gast:", 2590, 3220, 300);
    Datenfeld(l, 1160, "Spielort:", 1390, 2420, 416);
    Datenfeld(l, 2440, "Datum:", 2590, 3220, 416);
    Datenfeld(l, 1160, "Bahnanlage:", 1470, 2300, 532);
    Datenfeld(l, 2330, "Beginn:", 2490, 2860, 532);
    Datenfeld(l, 2880, "Ende:", 3060, 3220, 532);

    // Player table: per side the blocks of two lines, then the totals.
    constexpr int oben = 640, kopf = 720, ersteLinie = 830, unten = 1850;
    Waagrecht(l, 20, 3236, oben, 3);
    Waagrecht(l, 20, 3236, kopf);
    for (int b = 0; b <= 8; ++b) Waagrecht(l, 20, 3236, ersteLinie + b * Blockabstand, b == 0 || b == 8 ? 3 : 2);
    Waagrecht(l, 20, 3236, unten, 3);
    Senkrecht(l, 1645, oben, unten, 4);
    for (const bool heim : {true, false}) {
        const int v = heim ? 0 : Gastversatz;
        const int links = heim ? 20 : 1645;
        Beschriftung(l, links + 20, 700, heim ? QStringLiteral("Heimmannschaft") : QStringLiteral("Gastmannschaft"), 24, true);
        for (const int x : {285, 360, 885, 1035, 1170, 1300, 1430, 1580}) Senkrecht(l, x + v, kopf, unten);
        const auto kopfzeile = [&](int x, const char* z1, const char* z2) { Spaltenkopf(l, x + v + 8, 770, 812, z1, z2); };
        kopfzeile(links - v, "Geb.-Datum", "letztes Spiel");
        kopfzeile(285, "letzte", "Pl.");
        kopfzeile(360, "Name", nullptr);
        kopfzeile(885, "Pass-Nr.", nullptr);
        kopfzeile(1035, "Volle", nullptr);
        kopfzeile(1170, "Abr.", nullptr);
        kopfzeile(1300, "Fehlw.", nullptr);
        kopfzeile(1430, "Gesamt", nullptr);
        kopfzeile(1580, "Pl.", nullptr);
        Blockmittellinien(l, links, 285 + v, 360 + v, 885 + v);
        Beschriftung(l, 370 + v, Summenzeile, QStringLiteral("Summe"), 24, true);
    }

    // Remarks and signatures.
    Beschriftung(l, 40, 1930, QStringLiteral("Bemerkungen:"), 24, true);
    for (const int y : {1990, 2060, 2130, 2200, 2270}) Waagrecht(l, 40, 2400, y);
    Beschriftung(l, 2900, 1890, QStringLiteral("Unterschriften"), 20, true);
    const std::array<std::pair<const char*, int>, 3> unterschriften{{
        {"Mannschaftsführer Heim", 1900}, {"Mannschaftsführer Gast", 1986}, {"Schiedsrichter", 2067}}};
    for (const auto& [text, y] : unterschriften) {
        l.rechteck(QRect(QPoint(2900, y), QPoint(3230, y + 75)), 2);
        BeschriftungRechts(l, 2880, y + 55, QString::fromUtf8(text), 20);
    }
}
