// Layout 1: the landscape report with the section's title. Every y is the
// bottom of its text; from the title on every text is bold.

#include "report/Formularlayouts.h"

namespace {

constexpr int GastVersatz = 1680;
constexpr int ErsteZeileY = 920;
constexpr int ZeilenAbstand = 118;
constexpr int ErsatzY = 1628;
constexpr int SummenY = 1746;
constexpr int VorfallY = 1860;
constexpr int NeinAbstand = 58;
constexpr int BemerkungY[] = {1974, 2044, 2114};

// Home columns; the guest's lie GastVersatz further right.
constexpr int PassX = 26;
constexpr int NameX = 220;
constexpr int NameBisX = 820;
constexpr int JahrX = 870;
constexpr int VolleX = 1140;
constexpr int AbrX = 1330;
constexpr int FehlerX = 1470;
constexpr int TotalX = 1640;

void Unten(Berichtsleinwand& l, int x, int y, const QString& t) { l.text(x, y + l.schrift().hoehe(), t); }
void UntenRechts(Berichtsleinwand& l, int x, int y, const QString& t) { l.textRechts(x, y + l.schrift().hoehe(), t); }
void KreuzUnten(Berichtsleinwand& l, int x, int y) { l.kreuz(x, y + l.schrift().hoehe()); }

void Spielerzeile(Berichtsleinwand& l, const TSpielerEintrag& s, int y, int dx)
{
    const int oben = y + l.schrift().hoehe();
    l.text(PassX + dx, oben, s.Pass.text());
    l.textGeklippt(QRect(QPoint(NameX + dx, oben), QPoint(NameBisX + dx, y + 10)), NameX + dx, oben, s.Name.text());
    l.text(JahrX + dx, oben, Geburtsjahr(s));
    l.textRechts(VolleX + dx, oben, s.Volle.Text.text());
    l.textRechts(AbrX + dx, oben, s.Abr.Text.text());
    l.textRechts(FehlerX + dx, oben, s.Fehler.Text.text());
    l.textRechts(TotalX + dx, oben, s.Total.Text.text());
}

void Seite(Berichtsleinwand& l, TWettkampfDaten& w, bool heim)
{
    const int dx = heim ? 0 : GastVersatz;
    for (int zeile = 1; zeile <= 6; ++zeile)
        if (ZeileGezeigt(w, zeile)) Spielerzeile(l, SeitenSpieler(w, heim, zeile), ErsteZeileY + ZeilenAbstand * (zeile - 1), dx);
    Spielerzeile(l, Ersatzzeile(w, heim), ErsatzY, dx);

    const TMannschaftBlock& m = heim ? w.Heim : w.Gast;
    UntenRechts(l, VolleX + dx, SummenY, m.Volle.Text.text());
    UntenRechts(l, AbrX + dx, SummenY, m.Abr.Text.text());
    UntenRechts(l, FehlerX + dx, SummenY, m.Fehler.Text.text());
    UntenRechts(l, TotalX + dx, SummenY, Summe(m.Total.Text.c_str()));
}

}  // namespace

