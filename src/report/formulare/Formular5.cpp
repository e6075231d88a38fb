// Layout 5: one line per player, the guest side mirrored with columns of its
// own; captains, incidents in yes/no pairs, remarks and referee.
//
// Every y is the bottom of its text. Chosen where the layout leaves it open:
// | what                                  | x                                   | y                  |
// |---------------------------------------|-------------------------------------|--------------------|
// | guest name clip                       | 2450..3010                          | text top .. y + 10 |
// | substitute row                        | the row columns                     | 784 + 132 x 6      |
// | team totals (Volle, Abr., Fehl, Ges.) | the result columns                  | 1680               |
// | incident and enclosure crosses        | as given, at 24 points              | as given           |

#include "report/formulare/Formularlayouts.h"

#include <array>

namespace {

constexpr int ErsteZeile = 784;
constexpr int Zeilenabstand = 132;
constexpr int Ersatzzeilenhoehe = ErsteZeile + 6 * Zeilenabstand;
constexpr int Summenzeile = 1680;
constexpr int MonatUeber = 30;
constexpr int JahrUnter = 38;

struct Spalten {
    int rang, pass, name, nameEnde, geburt;
    std::array<int, 4> ergebnis;  // right edges: Volle, Abräumen, misses, total
};
constexpr Spalten Heimspalten{100, 192, 400, 920, 970, {1190, 1352, 1470, 1640}};
constexpr Spalten Gastspalten{3236, 3020, 2450, 3010, 2350, {2286, 2120, 1970, 1830}};

struct Vorfall {
    u8 TWettkampfDaten::*flag;
    int ja;  // x of the yes box; the no box is 74 to its right
    const char* text;
};
constexpr int Neinversatz = 74;
constexpr int Vorfallzeile = 1826;
constexpr std::array<Vorfall, 6> Vorfaelle{{
    {&TWettkampfDaten::BahnenOk, 716, "Bahnen in Ordnung"},
    {&TWettkampfDaten::PaesseOk, 1296, "Pässe in Ordnung"},
    {&TWettkampfDaten::Protest, 1690, "Protest"},
    {&TWettkampfDaten::Verletzungen, 2146, "Verletzungen"},
    {&TWettkampfDaten::Verwarnungen, 2620, "Verwarnungen"},
    {&TWettkampfDaten::Sonstiges, 3092, "Sonstiges"},
}};
constexpr QPoint Anlagenkreuz{3166, 1998};
constexpr std::array<int, 3> Bemerkungszeilen{1950, 2046, 2142};

void Spielerzeile(Berichtsleinwand& l, const TSpielerEintrag& s, const Spalten& c, int y)
{
    if (s.Platz > 0) UntenWennText(l, c.rang, y, QString::number(s.Platz));
    UntenWennText(l, c.pass, y, s.Pass.text());
    NameUntenWennText(l, c.name, c.nameEnde, y, s.Name.text());
    UntenWennText(l, c.geburt, y - MonatUeber, Geburtsmonat(s));
    UntenWennText(l, c.geburt, y + JahrUnter, Geburtsjahr(s));
    UntenRechtsWennText(l, c.ergebnis[0], y, s.Volle.Text.text());
    UntenRechtsWennText(l, c.ergebnis[1], y, s.Abr.Text.text());
    UntenRechtsWennText(l, c.ergebnis[2], y, s.Fehler.Text.text());
    UntenRechtsWennText(l, c.ergebnis[3], y, s.Total.Text.text());
}

}  // namespace

