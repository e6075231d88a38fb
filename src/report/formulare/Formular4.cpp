// Layout 4: match type and group check boxes, the number of throws, one line
// per player with birth month and year.
//
// Every y is the bottom of its text. Chosen where the layout leaves it open:
// | what                                  | x                                 | y                  |
// |---------------------------------------|-----------------------------------|--------------------|
// | match type and group crosses          | as given, at 30 points            | as given           |
// | letter of "A-Jugend" / "B-Jugend"     | 1010                              | 650, base size     |
// | team names                            | 260, guest 1832                   | 790                |
// | name clip                             | 260..826, guest 1832..2404        | text top .. y + 10 |
// | guest results, right edges            | 2738, 2878, 3018, 3188            | as home            |
// | players 7 and 8                       | rows 7 and 8                      | 1024 + 82 x (r - 1)|
// | team totals (Volle, Abr., Fehl, Ges.) | the result columns                | 1680               |

#include "report/formulare/Formularlayouts.h"

#include <array>

namespace {

constexpr int ErsteZeile = 1024;
constexpr int Zeilenabstand = 82;
constexpr int Summenzeile = 1680;
constexpr int Mannschaftszeile = 790;

struct Spalten {
    int pass, name, nameEnde, monat, jahr;
    std::array<int, 4> ergebnis;  // right edges: Volle, Abräumen, misses, total
};
constexpr Spalten Heimspalten{72, 260, 826, 836, 954, {1160, 1300, 1440, 1610}};
constexpr Spalten Gastspalten{1646, 1832, 2404, 2414, 2532, {2738, 2878, 3018, 3188}};

constexpr int Artkreuz = 500;
constexpr int Gruppenkreuz = 690;

struct Zeilentext {
    const char* text;
    int y;
};
// "Clubspiel": the row by the beginning of the class.
constexpr std::array<Zeilentext, 3> Ebenen{{{"Bund", 360}, {"Land", 430}, {"Bezirk", 500}}};
constexpr int Pokalzeile = 570;
constexpr int Laenderzeile = 640;
constexpr std::array<Zeilentext, 7> Gruppen{{
    {"Herren", 360}, {"Damen", 430}, {"Senioren", 500}, {"Junioren", 570},
    {"Jugend", 640}, {"A-Jugend", 640}, {"B-Jugend", 640},
}};

// Throws of a game that have a box of their own; the other counts are written per lane.
constexpr int WuerfeJeSpiel = 200;

// Row of the match-type cross; 0 for none.
int Artzeile(const TWettkampfDaten& w)
{
    const QString spielart = w.Spielart.text();
    if (spielart == QLatin1String("Pokalspiel")) return Pokalzeile;
    if (spielart == QStringLiteral("Länderspiel")) return Laenderzeile;
    if (spielart != QLatin1String("Clubspiel")) return 0;
    const QString klasse = w.Klasse.text();
    for (const Zeilentext& e : Ebenen)
        if (klasse.startsWith(QLatin1String(e.text))) return e.y;
    return 0;
}

void Spielerzeile(Berichtsleinwand& l, const TSpielerEintrag& s, const Spalten& c, int y)
{
    UntenWennText(l, c.pass, y, s.Pass.text());
    NameUntenWennText(l, c.name, c.nameEnde, y, s.Name.text());
    UntenWennText(l, c.monat, y, Geburtsmonat(s));
    UntenWennText(l, c.jahr, y, Geburtsjahr(s).left(2));
    UntenRechtsWennText(l, c.ergebnis[0], y, s.Volle.Text.text());
    UntenRechtsWennText(l, c.ergebnis[1], y, s.Abr.Text.text());
    UntenRechtsWennText(l, c.ergebnis[2], y, s.Fehler.Text.text());
    UntenRechtsWennText(l, c.ergebnis[3], y, s.Total.Text.text());
}

}  // namespace

