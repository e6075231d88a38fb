// The landscape layout with two lines per player: lane totals summed over the
// player and his substitutes, and one line per substitution.
//
// Every y is the bottom of its text. Places of this form beyond the fixed ones
// (player columns of the guest: home + 1600):
//   player row r (1..6)   first line 480 + 128 (r - 1), second line 64 below
//   name column           clipped to x 400 .. 832
//   second line           Abräumen of lanes 1..4 right-aligned at 1040, 1160, 1280, 1400,
//                         the pin total right-aligned at 1545
//   substitution line     the replaced player's number 1..16 (Ersatz; the guests' from 9)

#include "report/formulare/Formularlayouts.h"

#include "match/engine/Ersatzkette.h"
#include "match/engine/Punkte.h"

#include <QRect>

namespace {

constexpr int Gastversatz = 1600;
constexpr int Namensende = 832;
constexpr int Bahnspalten[MaxDurchgaenge] = {1040, 1160, 1280, 1400};

int ErsteZeile(int reihe) { return 480 + 128 * (reihe - 1); }

// The sum of wert over the chain, right-aligned at x.
template <typename Wert>
void KetteRechts(Berichtsleinwand& l, int x, int y, const Ersatzkette& kette, Wert wert)
{
    UntenRechts(l, x, y, QString::number(Kettensumme(kette, wert)));
}

void Spielerzeilen(Berichtsleinwand& l, TWettkampfDaten& w, bool heim, int reihe)
{
    const int dx = heim ? 0 : Gastversatz;
    const int y1 = ErsteZeile(reihe), y2 = y1 + 64;
    TSpielerEintrag& s = SeitenSpieler(w, heim, reihe);
    const Ersatzkette kette = Nachfolger(w, &s);

    Unten(l, 180 + dx, y1, s.Pass.text());
    Unten(l, 180 + dx, y2, Geburtsmonat(s) + QStringLiteral(" / ") + Geburtsjahr(s));
    if (s.Platz != 0) Unten(l, 350 + dx, y1, QString::number(s.Platz));
    const auto [vorne, rest] = NameTeilen(s.Name.text());
    NameUnten(l, 400 + dx, Namensende + dx, y1, vorne);
    if (!rest.isEmpty()) NameUnten(l, 400 + dx, Namensende + dx, y2, rest);

    KetteRechts(l, 928 + dx, y1, kette, [](const TSpielerEintrag& p) { return int(p.Fehler.Zahl); });
    for (int d = 1; d <= MaxDurchgaenge; ++d) {
        const int x = Bahnspalten[d - 1] + dx;
        KetteRechts(l, x, y1, kette, [d](const TSpielerEintrag& p) { return int(p.Durchgang[d].Total.Zahl); });
        KetteRechts(l, x, y2, kette, [d](const TSpielerEintrag& p) { return int(p.Durchgang[d].Abr.Zahl); });
    }
    KetteRechts(l, 1545 + dx, y2, kette, [](const TSpielerEintrag& p) { return int(p.Total.Zahl); });
}

// "ab <throw> Wurf für Spieler <n>" for a substitute who replaced somebody.
void Einwechslung(Berichtsleinwand& l, TWettkampfDaten& w, bool heim, int nr, int y)
{
    const TSpielerEintrag& e = SeitenSpieler(w, heim, nr);
    if (e.Ersatz < 1 || e.Ersatz > MaxSpieler) return;
    const TSpielerEintrag& ersetzt = *w.SpielerZeiger[e.Ersatz];
    Unten(l, heim ? 900 : 2420, y,
          QStringLiteral("ab ") + QString::number(ersetzt.Wurf.Zahl + 1) + QStringLiteral(" Wurf für Spieler ")
              + QString::number(e.Ersatz));
}

}  // namespace