void Formular5Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k)
{
    UntenWennText(l, 1500, 120, k.spielort);
    UntenWennText(l, 2550, 120, w.Datum.text());
    UntenWennText(l, 1500, 222, k.bahnanlage);
    UntenWennText(l, 1500, 324, w.Beginn.text());
    if (SpielBeendet(w)) UntenWennText(l, 2200, 324, w.Ende.text());
    UntenWennText(l, 1500, 426, w.Klasse.text());
    UntenWennText(l, 2200, 426, w.Gruppe.text());
    UntenWennText(l, 490, 526, w.Heimmannschaft.text());
    UntenWennText(l, 2100, 526, w.Gastmannschaft.text());

    for (const bool heim : {true, false}) {
        const Spalten& c = heim ? Heimspalten : Gastspalten;
        for (int zeile = 1; zeile <= 6; ++zeile)
            if (ZeileGezeigt(w, zeile))
                Spielerzeile(l, SeitenSpieler(w, heim, zeile), c, ErsteZeile + Zeilenabstand * (zeile - 1));
        Spielerzeile(l, Ersatzzeile(w, heim), c, Ersatzzeilenhoehe);
        Mannschaftssummen(l, heim ? w.Heim : w.Gast, c.ergebnis, Summenzeile);
    }

    UntenWennText(l, 94, 1746, w.Mannschaftsfuehrer[1].text());
    UntenRechtsWennText(l, 3270, 1746, w.Mannschaftsfuehrer[2].text());

    const Berichtsschrift kreuz = k.schrift.groesse(24);
    for (const Vorfall& v : Vorfaelle) KreuzUnten(l, kreuz, w.*v.flag ? v.ja : v.ja + Neinversatz, Vorfallzeile);
    if (w.Anlagen) KreuzUnten(l, kreuz, Anlagenkreuz.x(), Anlagenkreuz.y());

    for (std::size_t i = 0; i < Bemerkungszeilen.size(); ++i) {
        UntenWennText(l, 450, Bemerkungszeilen[i], w.Heim.Text[long(i) + 1].text());
        UntenWennText(l, 1730, Bemerkungszeilen[i], w.Gast.Text[long(i) + 1].text());
    }
    UntenWennText(l, 1170, 2290, w.Schiedsrichter.text());
}

// --- Blank form ----------------------------------------------------------------------