void Formular1Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k)
{
    Berichtsschrift basis = k.schrift;
    basis.fett = true;
    l.schriftSetzen(basis.groesse(40));
    Unten(l, 900, 100, k.sektion);

    l.schriftSetzen(basis.groesse(30));
    const QString art = w.Spielart.text();
    if (art == QStringLiteral("Clubspiel")) KreuzUnten(l, 690, 230);
    else if (art == QStringLiteral("Pokalspiel")) KreuzUnten(l, 690, 336);
    else if (art == QStringLiteral("Länderspiel")) KreuzUnten(l, 690, 442);

    const QString gruppe = w.Gruppe.text();
    if (gruppe == QStringLiteral("Herren")) KreuzUnten(l, 1300, 230);
    else if (gruppe == QStringLiteral("Damen")) KreuzUnten(l, 1300, 336);
    else if (gruppe == QStringLiteral("Junioren")) KreuzUnten(l, 1300, 442);
    else if (!gruppe.isEmpty()) {
        // Every other group is youth; A and B youth carry their letter.
        if (gruppe == QStringLiteral("A-Jugend")) Unten(l, 1050, 548, QStringLiteral("A"));
        else if (gruppe == QStringLiteral("B-Jugend")) Unten(l, 1050, 548, QStringLiteral("B"));
        KreuzUnten(l, 1300, 548);
    }

    l.schriftSetzen(basis);
    Unten(l, 1800, 186, w.Land.text() + QStringLiteral("  ") + w.Bezirk.text());
    Unten(l, 1800, 292, k.spielort);
    Unten(l, 2950, 292, w.Datum.text());
    Unten(l, 1800, 398, k.bahnanlage);
    Unten(l, 1800, 504, w.Beginn.text());
    if (SpielBeendet(w)) Unten(l, 2950, 504, w.Ende.text());
    Unten(l, 1800, 610, w.Klasse.text());
    Unten(l, 410, 700, w.Heimmannschaft.text());
    Unten(l, 2080, 700, w.Gastmannschaft.text());

    Seite(l, w, true);
    Seite(l, w, false);

    l.schriftSetzen(basis.groesse(24));
    const std::pair<u8, int> vorfaelle[] = {{w.BahnenOk, 596}, {w.PaesseOk, 1223},    {w.Protest, 1690},
                                            {w.Verletzungen, 2199}, {w.Verwarnungen, 2746}, {w.Sonstiges, 3263}};
    for (auto [gesetzt, x] : vorfaelle) KreuzUnten(l, gesetzt ? x : x + NeinAbstand, VorfallY);
    if (w.Anlagen) KreuzUnten(l, 3321, 2084);

    l.schriftSetzen(basis);
    for (int i = 1; i <= 3; ++i) {
        Unten(l, 400, BemerkungY[i - 1], w.Heim.Text[i].text());
        Unten(l, 1730, BemerkungY[i - 1], w.Gast.Text[i].text());
    }
    Unten(l, 1080, 2290, w.Schiedsrichter.text() + QStringLiteral(" /Spielleiter: ") + w.Spielleiter.Name.text());
}

// --- Blank form ------------------------------------------------------------------------
// The texts stand on the printed lines. The form runs to x 3400: the guest's
// total and the last incident column reach x 3350.