void Formular8Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k)
{
    TabellenpunkteBerechnen(w);
    const QString gruppe = w.Gruppe.text();
    if (gruppe == u"Damen") KreuzUnten(l, 1350, 324);
    if (gruppe == u"Herren") KreuzUnten(l, 1350, 386);
    Unten(l, 420, 262, w.Spielnummer.text());
    Unten(l, 420, 324, w.Datum.text());
    if (SpielBeendet(w)) Unten(l, 420, 386, w.Beginn.text() + QStringLiteral(" bis ") + w.Ende.text());
    Unten(l, 2000, 270, w.Klasse.text());
    Unten(l, 2000, 330, k.bahnanlage);
    Unten(l, 2000, 390, k.spielort);

    for (int reihe = 1; reihe <= 6; ++reihe) {
        if (!ZeileGezeigt(w, reihe)) continue;
        Spielerzeilen(l, w, true, reihe);
        Spielerzeilen(l, w, false, reihe);
    }
    for (bool heim : {true, false}) {
        Einwechslung(l, w, heim, 7, 1450);
        Einwechslung(l, w, heim, 8, 1530);
    }

    Unten(l, 200, 1860, w.Heimmannschaft.text());
    Unten(l, 2200, 1860, w.Gastmannschaft.text());
    Unten(l, 200, 2000, w.Mannschaftsfuehrer[1].text());
    Unten(l, 2200, 2000, w.Mannschaftsfuehrer[2].text());
    Unten(l, 200, 2150, w.Schiedsrichter.text());
    UntenRechts(l, 1600, 2198, w.Heim.TaP.text());
    UntenRechts(l, 1840, 2198, w.Gast.TaP.text());
}

// --- Blank form ---------------------------------------------------------------------------

namespace {

// A line for a value with its caption below it.
void Feld(Berichtsleinwand& l, int von, int bis, int y, const QString& titel)
{
    l.linie(von, y, bis, y, 2);
    l.text(von + 10, y + 6, titel);
}

void Spielertabelle(Berichtsleinwand& l, bool heim)
{
    const int dx = heim ? 0 : Gastversatz;
    const int oben = 402, unten = ErsteZeile(6) + 80;
    l.rechteck(QRect(60 + dx, oben, 1500, unten - oben), 4);
    l.linie(60 + dx, 432, 1560 + dx, 432, 3);
    const int grenzen[] = {170, 340, 392, 840, 940, 1050, 1170, 1290, 1410};
    for (int x : grenzen) l.linie(x + dx, oben, x + dx, unten, 2);

    l.schriftSetzen(Etikettschrift(18, true));
    const struct {
        int links, rechts;
        const char16_t* text;
    } spalten[] = {{60, 170, heim ? u"Heim" : u"Gast"}, {170, 340, u"Pass-Nr."}, {340, 392, u"Pl."},
                   {392, 840, u"Name"},    {840, 940, u"Fehl"},     {940, 1050, u"Bahn 1"},
                   {1050, 1170, u"Bahn 2"}, {1170, 1290, u"Bahn 3"}, {1290, 1410, u"Bahn 4"},
                   {1410, 1560, u"Gesamt"}};
    for (const auto& s : spalten) {
        const QString t = QString::fromUtf16(s.text);
        l.text(dx + (s.links + s.rechts - l.textbreite(t)) / 2, 406, t);
    }

    l.schriftSetzen(Etikettschrift(24));
    for (int reihe = 1; reihe <= 6; ++reihe) {
        const int y1 = ErsteZeile(reihe);
        l.linie(170 + dx, y1 + 2, 1560 + dx, y1 + 2, 2);
        if (reihe < 6) l.linie(60 + dx, y1 + 80, 1560 + dx, y1 + 80, 3);
        Unten(l, 100 + dx, y1 + 26, QString::number(reihe));
    }
    l.schriftSetzen(Etikettschrift(16));
    l.text(70 + dx, unten + 6,
           QStringLiteral("Obere Zeile: Kegel je Bahn; untere Zeile: Abräumen je Bahn und Gesamtkegel; Fehl = Fehlwürfe"));
}

void Auswechslungen(Berichtsleinwand& l, bool heim)
{
    const int dx = heim ? 0 : Gastversatz;
    const int ab = heim ? 900 : 2420;
    l.rechteck(QRect(60 + dx, 1260, 1500, 300), 4);
    l.schriftSetzen(Etikettschrift(20, true));
    l.text(80 + dx, 1268, heim ? QStringLiteral("Auswechslungen Heim") : QStringLiteral("Auswechslungen Gast"));
    l.schriftSetzen(Etikettschrift(18));
    l.text(190 + dx, 1330, QStringLiteral("Ersatzspieler (Name, Pass-Nr.)"));
    l.text(ab, 1330, QStringLiteral("eingewechselt"));
    l.schriftSetzen(Etikettschrift(24));
    for (const auto& [nr, y] : {std::pair{7, 1450}, std::pair{8, 1530}}) {
        Unten(l, 90 + dx, y - 2, QString::number(nr));
        l.linie(190 + dx, y + 2, ab - 20, y + 2, 2);
        l.linie(ab, y + 2, 1540 + dx, y + 2, 2);
    }
}

}  // namespace