void Vordruck5Zeichnen(Berichtsleinwand& l)
{
    // The picture is 3400 wide: the guest's rank and captain stand beyond 3256.
    constexpr int rechts = 3380;
    Waagrecht(l, 20, rechts, 20, 4);
    Waagrecht(l, 20, rechts, 2410, 4);
    Senkrecht(l, 20, 20, 2410, 4);
    Senkrecht(l, rechts, 20, 2410, 4);
    Beschriftung(l, 60, 140, QStringLiteral("Spielbericht"), 48, true);
    Beschriftung(l, 60, 215, QStringLiteral("Mannschaftswettkampf Kegeln"), 28);

    // Match data.
    Datenfeld(l, 1220, "Spielort:", 1490, 2300, 120);
    Datenfeld(l, 2380, "Datum:", 2540, 3220, 120);
    Datenfeld(l, 1220, "Bahnanlage:", 1490, 3220, 222);
    Datenfeld(l, 1220, "Beginn:", 1490, 1990, 324);
    Datenfeld(l, 2040, "Ende:", 2190, 2700, 324);
    Datenfeld(l, 1220, "Klasse:", 1490, 1990, 426);
    Datenfeld(l, 2040, "Gruppe:", 2190, 2900, 426);
    Datenfeld(l, 60, "Heimmannschaft:", 480, 1640, 526);
    Datenfeld(l, 1840, "Gastmannschaft:", 2090, 3220, 526);

    // Player table: six rows, the substitute row, the totals.
    constexpr int oben = 560, seiten = 620, kopf = 692, unten = 1690;
    Waagrecht(l, 20, rechts, oben, 3);
    Waagrecht(l, 20, rechts, seiten);
    for (int r = 0; r <= 7; ++r) Waagrecht(l, 20, rechts, kopf + r * Zeilenabstand, r == 0 || r >= 6 ? 3 : 2);
    Waagrecht(l, 20, rechts, unten, 3);
    Senkrecht(l, 1665, oben, unten, 4);
    Beschriftung(l, 40, 610, QStringLiteral("Heim"), 24, true);
    Beschriftung(l, 1685, 610, QStringLiteral("Gast"), 24, true);
    struct Kopf {
        int links;
        const char* text;
    };
    const std::array<Kopf, 8> heimkoepfe{{{20, "Pl."}, {180, "Pass-Nr."}, {390, "Name"}, {930, "Geb."},
                                          {1060, "Volle"}, {1200, "Abräumen"}, {1362, "Fehlw."}, {1480, "Gesamt"}}};
    const std::array<Kopf, 8> gastkoepfe{{{1665, "Gesamt"}, {1850, "Fehlw."}, {1990, "Abräumen"}, {2140, "Volle"},
                                          {2300, "Geb."}, {2440, "Name"}, {3010, "Pass-Nr."}, {3200, "Pl."}}};
    for (const auto* koepfe : {&heimkoepfe, &gastkoepfe}) {
        for (const Kopf& k : *koepfe) {
            if (k.links != 20 && k.links != 1665) Senkrecht(l, k.links, seiten, unten);
            Beschriftung(l, k.links + 10, 680, QString::fromUtf8(k.text), 20);
        }
    }
    for (int r = 0; r < 7; ++r) {
        const int y = ErsteZeile + r * Zeilenabstand - 14;
        for (const Spalten* c : {&Heimspalten, &Gastspalten}) l.linie(c->geburt - 20, y, c->geburt + 80, y, 1);
    }
    Beschriftung(l, Heimspalten.name, Summenzeile, QStringLiteral("Summe"), 24, true);
    Beschriftung(l, Gastspalten.name, Summenzeile, QStringLiteral("Summe"), 24, true);

    // Captains.
    Waagrecht(l, 60, 1100, 1748);
    Beschriftung(l, 1110, 1746, QStringLiteral("Mannschaftsführer Heim"), 18);
    Beschriftung(l, 1860, 1746, QStringLiteral("Mannschaftsführer Gast"), 18);
    Waagrecht(l, 2170, rechts - 20, 1748);
    Waagrecht(l, 20, rechts, 1760, 3);

    // Incidents: yes and no boxes.
    for (const Vorfall& v : Vorfaelle) {
        BeschriftungRechts(l, v.ja - 20, Vorfallzeile, QString::fromUtf8(v.text));
        Beschriftung(l, v.ja - 2, 1788, QStringLiteral("ja"), 16);
        Beschriftung(l, v.ja + Neinversatz - 10, 1788, QStringLiteral("nein"), 16);
        Kaestchen(l, v.ja, Vorfallzeile, KaestchenKlein);
        Kaestchen(l, v.ja + Neinversatz, Vorfallzeile, KaestchenKlein);
    }
    Waagrecht(l, 20, rechts, 1850, 3);

    // Remarks and enclosures.
    Beschriftung(l, 60, 1950, QStringLiteral("Bemerkungen"), 24, true);
    Beschriftung(l, 450, 1890, QStringLiteral("Heim"), 18);
    Beschriftung(l, 1730, 1890, QStringLiteral("Gast"), 18);
    for (const int y : Bemerkungszeilen) {
        Waagrecht(l, 450, 1700, y + 2);
        Waagrecht(l, 1730, 3000, y + 2);
    }
    BeschriftungRechts(l, Anlagenkreuz.x() - 20, Anlagenkreuz.y(), QStringLiteral("Anlagen"));
    Kaestchen(l, Anlagenkreuz.x(), Anlagenkreuz.y(), KaestchenKlein);

    // Signatures and referee.
    const std::array<std::pair<const char*, int>, 3> unterschriften{
        {{"Mannschaftsführer Heim", 440}, {"Schiedsrichter", 1680}, {"Mannschaftsführer Gast", 2670}}};
    for (const auto& [text, x] : unterschriften) Unterschriftskasten(l, x, 2190, text);
    BeschriftungRechts(l, 1160, 2290, QStringLiteral("Schiedsrichter:"));
    Waagrecht(l, 1165, 1660, 2292);
}