namespace {

constexpr int Rechts = 3390;

Berichtsschrift Etikettschrift(int punkte, bool fett)
{
    Berichtsschrift s;
    s.name = QStringLiteral("Arial");
    s.punkte = punkte;
    s.fett = fett;
    return s;
}

enum class Ausrichtung { Links, Mitte, Rechts };

// A label standing on the line y.
void Etikett(Berichtsleinwand& l, int x, int y, const QString& t, int punkte = 20, bool fett = false,
             Ausrichtung a = Ausrichtung::Links)
{
    l.schriftSetzen(Etikettschrift(punkte, fett));
    const int b = l.textbreite(t);
    const int links = a == Ausrichtung::Links ? x : a == Ausrichtung::Mitte ? x - b / 2 : x - b;
    l.text(links, y + l.schrift().hoehe(), t);
}

// The check box around a cross drawn at x with its bottom at y in a font of the given pixel height.
void Kaestchen(Berichtsleinwand& l, int x, int y, int pixel)
{
    const int seite = pixel + pixel / 6;
    const int mitteX = x + pixel / 3;
    const int mitteY = y - pixel * 44 / 100;
    l.rechteck(QRect(mitteX - seite / 2, mitteY - seite / 2, seite, seite), 3);
}

void Wertzeile(Berichtsleinwand& l, int x, int bis, int y, const QString& etikett)
{
    Etikett(l, x - 12, y, etikett, 22, false, Ausrichtung::Rechts);
    l.linie(x - 6, y + 2, bis, y + 2, 2);
}

void Tabelle(Berichtsleinwand& l, int dx)
{
    const int links = 16 + dx;
    const int rechts = 1650 + dx;
    const int oben = 730;
    const int kopf = 812;
    const int zeilenende = ErsatzY + 10;
    const int unten = SummenY + 10;
    l.rechteck(QRect(QPoint(links, oben), QPoint(rechts, unten)), 4);
    l.linie(links, kopf, rechts, kopf, 3);
    for (int zeile = 1; zeile < 6; ++zeile) {
        const int y = ErsteZeileY + ZeilenAbstand * (zeile - 1) + 10;
        l.linie(links, y, rechts, y, 2);
    }
    l.linie(links, ErsatzY - ZeilenAbstand + 10, rechts, ErsatzY - ZeilenAbstand + 10, 3);
    l.linie(links, zeilenende, rechts, zeilenende, 3);
    for (int x : {210, 860}) l.linie(x + dx, oben, x + dx, zeilenende, 2);
    for (int x : {960, 1150, 1340, 1480}) l.linie(x + dx, oben, x + dx, unten, 2);

    const int kopfY = 785;
    Etikett(l, 113 + dx, kopfY, QStringLiteral("Pass-Nr."), 20, true, Ausrichtung::Mitte);
    Etikett(l, 535 + dx, kopfY, QStringLiteral("Name"), 20, true, Ausrichtung::Mitte);
    Etikett(l, 910 + dx, kopfY, QStringLiteral("Jg."), 20, true, Ausrichtung::Mitte);
    Etikett(l, 1055 + dx, kopfY, QStringLiteral("Volle"), 20, true, Ausrichtung::Mitte);
    Etikett(l, 1245 + dx, kopfY, QStringLiteral("Abräumen"), 20, true, Ausrichtung::Mitte);
    Etikett(l, 1410 + dx, kopfY, QStringLiteral("Fehlwürfe"), 18, true, Ausrichtung::Mitte);
    Etikett(l, 1565 + dx, kopfY, QStringLiteral("Gesamt"), 20, true, Ausrichtung::Mitte);

    // Row numbers in the top corner of each row, clear of the texts.
    for (int zeile = 1; zeile <= 6; ++zeile)
        Etikett(l, links + 6, ErsteZeileY + ZeilenAbstand * (zeile - 2) + 40, QString::number(zeile) + QLatin1Char('.'), 16);
    Etikett(l, links + 6, ErsatzY - ZeilenAbstand + 40, QStringLiteral("Ersatz"), 16);
    Etikett(l, NameX + dx, SummenY, QStringLiteral("Mannschaftsergebnis"), 22, true);
}

}  // namespace