void Formular4Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k)
{
    const Berichtsschrift kreuz = k.schrift.groesse(30);
    if (const int y = Artzeile(w)) KreuzUnten(l, kreuz, Artkreuz, y);
    const QString gruppe = w.Gruppe.text();
    for (const Zeilentext& g : Gruppen)
        if (gruppe == QLatin1String(g.text)) KreuzUnten(l, kreuz, Gruppenkreuz, g.y);
    if (gruppe == QLatin1String("A-Jugend") || gruppe == QLatin1String("B-Jugend"))
        UntenWennText(l, 1010, 650, gruppe.left(1));

    UntenWennText(l, 1910, 404, k.spielort);
    UntenWennText(l, 2750, 404, w.Datum.text());
    UntenWennText(l, 1910, 474, k.bahnanlage);
    UntenWennText(l, 1910, 544, w.Beginn.text());
    if (SpielBeendet(w)) UntenWennText(l, 2750, 544, w.Ende.text());
    UntenWennText(l, 1910, 614, w.Klasse.text());
    UntenWennText(l, 2750, 614, w.Spieltag.leer() ? w.Spielnummer.text() : w.Spieltag.text());

    const int jeBahn = w.Volle + w.Abraeumen;
    const Berichtsschrift kreuzKlein = k.schrift.groesse(24);
    if (jeBahn * w.Durchgaenge == WuerfeJeSpiel) {
        UntenWennText(l, 2980, 686, QString::number(WuerfeJeSpiel));
        KreuzUnten(l, kreuzKlein, 2900, 680);
    } else {
        UntenWennText(l, 2410, 686, QString::number(jeBahn));
        KreuzUnten(l, kreuzKlein, 2330, 680);
    }

    UntenWennText(l, Heimspalten.name, Mannschaftszeile, w.Heimmannschaft.text());
    UntenWennText(l, Gastspalten.name, Mannschaftszeile, w.Gastmannschaft.text());
    for (const bool heim : {true, false}) {
        const Spalten& c = heim ? Heimspalten : Gastspalten;
        for (int zeile = 1; zeile <= 8; ++zeile)
            if (zeile > 6 || ZeileGezeigt(w, zeile))
                Spielerzeile(l, SeitenSpieler(w, heim, zeile), c, ErsteZeile + Zeilenabstand * (zeile - 1));
        Mannschaftssummen(l, heim ? w.Heim : w.Gast, c.ergebnis, Summenzeile);
    }
    UntenWennText(l, 1700, 2326, w.Schiedsrichter.text());
}

// --- Blank form ----------------------------------------------------------------------

