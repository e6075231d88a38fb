// The portrait layout: one block per starter with the substitutes who took
// over from him, one line per lane and a line of his totals beside them.
//
// Every y is the bottom of its text. Places of this form beyond the fixed ones
// (guest columns: home + 1202):
//   block of row r (1..6)      six lines 50 px apart: line k at 460 + 300 r + 50 k
//                              (lanes 1..4 on lines 1..4, the player's totals on line 5)
//   chain record i (0..2)      name on line 2 i + 1, pass on line 2 i + 2, at x 60
//   name column                clipped to x 60 .. 490
//   side totals                y 2630: misses 590, Abräumen 690, Volle 790, total 915,
//                              match points 1010
//   table points               y 2700 at 1010

#include "report/formulare/Formularlayouts.h"

#include "core/TextFunctions.h"
#include "match/engine/Ersatzkette.h"
#include "match/engine/Punkte.h"

#include <QRect>

namespace {

constexpr int Gastversatz = 1202;
constexpr int Namensende = 490;
constexpr int SummenY = 2630;
constexpr int TabellenpunkteY = 2700;

int Blockzeile(int reihe, int k) { return 460 + 300 * reihe + 50 * k; }

// Misses, Abräumen, Volle and total of one line, then the points beside them.
void Ergebniszeile(Berichtsleinwand& l, int dx, int y, const QString& fehler, const QString& abr, const QString& volle,
                   const QString& total, const QString& punkte)
{
    UntenRechts(l, 590 + dx, y, fehler);
    UntenRechts(l, 690 + dx, y, abr);
    UntenRechts(l, 790 + dx, y, volle);
    UntenRechts(l, 915 + dx, y, total);
    Unten(l, 1010 + dx, y, punkte);
}

void Spielerblock(Berichtsleinwand& l, TWettkampfDaten& w, bool heim, int reihe)
{
    const int dx = heim ? 0 : Gastversatz;
    TSpielerEintrag& starter = SeitenSpieler(w, heim, reihe);
    const Ersatzkette kette = Nachfolger(w, &starter);
    for (int i = 0; i < kette.anzahl; ++i) {
        const TSpielerEintrag& s = *kette.s[std::size_t(i)];
        NameUnten(l, 60 + dx, Namensende + dx, Blockzeile(reihe, 2 * i + 1), s.Name.text());
        Unten(l, 60 + dx, Blockzeile(reihe, 2 * i + 2), s.Pass.text());
    }
    Unten(l, 350 + dx, Blockzeile(reihe, 2), Geburtsmonat(starter) + QStringLiteral(" / ") + Geburtsjahr(starter));

    for (int d = 1; d <= MaxDurchgaenge; ++d) {
        auto zahl = [&](auto feld) { return QString::number(Kettensumme(kette, [&](const TSpielerEintrag& s) { return int((s.Durchgang[d].*feld).Zahl); })); };
        Ergebniszeile(l, dx, Blockzeile(reihe, d), zahl(&TDurchgangBlock::Fehler), zahl(&TDurchgangBlock::Abr),
                      zahl(&TDurchgangBlock::Volle), zahl(&TDurchgangBlock::Total), ZahlText1Stelle(starter.Durchgang[d].SaP));
    }
    auto summe = [&](int (*wert)(const TSpielerEintrag&)) { return QString::number(Kettensumme(kette, wert)); };
    Ergebniszeile(l, dx, Blockzeile(reihe, 5), summe([](const TSpielerEintrag& s) { return int(s.Fehler.Zahl); }),
                  summe([](const TSpielerEintrag& s) { return int(s.Abr.Zahl); }),
                  summe([](const TSpielerEintrag& s) { return int(s.Volle.Zahl); }),
                  summe([](const TSpielerEintrag& s) { return int(s.Total.Zahl); }), ZahlText1Stelle(starter.MaP));
}

void Seitensummen(Berichtsleinwand& l, const TMannschaftBlock& m, int dx)
{
    Ergebniszeile(l, dx, SummenY, m.Fehler.Text.text().trimmed(), m.Abr.Text.text().trimmed(),
                  m.Volle.Text.text().trimmed(), Summe(m.Total.Text.c_str()), ZahlText1Stelle(m.TotalMaP));
    Unten(l, 1010 + dx, TabellenpunkteY, m.TaP.text());
}

}  // namespace