void Vordruck1Zeichnen(Berichtsleinwand& l)
{
    l.rechteck(QRect(QPoint(8, 8), QPoint(Rechts, 2420)), 4);
    Etikett(l, 60, 104, QStringLiteral("Spielbericht"), 48, true);
    Etikett(l, 60, 150, QStringLiteral("Mannschaftswettkampf"), 22);

    // Match type and group with their check boxes (crosses at size 30 = 40 pixels).
    Etikett(l, 665, 165, QStringLiteral("Spielart"), 22, true, Ausrichtung::Rechts);
    Etikett(l, 1275, 165, QStringLiteral("Gruppe"), 22, true, Ausrichtung::Rechts);
    const std::pair<int, const char*> arten[] = {{230, "Clubspiel"}, {336, "Pokalspiel"}, {442, "Länderspiel"}};
    for (auto [y, t] : arten) {
        Etikett(l, 665, y, QString::fromUtf8(t), 22, false, Ausrichtung::Rechts);
        Kaestchen(l, 690, y, 40);
    }
    const std::pair<int, const char*> gruppen[] = {{230, "Herren"}, {336, "Damen"}, {442, "Junioren"}};
    for (auto [y, t] : gruppen) {
        Etikett(l, 1275, y, QString::fromUtf8(t), 22, false, Ausrichtung::Rechts);
        Kaestchen(l, 1300, y, 40);
    }
    l.linie(1042, 552, 1088, 552, 2);
    Etikett(l, 1092, 548, QStringLiteral("-Jugend"), 22);
    Kaestchen(l, 1300, 548, 40);

    // Match data.
    Wertzeile(l, 1800, Rechts - 30, 186, QStringLiteral("Land / Bezirk:"));
    Wertzeile(l, 1800, 2760, 292, QStringLiteral("Spielort:"));
    Wertzeile(l, 2950, Rechts - 30, 292, QStringLiteral("Datum:"));
    Wertzeile(l, 1800, Rechts - 30, 398, QStringLiteral("Bahnanlage:"));
    Wertzeile(l, 1800, 2760, 504, QStringLiteral("Beginn:"));
    Wertzeile(l, 2950, Rechts - 30, 504, QStringLiteral("Ende:"));
    Wertzeile(l, 1800, Rechts - 30, 610, QStringLiteral("Klasse:"));
    Wertzeile(l, 410, 1640, 700, QStringLiteral("Heim:"));
    Wertzeile(l, 2080, Rechts - 30, 700, QStringLiteral("Gast:"));

    Tabelle(l, 0);
    Tabelle(l, GastVersatz);

    // Incidents: a yes and a no box each (crosses at size 24 = 32 pixels).
    Etikett(l, 30, VorfallY, QStringLiteral("Vorkommnisse:"), 22, true);
    const std::pair<int, const char*> vorfaelle[] = {{596, "Bahnen in Ordnung"}, {1223, "Pässe in Ordnung"}, {1690, "Protest"},
                                                     {2199, "Verletzungen"},     {2746, "Verwarnungen"},     {3263, "Sonstiges"}};
    for (auto [x, t] : vorfaelle) {
        Etikett(l, x - 18, VorfallY, QString::fromUtf8(t), 20, false, Ausrichtung::Rechts);
        Kaestchen(l, x, VorfallY, 32);
        Kaestchen(l, x + NeinAbstand, VorfallY, 32);
        Etikett(l, x + 11, VorfallY - 44, QStringLiteral("ja"), 16, false, Ausrichtung::Mitte);
        Etikett(l, x + NeinAbstand + 11, VorfallY - 44, QStringLiteral("nein"), 16, false, Ausrichtung::Mitte);
    }
    l.linie(16, VorfallY + 26, Rechts, VorfallY + 26, 3);

    // Remarks and enclosures.
    Etikett(l, 390, BemerkungY[0], QStringLiteral("Bemerkungen Heim:"), 20, true, Ausrichtung::Rechts);
    Etikett(l, 1720, BemerkungY[0], QStringLiteral("Bemerkungen Gast:"), 20, true, Ausrichtung::Rechts);
    for (int y : BemerkungY) {
        l.linie(400, y + 2, 1440, y + 2, 2);
        l.linie(1730, y + 2, 3150, y + 2, 2);
    }
    Etikett(l, 3295, 2084, QStringLiteral("Anlagen"), 20, false, Ausrichtung::Rechts);
    Kaestchen(l, 3321, 2084, 32);

    // Signatures: stamped into the boxes, the frames stay outside them.
    const std::pair<int, const char*> unterschriften[] = {
        {400, "Mannschaftsführer Heim"}, {1600, "Schiedsrichter"}, {2700, "Mannschaftsführer Gast"}};
    for (auto [x, t] : unterschriften) {
        l.rechteck(QRect(QPoint(x - 5, 2165), QPoint(x + 335, 2250)), 2);
        Etikett(l, x + 165, 2158, QString::fromUtf8(t), 18, false, Ausrichtung::Mitte);
    }
    Wertzeile(l, 1080, 2700, 2290, QStringLiteral("Schiedsrichter / Spielleiter:"));
}