void Vordruck4Zeichnen(Berichtsleinwand& l)
{
    l.rechteck(QRect(QPoint(20, 20), QPoint(3236, 2410)), 4);
    Beschriftung(l, 60, 175, QStringLiteral("Spielbericht"), 48, true);
    Beschriftung(l, 560, 170, QStringLiteral("Mannschaftswettkampf Kegeln"), 28);

    // Match type and group.
    l.rechteck(QRect(QPoint(40, 240), QPoint(640, 680)), 3);
    l.rechteck(QRect(QPoint(660, 240), QPoint(1180, 680)), 3);
    Beschriftung(l, 70, 300, QStringLiteral("Spielart"), 24, true);
    Beschriftung(l, 690, 300, QStringLiteral("Altersklasse"), 24, true);
    const std::array<Zeilentext, 5> arten{{{"Clubspiel Bund", 360}, {"Clubspiel Land", 430}, {"Clubspiel Bezirk", 500},
                                           {"Pokalspiel", Pokalzeile}, {"Länderspiel", Laenderzeile}}};
    for (const Zeilentext& a : arten) {
        Beschriftung(l, 70, a.y, QString::fromUtf8(a.text));
        Kaestchen(l, Artkreuz, a.y, KaestchenGross);
    }
    for (std::size_t i = 0; i < 5; ++i) {
        Beschriftung(l, 750, Gruppen[i].y, QString::fromLatin1(Gruppen[i].text));
        Kaestchen(l, Gruppenkreuz, Gruppen[i].y, KaestchenGross);
    }
    Beschriftung(l, 890, Gruppen[4].y, QStringLiteral("(A/B)"), 20);
    Waagrecht(l, 1000, 1060, 652);

    // Match data.
    Datenfeld(l, 1560, "Spielort:", 1900, 2480, 404);
    Datenfeld(l, 2520, "Datum:", 2740, 3220, 404);
    Datenfeld(l, 1560, "Bahnanlage:", 1900, 3220, 474);
    Datenfeld(l, 1560, "Beginn:", 1900, 2480, 544);
    Datenfeld(l, 2520, "Ende:", 2740, 3220, 544);
    Datenfeld(l, 1560, "Klasse:", 1900, 2480, 614);
    Datenfeld(l, 2520, "Spieltag/Nr.:", 2740, 3220, 614);
    Beschriftung(l, 1560, 686, QStringLiteral("Wurfzahl:"));
    Kaestchen(l, 2330, 680, KaestchenKlein);
    Waagrecht(l, 2400, 2500, 688);
    Beschriftung(l, 2510, 686, QStringLiteral("Wurf je Bahn"), 20);
    Kaestchen(l, 2900, 680, KaestchenKlein);
    Waagrecht(l, 2970, 3060, 688);
    Beschriftung(l, 3070, 686, QStringLiteral("Wurf"), 20);

    // Player table.
    constexpr int oben = 720, kopf = 810, ersteLinie = 948, summenLinie = 1604, unten = 1690;
    Waagrecht(l, 20, 3236, oben, 3);
    Waagrecht(l, 20, 3236, kopf);
    Waagrecht(l, 20, 3236, ersteLinie, 3);
    for (int r = 1; r <= 7; ++r) Waagrecht(l, 20, 3236, ersteLinie + 82 * r, r == 6 ? 3 : 2);
    Waagrecht(l, 20, 3236, summenLinie, 3);
    Waagrecht(l, 20, 3236, unten, 3);
    Senkrecht(l, 1620, oben, unten, 4);
    const std::array<std::array<int, 7>, 2> grenzen{{{250, 826, 946, 1040, 1170, 1310, 1450},
                                                     {1822, 2404, 2524, 2618, 2748, 2888, 3028}}};
    for (const bool heim : {true, false}) {
        const auto& g = grenzen[heim ? 0 : 1];
        for (const int x : g) Senkrecht(l, x, kopf, unten);
        Beschriftung(l, heim ? 40 : 1640, Mannschaftszeile, heim ? QStringLiteral("Heim:") : QStringLiteral("Gast:"), 24, true);
        const int links = heim ? 20 : 1620;
        const std::array<std::pair<const char*, const char*>, 8> koepfe{{{"Pass-Nr.", nullptr}, {"Name", nullptr},
                                                                          {"Geb.-", "Monat"}, {"Jahr", nullptr},
                                                                          {"Volle", nullptr}, {"Abräumen", nullptr},
                                                                          {"Fehlwürfe", nullptr}, {"Gesamt", nullptr}}};
        for (std::size_t i = 0; i < koepfe.size(); ++i)
            Spaltenkopf(l, (i == 0 ? links : g[i - 1]) + 10, 870, 930, koepfe[i].first, koepfe[i].second);
        Beschriftung(l, (heim ? Heimspalten : Gastspalten).name + 10, Summenzeile, QStringLiteral("Summe"), 24, true);
    }

    // Remarks, signatures, referee.
    Beschriftung(l, 40, 1770, QStringLiteral("Bemerkungen:"), 24, true);
    for (const int y : {1830, 1900, 1970, 2040, 2110}) Waagrecht(l, 40, 3220, y);
    const std::array<std::pair<const char*, int>, 3> unterschriften{
        {{"Mannschaftsführer Heim", 80}, {"Schiedsrichter", 1400}, {"Mannschaftsführer Gast", 2770}}};
    for (const auto& [text, x] : unterschriften) Unterschriftskasten(l, x, 2190, text);
    Beschriftung(l, 1590, 2326, QStringLiteral("Name:"));
    Waagrecht(l, 1690, 2600, 2328);
}