void Formular7Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k)
{
    TabellenpunkteBerechnen(w);

    const QString gruppe = w.Gruppe.text();
    const struct {
        const char16_t* name;
        int y;
    } gruppen[] = {{u"Herren", 244},      {u"Damen", 294},        {u"Junioren", 344},
                   {u"Juniorinnen", 394}, {u"Jugend männl", 444}, {u"Jugend weibl", 494}};
    for (const auto& g : gruppen)
        if (gruppe == QString::fromUtf16(g.name)) KreuzUnten(l, 1110, g.y);

    const QString art = w.Spielart.text();
    const int artY = art == u"Clubspiel" ? 294 : art == u"Länderspiel" ? 344 : art == u"CL-League" ? 394 : 244;
    KreuzUnten(l, 660, artY);
    if (w.SVictory1Spiel) KreuzUnten(l, 660, 444);
    if (w.SVictory2Spiele) KreuzUnten(l, 660, 494);

    Unten(l, 1360, 296, k.spielort);
    Unten(l, 2040, 296, w.Land.text());
    Unten(l, 1360, 396, w.Datum.text());
    Unten(l, 1740, 396, w.Beginn.text());
    if (SpielBeendet(w)) Unten(l, 2140, 396, w.Ende.text());
    Unten(l, 1490, 496, k.bahnanlage);
    Unten(l, 540, 690, w.Heimmannschaft.text());
    Unten(l, 1740, 690, w.Gastmannschaft.text());

    for (int reihe = 1; reihe <= 6; ++reihe) {
        if (!ZeileGezeigt(w, reihe)) continue;
        Spielerblock(l, w, true, reihe);
        Spielerblock(l, w, false, reihe);
    }
    Seitensummen(l, w.Heim, 0);
    Seitensummen(l, w.Gast, Gastversatz);

    Unten(l, 180, 3100, w.Mannschaftsfuehrer[1].text());
    Unten(l, 1576, 3100, w.Mannschaftsfuehrer[2].text());
}

// --- Blank form ---------------------------------------------------------------------------

namespace {

void Unterschriftsfeld(Berichtsleinwand& l, int links, int rechts, const QString& titel)
{
    l.schriftSetzen(Etikettschrift(22, true));
    l.text(links + 20, 2905, titel);
    l.schriftSetzen(Etikettschrift(18));
    l.linie(links + 20, 3034, rechts - 20, 3034, 2);
    l.linie(links + 20, 3102, rechts - 20, 3102, 2);
}

void Spielertabelle(Berichtsleinwand& l, int dx)
{
    const int links = 40 + dx, rechts = 1190 + dx;
    l.rechteck(QRect(links, 720, rechts - links, 2560 - 720), 4);
    l.linie(links, 760, rechts, 760, 3);
    for (int x : {495, 595, 695, 795, 925, 1110}) l.linie(x + dx, 720, x + dx, 2560, 2);

    l.schriftSetzen(Etikettschrift(18, true));
    l.text(52 + dx, 728, QStringLiteral("Spieler / Pass-Nr. / Geboren"));
    const struct {
        int links, rechts;
        const char16_t* text;
    } spalten[] = {{495, 595, u"Fehl"},   {595, 695, u"Abr."},     {695, 795, u"Volle"},
                   {795, 925, u"Gesamt"}, {925, 1110, u"SP / MP"}, {1110, 1190, u"Bahn"}};
    for (const auto& s : spalten) {
        const QString t = QString::fromUtf16(s.text);
        l.text(dx + (s.links + s.rechts - l.textbreite(t)) / 2, 728, t);
    }

    l.schriftSetzen(Etikettschrift(20));
    for (int reihe = 1; reihe <= 6; ++reihe) {
        for (int k = 1; k <= 5; ++k) l.linie(links, Blockzeile(reihe, k), rechts, Blockzeile(reihe, k), 2);
        // Lanes and totals are set off from each other.
        l.linie(495 + dx, Blockzeile(reihe, 4) + 1, rechts, Blockzeile(reihe, 4) + 1, 3);
        if (reihe < 6) l.linie(links, Blockzeile(reihe, 6), rechts, Blockzeile(reihe, 6), 4);
        for (int d = 1; d <= 4; ++d) Unten(l, 1135 + dx, Blockzeile(reihe, d) - 6, QString::number(d));
        Unten(l, 1122 + dx, Blockzeile(reihe, 5) - 6, QStringLiteral("Ges."));
        Unten(l, 15 + dx, Blockzeile(reihe, 1) - 6, QString::number(reihe));
    }
}

}  // namespace

