// Layout 0: the half-page (A5) report. Every y is the top of its text.

#include "report/formulare/Formularlayouts.h"

namespace {

constexpr int ZeilenY[] = {530, 590, 650, 710, 770, 830};
constexpr int ErsatzY = 890;
constexpr int SummenY = 1000;
constexpr int GastVersatz = 1250;
constexpr int BemerkungY[] = {1150, 1210, 1270};

// The pass, birth year and throws columns of the home side. A six-digit pass
// is wider than its column in the usual font and is drawn smaller.
constexpr int PassX = 420;
constexpr int JahrX = 555;
constexpr int WurfX = 618;

// Right edges of the result columns of the home side.
constexpr int VolleX = 830;
constexpr int AbrX = 930;
constexpr int FehlerX = 1030;
constexpr int TotalX = 1150;

void Spielerzeile(Berichtsleinwand& l, const TSpielerEintrag& s, int y, int dx)
{
    const QString trenner = QStringLiteral(" /");
    // The name's box runs from one pixel before it to the pass column and down to the next row.
    l.textGeklippt(QRect(19 + dx, y - 1, 400, 60), 20 + dx, y, s.Name.text());
    TextBis(l, PassX + dx, y, JahrX + dx, trenner + s.Pass.text());
    l.text(JahrX + dx, y, trenner + Geburtsjahr(s));
    l.text(WurfX + dx, y, trenner + s.Wurf.Text.text());
    l.textRechts(VolleX + dx, y, s.Volle.Text.text());
    l.textRechts(AbrX + dx, y, s.Abr.Text.text());
    l.textRechts(FehlerX + dx, y, s.Fehler.Text.text());
    l.textRechts(TotalX + dx, y, s.Total.Text.text());
}

void Seite(Berichtsleinwand& l, TWettkampfDaten& w, bool heim)
{
    const int dx = heim ? 0 : GastVersatz;
    for (int zeile = 1; zeile <= 6; ++zeile)
        if (ZeileGezeigt(w, zeile)) Spielerzeile(l, SeitenSpieler(w, heim, zeile), ZeilenY[zeile - 1], dx);
    Spielerzeile(l, Ersatzzeile(w, heim), ErsatzY, dx);

    const TMannschaftBlock& m = heim ? w.Heim : w.Gast;
    l.textRechts(VolleX + dx, SummenY, m.Volle.Text.text());
    l.textRechts(AbrX + dx, SummenY, m.Abr.Text.text());
    l.textRechts(FehlerX + dx, SummenY, m.Fehler.Text.text());
    l.textRechts(TotalX + dx, SummenY, Summe(m.Total.Text.c_str()));

    for (int i = 1; i <= 3; ++i) l.text(heim ? 100 : 1372, BemerkungY[i - 1], m.Text[i].text());
}

}  // namespace

void Formular0Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k)
{
    const Berichtsschrift& basis = k.schrift;
    l.schriftSetzen(basis.groesse(basis.punkte + 34));
    l.text(100, 50, w.Club.text());

    l.schriftSetzen(basis.groesse(basis.punkte + 2));
    const QString ort = k.spielort.isEmpty() ? QString() : k.spielort + QStringLiteral(", ");
    l.text(1800, 120, ort + QStringLiteral("den ") + w.Datum.text());
    l.text(310, 224, w.Bezirk.text());
    l.text(1020, 224, w.Klasse.text());
    l.text(1550, 224, w.Gruppe.text());
    l.text(2230, 224, w.Spielnummer.text());
    l.text(310, 336, w.Heimmannschaft.text() + QStringLiteral(" - ") + w.Gastmannschaft.text());

    l.schriftSetzen(basis);
    Seite(l, w, true);
    Seite(l, w, false);
    l.text(880, 1520, w.Schiedsrichter.text());
}

// --- Blank form ------------------------------------------------------------------------
// 2430 x 1628. Value lines lie just under the values' text cells (tops as above,
// cells of about 46 pixels at the usual 40-pixel font).