void Vordruck8Zeichnen(Berichtsleinwand& l)
{
    l.schriftSetzen(Etikettschrift(36, true));
    l.text(60, 40, QStringLiteral("Spielbericht"));
    l.schriftSetzen(Etikettschrift(22));
    l.text(64, 100, QStringLiteral("Mannschaftswettkampf"));

    // The match's data and the group.
    l.rechteck(QRect(60, 196, 3100, 206), 4);
    l.linie(1130, 196, 1130, 402, 2);
    l.linie(1460, 196, 1460, 402, 2);
    l.schriftSetzen(Etikettschrift(22));
    const struct {
        int labelX, y;
        const char16_t* text;
        int von, bis;
    } felder[] = {{80, 262, u"Spiel-Nr.", 415, 1110},     {80, 324, u"Datum", 415, 1110},
                  {80, 386, u"Spielzeit", 415, 1110},     {1490, 270, u"Klasse", 1995, 3140},
                  {1490, 330, u"Bahnanlage", 1995, 3140}, {1490, 390, u"Spielort", 1995, 3140}};
    for (const auto& f : felder) {
        Unten(l, f.labelX, f.y - 4, QString::fromUtf16(f.text));
        l.linie(f.von, f.y + 2, f.bis, f.y + 2, 2);
    }
    Unten(l, 1160, 320, QStringLiteral("Damen"));
    Kaestchen(l, 1350, 324, KaestchenMittel);
    Unten(l, 1160, 382, QStringLiteral("Herren"));
    Kaestchen(l, 1350, 386, KaestchenMittel);
    l.schriftSetzen(Etikettschrift(22, true));
    Unten(l, 1160, 258, QStringLiteral("Gruppe"));

    Spielertabelle(l, true);
    Spielertabelle(l, false);
    Auswechslungen(l, true);
    Auswechslungen(l, false);

    // Remarks.
    l.rechteck(QRect(60, 1590, 3100, 170), 4);
    l.schriftSetzen(Etikettschrift(22, true));
    l.text(80, 1600, QStringLiteral("Bemerkungen"));
    l.linie(80, 1690, 3140, 1690, 2);
    l.linie(80, 1746, 3140, 1746, 2);

    // Teams, captains, referee and the table points.
    l.rechteck(QRect(60, 1780, 3100, 510), 4);
    l.linie(1470, 1780, 1470, 2290, 2);
    l.linie(2150, 1780, 2150, 2290, 2);
    l.schriftSetzen(Etikettschrift(18));
    Feld(l, 190, 1400, 1862, QStringLiteral("Heimmannschaft"));
    Feld(l, 190, 790, 2002, QStringLiteral("Mannschaftsführer Heim"));
    Feld(l, 800, 1400, 2002, QStringLiteral("Unterschrift"));
    Feld(l, 190, 1400, 2152, QStringLiteral("Schiedsrichter"));
    Feld(l, 2190, 3140, 1862, QStringLiteral("Gastmannschaft"));
    Feld(l, 2190, 2810, 2002, QStringLiteral("Mannschaftsführer Gast"));
    Feld(l, 2820, 3140, 2002, QStringLiteral("Unterschrift"));
    Feld(l, 2160, 2700, 2232, QStringLiteral("Unterschrift Schiedsrichter"));
    Feld(l, 1540, 1620, 2200, QStringLiteral("Heim"));
    Feld(l, 1780, 1860, 2200, QStringLiteral("Gast"));
    l.schriftSetzen(Etikettschrift(20, true));
    const QString tp = QStringLiteral("Tabellenpunkte");
    l.text(1700 - l.textbreite(tp) / 2, 2080, tp);
    l.schriftSetzen(Etikettschrift(30, true));
    Unten(l, 1692, 2196, QStringLiteral(":"));
}