void Vordruck7Zeichnen(Berichtsleinwand& l)
{
    l.schriftSetzen(Etikettschrift(36, true));
    l.text(40, 36, QStringLiteral("Spielbericht"));
    l.schriftSetzen(Etikettschrift(22));
    l.text(44, 96, QStringLiteral("Mannschaftswettkampf"));

    // Match type, group and the match's data.
    l.rechteck(QRect(40, 150, 2350, 380), 4);
    l.linie(720, 150, 720, 530, 2);
    l.linie(1170, 150, 1170, 530, 2);
    l.schriftSetzen(Etikettschrift(22, true));
    l.text(60, 158, QStringLiteral("Spielart"));
    l.text(740, 158, QStringLiteral("Gruppe"));
    l.schriftSetzen(Etikettschrift(22));
    struct Kaestchenzeile {
        const char16_t* text;
        int y;
    };
    const Kaestchenzeile arten[] = {{u"anderes Spiel", 244}, {u"Clubspiel", 294}, {u"Länderspiel", 344},
                                    {u"CL-League", 394}, {u"Sudden Victory nach 1 Spiel", 444},
                                    {u"Sudden Victory nach 2 Spielen", 494}};
    for (const auto& a : arten) {
        Unten(l, 70, a.y - 4, QString::fromUtf16(a.text));
        Kaestchen(l, 660, a.y, KaestchenMittel);
    }
    const Kaestchenzeile gruppen[] = {{u"Herren", 244},      {u"Damen", 294},          {u"Junioren", 344},
                                      {u"Juniorinnen", 394}, {u"Jugend männlich", 444}, {u"Jugend weiblich", 494}};
    for (const auto& g : gruppen) {
        Unten(l, 750, g.y - 4, QString::fromUtf16(g.text));
        Kaestchen(l, 1110, g.y, KaestchenMittel);
    }
    const struct {
        int labelX, y;
        const char16_t* text;
        int von, bis;
    } felder[] = {{1190, 236, u"Klasse", 1355, 1890},    {1900, 236, u"Spiel-Nr.", 2035, 2370},
                  {1190, 296, u"Spielort", 1355, 1890},  {1900, 296, u"Land", 2035, 2370},
                  {1190, 396, u"Datum", 1355, 1590},     {1610, 396, u"Beginn", 1735, 2030},
                  {2050, 396, u"Ende", 2135, 2370},      {1190, 496, u"Bahnanlage", 1485, 2370}};
    for (const auto& f : felder) {
        Unten(l, f.labelX, f.y - 4, QString::fromUtf16(f.text));
        l.linie(f.von, f.y + 2, f.bis, f.y + 2, 2);
    }

    // The teams.
    l.rechteck(QRect(40, 530, 2350, 190), 4);
    l.linie(1216, 530, 1216, 720, 3);
    l.schriftSetzen(Etikettschrift(26, true));
    l.text(60, 550, QStringLiteral("Heim"));
    l.text(1262, 550, QStringLiteral("Gast"));
    l.schriftSetzen(Etikettschrift(22));
    Unten(l, 60, 686, QStringLiteral("Mannschaft"));
    Unten(l, 1262, 686, QStringLiteral("Mannschaft"));
    l.linie(535, 692, 1196, 692, 2);
    l.linie(1735, 692, 2370, 692, 2);

    Spielertabelle(l, 0);
    Spielertabelle(l, Gastversatz);

    // The sides' totals and table points.
    for (int dx : {0, Gastversatz}) {
        l.rechteck(QRect(40 + dx, 2560, 1150, 160), 4);
        for (int x : {495, 595, 695, 795}) l.linie(x + dx, 2560, x + dx, SummenY + 6, 2);
        l.linie(925 + dx, 2560, 925 + dx, 2720, 2);
        l.linie(40 + dx, SummenY + 6, 1190 + dx, SummenY + 6, 2);
        l.schriftSetzen(Etikettschrift(22, true));
        Unten(l, 60 + dx, SummenY - 4, QStringLiteral("Mannschaft gesamt"));
        Unten(l, 60 + dx, TabellenpunkteY - 4, QStringLiteral("Tabellenpunkte"));
    }

    // Remarks.
    l.rechteck(QRect(40, 2740, 2350, 140), 4);
    l.schriftSetzen(Etikettschrift(22, true));
    l.text(60, 2750, QStringLiteral("Bemerkungen"));
    l.linie(60, 2810, 2370, 2810, 2);
    l.linie(60, 2862, 2370, 2862, 2);

    // Signatures.
    l.rechteck(QRect(40, 2890, 2350, 340), 4);
    l.linie(880, 2890, 880, 3230, 2);
    l.linie(1500, 2890, 1500, 3230, 2);
    Unterschriftsfeld(l, 40, 880, QStringLiteral("Mannschaftsführer Heim"));
    Unterschriftsfeld(l, 1500, 2390, QStringLiteral("Mannschaftsführer Gast"));
    l.schriftSetzen(Etikettschrift(18));
    l.text(560, 3000, QStringLiteral("Unterschrift"));
    l.text(1520, 3000, QStringLiteral("Unterschrift"));
    l.text(60, 3108, QStringLiteral("Name"));
    l.text(1520, 3108, QStringLiteral("Name"));

    l.schriftSetzen(Etikettschrift(22, true));
    l.text(900, 2905, QStringLiteral("Schiedsrichter"));
    l.schriftSetzen(Etikettschrift(18));
    l.linie(920, 3034, 1480, 3034, 2);
    l.text(920, 3040, QStringLiteral("Name"));
    l.linie(920, 3180, 1480, 3180, 2);
    l.text(920, 3186, QStringLiteral("Unterschrift"));
}