namespace {

// A label whose text cell starts at top y.
void Etikett(Berichtsleinwand& l, int x, int y, const QString& t, int punkte, bool fett = false)
{
    l.schriftSetzen(Etikettschrift(punkte, fett));
    l.text(x, y, t);
}

// A label centred on x.
void EtikettMitte(Berichtsleinwand& l, int x, int y, const QString& t, int punkte, bool fett = false)
{
    l.schriftSetzen(Etikettschrift(punkte, fett));
    l.text(x - l.textbreite(t) / 2, y, t);
}

// Column lines of one side's table, from the side's left border (home 16, guest 1266).
void Tabellenseite(Berichtsleinwand& l, int dx, const QString& seite)
{
    const int links = 16 + dx;
    const int rechts = 1160 + dx;
    l.rechteck(QRect(QPoint(links, 420), QPoint(rechts, 949)), 3);
    l.linie(links, 470, rechts, 470, 2);
    l.linie(links, 529, rechts, 529, 3);
    for (int y = 589; y <= 829; y += 60) l.linie(links, y, rechts, y, 2);
    l.linie(links, 889, rechts, 889, 3);
    for (int x : {419, 716, 838, 938, 1038}) l.linie(x + dx, 470, x + dx, 949, 2);
    EtikettMitte(l, (links + rechts) / 2, 428, seite, 24, true);

    const int kopfY = 486;
    EtikettMitte(l, 217 + dx, kopfY, QStringLiteral("Name"), 20);
    EtikettMitte(l, 567 + dx, kopfY, QStringLiteral("Pass / Jg. / Würfe"), 20);
    EtikettMitte(l, 777 + dx, kopfY, QStringLiteral("Volle"), 20);
    EtikettMitte(l, 888 + dx, kopfY, QStringLiteral("Abr."), 20);
    EtikettMitte(l, 988 + dx, kopfY, QStringLiteral("Fehlw."), 20);
    EtikettMitte(l, 1099 + dx, kopfY, QStringLiteral("Gesamt"), 20);

    // Team totals: one row under the table.
    l.rechteck(QRect(QPoint(links, 999), QPoint(rechts, 1059)), 3);
    for (int x : {716, 838, 938, 1038}) l.linie(x + dx, 999, x + dx, 1059, 2);
    Etikett(l, 30 + dx, 1014, QStringLiteral("Mannschaftsergebnis"), 20, true);
}

void Bemerkungen(Berichtsleinwand& l, int x, int bis, const QString& titel)
{
    Etikett(l, x, 1104, titel, 22, true);
    for (int y : BemerkungY) l.linie(x, y + 44, bis, y + 44, 2);
}

void Unterschrift(Berichtsleinwand& l, int links, const QString& titel)
{
    // The signature is stamped into links .. links + 440, 1350 .. 1450; the frame stays outside it.
    l.rechteck(QRect(QPoint(links - 5, 1345), QPoint(links + 445, 1455)), 2);
    EtikettMitte(l, links + 220, 1462, titel, 20);
}

}  // namespace

void Vordruck0Zeichnen(Berichtsleinwand& l)
{
    l.rechteck(QRect(QPoint(5, 5), QPoint(2424, 1622)), 3);

    // Head: the home club, place and date.
    l.linie(90, 150, 1700, 150, 2);
    Etikett(l, 100, 156, QStringLiteral("Heimverein"), 20);
    Etikett(l, 1800, 30, QStringLiteral("Spielbericht"), 36, true);
    l.linie(1790, 168, 2400, 168, 2);
    Etikett(l, 1800, 174, QStringLiteral("Ort, Datum"), 20);

    // Match data: values start at the x of each line, tops 224 and 336.
    const int datenY = 236;
    Etikett(l, 100, datenY, QStringLiteral("Bezirk:"), 22);
    Etikett(l, 880, datenY, QStringLiteral("Klasse:"), 22);
    Etikett(l, 1410, datenY, QStringLiteral("Gruppe:"), 22);
    Etikett(l, 2080, datenY, QStringLiteral("Spiel-Nr.:"), 22);
    for (auto [von, bis] : {std::pair{300, 850}, {1010, 1380}, {1540, 2050}, {2220, 2400}}) l.linie(von, 272, bis, 272, 2);
    Etikett(l, 100, 348, QStringLiteral("Begegnung:"), 22);
    l.linie(300, 384, 2400, 384, 2);

    // The two sides' tables with the row numbers between them.
    Tabellenseite(l, 0, QStringLiteral("Heim"));
    Tabellenseite(l, GastVersatz, QStringLiteral("Gast"));
    l.rechteck(QRect(QPoint(1160, 420), QPoint(1266, 949)), 3);
    l.linie(1160, 529, 1266, 529, 3);
    for (int y = 589; y <= 829; y += 60) l.linie(1160, y, 1266, y, 2);
    l.linie(1160, 889, 1266, 889, 3);
    EtikettMitte(l, 1213, 486, QStringLiteral("Nr."), 20);
    for (int zeile = 1; zeile <= 6; ++zeile) EtikettMitte(l, 1213, ZeilenY[zeile - 1] + 10, QString::number(zeile), 22);
    EtikettMitte(l, 1213, ErsatzY + 12, QStringLiteral("Ersatz"), 18);

    Bemerkungen(l, 100, 1200, QStringLiteral("Bemerkungen Heim"));
    Bemerkungen(l, 1372, 2400, QStringLiteral("Bemerkungen Gast"));

    Unterschrift(l, 100, QStringLiteral("Mannschaftsführer Heim"));
    Unterschrift(l, 900, QStringLiteral("Schiedsrichter"));
    Unterschrift(l, 1700, QStringLiteral("Mannschaftsführer Gast"));
    l.linie(870, 1566, 1700, 1566, 2);
    Etikett(l, 600, 1526, QStringLiteral("Schiedsrichter:"), 22);
    Etikett(l, 880, 1572, QStringLiteral("Name in Druckschrift"), 18);
}
